#pragma once

#include "platform/text_measure.h"

// Text sizes estimated from the font's pixel height, for sheets built without a window (the
// command line lists texts and needs no exact widths): an average character is half as wide as
// the font is high, a line a quarter higher than the font.
class cmcEstimatedTextMeasure : public cmcTextMeasure {
public:
    cmcTextSize Measure(const datCellFont& font, std::string_view line) const override;
};
