#include "dialogs/sheet_dialog_layout.h"

#include <algorithm>

namespace {

constexpr int32_t kBevel = 2;        // each of the two bevels
constexpr int32_t kPanelBorder = 8;  // between them
constexpr int32_t kPanelInset = 2 * kBevel + kPanelBorder;
constexpr int32_t kButtonMargin = 5;  // from the right and bottom edges

}  // namespace

clsSheetDialogLayout LayOutSheetDialog(int32_t sheetWidth, int32_t sheetHeight,
                                       cmcTextSize button) {
    clsSheetDialogLayout layout;
    // The panel spans the dialog's width, which a sheet narrower than the button widens.
    layout.width = std::max(sheetWidth + 2 * kPanelInset, button.width + 2 * kButtonMargin);
    layout.panel = {0, 0, layout.width, sheetHeight + 2 * kPanelInset};
    layout.sheet = {kPanelInset, kPanelInset, sheetWidth, sheetHeight};
    layout.height = layout.panel.height + button.height + 2 * kButtonMargin;
    layout.button = {layout.width - kButtonMargin - button.width,
                     layout.height - kButtonMargin - button.height, button.width, button.height};
    return layout;
}
