#pragma once

#include <cstdint>

// The print font size, 8 to 12 points, as the Setting dialog lists it: items "1" to "5".
constexpr int32_t kMinPrintFontSize = 8;
constexpr int32_t kMaxPrintFontSize = 12;
constexpr int32_t kPrintFontSizeItems = kMaxPrintFontSize - kMinPrintFontSize + 1;

// The item (0-based) that shows a font size; a size out of range shows its nearest.
int32_t PrintFontSizeItem(int32_t points);
// The font size an item chooses; an item out of range chooses its nearest.
int32_t PrintFontSizeOfItem(int32_t item);
