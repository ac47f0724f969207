#pragma once

#include <cstdint>

#include "dialogs/entry_dialog_layout.h"

// The basic cell dialog's client area: the whole sheet, without scroll bars, in a framed panel at
// the top (an 8-pixel border between a raised and a lowered 2-pixel bevel), and under it one
// button 5 pixels from the right and bottom edges. A sheet narrower than the button widens the
// dialog to the button.
struct clsSheetDialogLayout {
    clsBox panel;
    clsBox sheet;
    clsBox button;
    int32_t width = 0;
    int32_t height = 0;
};

// button: the button's width and height.
clsSheetDialogLayout LayOutSheetDialog(int32_t sheetWidth, int32_t sheetHeight, cmcTextSize button);
