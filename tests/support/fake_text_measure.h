#pragma once

#include "overlay/cell_font.h"
#include "platform/text_measure.h"

// Text sizes a test can work out by hand: every byte is kCharWidth pixels wide and every line
// kLineHeight high, whatever the font.
class FakeTextMeasure : public cmcTextMeasure {
public:
    static constexpr int32_t kCharWidth = 7;
    static constexpr int32_t kLineHeight = 15;

    cmcTextSize Measure(const datCellFont&, std::string_view line) const override {
        return {static_cast<int32_t>(line.size()) * kCharWidth, kLineHeight};
    }
};
