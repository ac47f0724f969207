#pragma once

#include <cstdint>
#include <string>

// The entry dialog's modes for positions.
constexpr int32_t kEntryLatitudeMode = 6;
constexpr int32_t kEntryLongitudeMode = 7;

// The check the entry dialog makes before it sends a position ("DDD°MM.MMMM'H", blanks already
// turned into "0"): degrees, minutes and decimal minutes read as one number at most 90 (latitude)
// or 180 (longitude) degrees, minutes below 60, the hemisphere N or S (latitude), E or W
// (longitude). A part that is not a number fails.
bool IsSendablePosition(const std::string& text, int32_t mode);
