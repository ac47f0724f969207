#pragma once

#include <cstdint>

#include "dialogs/entry_dialog_layout.h"

// The bit-field dialog's client area inside its raised 2-pixel bevel: the whole sheet in a panel
// with a 5-pixel border, and under it a panel with the same border holding Cancel at its right
// and OK 8 pixels left of Cancel. A sheet narrower than the two buttons widens the dialog.
struct clsBitsDialogLayout {
    clsBox sheet;
    clsBox ok;
    clsBox cancel;
    int32_t width = 0;
    int32_t height = 0;
};

// button: the size of each button.
clsBitsDialogLayout LayOutBitsDialog(int32_t sheetWidth, int32_t sheetHeight, cmcTextSize button);
