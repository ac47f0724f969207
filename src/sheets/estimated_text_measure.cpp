#include "sheets/estimated_text_measure.h"

#include <algorithm>
#include <cstdlib>

#include "overlay/cell_font.h"

cmcTextSize cmcEstimatedTextMeasure::Measure(const datCellFont& font, std::string_view line) const {
    const int32_t pixels = std::max(std::abs(font.height), 1);
    cmcTextSize size;
    size.width = static_cast<int32_t>(line.size()) * ((pixels + 1) / 2);
    size.height = pixels + (pixels + 3) / 4;
    return size;
}
