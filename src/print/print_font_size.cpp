#include "print/print_font_size.h"

#include <algorithm>

int32_t PrintFontSizeItem(int32_t points) {
    return std::clamp(points, kMinPrintFontSize, kMaxPrintFontSize) - kMinPrintFontSize;
}

int32_t PrintFontSizeOfItem(int32_t item) {
    return std::clamp(item, 0, kPrintFontSizeItems - 1) + kMinPrintFontSize;
}
