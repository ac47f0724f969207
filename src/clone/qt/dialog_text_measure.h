#pragma once

#include "platform/text_measure.h"

// Measures texts in the fonts the dialogs draw in (QtFontOf), so that a dialog's layout rules
// size its controls for what Qt will show.
class cuiDialogTextMeasure : public cmcTextMeasure {
public:
    cmcTextSize Measure(const datCellFont& font, std::string_view line) const override;
};
