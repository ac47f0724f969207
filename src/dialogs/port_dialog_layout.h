#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/entry_dialog_layout.h"
#include "overlay/cell_font.h"
#include "platform/text_measure.h"

// The port dialog's modes: a typed number, an editable list of port numbers, or a list of the
// ports' descriptions.
enum class clsPortDialogMode : int32_t { Number = 0, NumberList = 1, DescriptionList = 2 };

// The overlay texts the dialog's size depends on.
struct datPortDialogTexts {
    std::string caption;
    std::vector<std::string> notice;  // one entry a line
    std::string okText;
    std::string buttonSample;  // the buttons are as wide as this text
};

// The controls of the port dialog inside its client area. The number edit and the list box share
// one place; the mode shows one of them.
struct clsPortDialogLayout {
    int32_t margin = 0;  // the height of "W"
    clsBox notice;
    clsBox edit;
    clsBox list;
    clsBox ok;
    clsBox cancel;
    int32_t width = 0;
    int32_t height = 0;
};

// Every measure comes from the dialog's font, so that the dialog fits its texts in any font:
// the notice at the top left, the port box half a margin below it and indented by "WW", the
// buttons four box heights below the box's top and aligned right, the window never smaller than
// 100 x 100 and wide enough for its caption.
clsPortDialogLayout LayOutPortDialog(const cmcTextMeasure& measure, const datCellFont& font,
                                     const datPortDialogTexts& texts, clsPortDialogMode mode,
                                     int32_t scrollBarWidth);

// The width of the list box's dropped list: the widest item plus "WW" (and a scroll bar when not
// every item shows at once), or the box's own width when that is wider.
int32_t DroppedListWidth(const cmcTextMeasure& measure, const datCellFont& font,
                         const std::vector<std::string>& items, int32_t boxWidth,
                         int32_t visibleItems, int32_t scrollBarWidth);
