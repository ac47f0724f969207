#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Waypoint positions: signed units of 1/10000 minute of arc (degrees x 600000 + minutes x 10000 +
// fraction). Latitude is positive north; longitude positive east, and 0 counts as west.
enum class clsAxis { Latitude, Longitude };

constexpr uint8_t kDegreeSign = 0xB0;

// The cell text: "12°34.5678'N" for a latitude, "123°45.6789'E" for a longitude.
std::string FormatPosition(int32_t value, clsAxis axis);

// The text handed to the position dialog: the same layout, with a leading blank for a latitude so
// that both axes put degrees, minutes, fraction and hemisphere in the same columns.
std::string PositionDialogText(int32_t value, clsAxis axis);

// Reads a dialog result (degrees in columns 1-3, minutes 5-6, fraction 8-11, hemisphere 13);
// nullopt when the text is too short to hold them.
std::optional<int32_t> ParsePositionDialogText(const std::string& text, clsAxis axis);
