#include "dialogs/bits_dialog_layout.h"

#include <algorithm>

namespace {

constexpr int32_t kBevel = 2;          // the raised bevel around everything
constexpr int32_t kPanelBorder = 5;    // inside the sheet panel and the button panel
constexpr int32_t kButtonSpacing = 8;  // between OK and Cancel

}  // namespace

clsBitsDialogLayout LayOutBitsDialog(int32_t sheetWidth, int32_t sheetHeight, cmcTextSize button) {
    clsBitsDialogLayout layout;
    const int32_t inner = std::max(sheetWidth + 2 * kPanelBorder,
                                   2 * button.width + 2 * kPanelBorder + kButtonSpacing);
    layout.width = inner + 2 * kBevel;
    layout.sheet = {kBevel + kPanelBorder, kBevel + kPanelBorder, sheetWidth, sheetHeight};
    const int32_t buttonTop = kBevel + sheetHeight + 3 * kPanelBorder;
    layout.cancel = {layout.width - kBevel - kPanelBorder - button.width, buttonTop, button.width,
                     button.height};
    layout.ok = {layout.cancel.left - kButtonSpacing - button.width, buttonTop, button.width,
                 button.height};
    layout.height = buttonTop + button.height + kPanelBorder + kBevel;
    return layout;
}
