#pragma once

#include <cstdint>

#include "platform/text_measure.h"

// A control's place and size inside its window, in pixels.
struct clsBox {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const clsBox&) const = default;
};

// The masked entry dialog's controls: the edit above OK and Cancel, inside a raised frame.
struct clsEntryDialogLayout {
    clsBox edit;
    clsBox ok;
    clsBox cancel;
    int32_t width = 0;  // the window's client area
    int32_t height = 0;
};

// Each button is as wide as the overlay's button sample text and twice the text's height, Cancel
// 5 pixels right of OK; the edit is as wide as the two buttons and as high as its font needs.
clsEntryDialogLayout LayOutEntryDialog(cmcTextSize buttonSample, int32_t editHeight);
