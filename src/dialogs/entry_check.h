#pragma once

#include <cstdint>
#include <string>

// Whether the masked entry dialog may send valueText (blanks already turned into "0", dates in
// "yyyy/mm/dd" order) for the mode:
// - dates: a day of the calendar, "/" between the parts;
// - time: "hh:mm:ss" with hours below 24 and minutes and seconds below 60;
// - positions "DDD°MM.MMMM'H" (modes 6, 7): minutes below 60, at most 90 (latitude) or 180
//   (longitude) degrees, hemisphere N or S, or E or W;
// - positions "DDD°MM'SS"H" (modes 4, 5): minutes and seconds below 60, at most 90 or 180
//   degrees, the hemisphere letter at character 11.
// A part that is not a number, a lower-case hemisphere (the engine would read "n" as south) or a
// text of the wrong length fails, and so does any other mode.
bool PassesEntryCheck(const std::string& valueText, int32_t mode);
