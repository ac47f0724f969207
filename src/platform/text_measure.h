#pragma once

#include <cstdint>
#include <string_view>

struct datCellFont;

// The size of one line of text drawn in a font, in pixels.
struct cmcTextSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Measures text as the screen or the printer would draw it, so that sheets can fit their columns
// and rows to the captions. The GUI measures with its toolkit's font metrics; programs without a
// GUI and the tests use an estimate from the font's height.
class cmcTextMeasure {
public:
    virtual ~cmcTextMeasure() = default;
    // line holds no line break.
    virtual cmcTextSize Measure(const datCellFont& font, std::string_view line) const = 0;
};
