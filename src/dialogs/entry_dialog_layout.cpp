#include "dialogs/entry_dialog_layout.h"

namespace {

constexpr int32_t kBevel = 2;   // the raised frame around everything
constexpr int32_t kBorder = 5;  // around the edit and around the buttons
constexpr int32_t kButtonGap = 5;

}  // namespace

clsEntryDialogLayout LayOutEntryDialog(cmcTextSize buttonSample, int32_t editHeight) {
    const int32_t buttonWidth = buttonSample.width;
    const int32_t buttonHeight = 2 * buttonSample.height;
    const int32_t inset = kBevel + kBorder;
    clsEntryDialogLayout layout;
    layout.edit = {inset, inset, 2 * buttonWidth + kButtonGap, editHeight};
    const int32_t buttonTop = inset + editHeight + 2 * kBorder;
    layout.ok = {inset, buttonTop, buttonWidth, buttonHeight};
    layout.cancel = {inset + buttonWidth + kButtonGap, buttonTop, buttonWidth, buttonHeight};
    layout.width = layout.edit.width + 2 * inset;
    layout.height = buttonTop + buttonHeight + inset;
    return layout;
}
