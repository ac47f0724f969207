#include "dialogs/dialog_texts.h"

#include "overlay/cell_obj.h"
#include "overlay/gtex.h"

namespace {

constexpr const char* kCaptionKey = "GI_Sys_AppTitle";
constexpr const char* kButtonsKey = "GI_AppInd_Button_OkCancel";  // line 0 OK, line 1 Cancel
constexpr const char* kButtonSampleKey = "GI_AppInd_Opt_ComSel_SizeOfButtons";
constexpr const char* kDialogCellKey = "CellModel_BasicDialog";  // its font fields

}  // namespace

clsDialogTexts ReadDialogTexts(cmcGTex& store) {
    clsDialogTexts texts;
    texts.caption = store.GetFirstLine(kCaptionKey);
    texts.ok = store.GetLine(kButtonsKey, 0);
    texts.cancel = store.GetLine(kButtonsKey, 1);
    texts.buttonSample = store.GetFirstLine(kButtonSampleKey);
    cmcCellObj dialogCell;
    dialogCell.ParseCell(store.GetFirstLine(kDialogCellKey), nullptr, nullptr);
    if (dialogCell.GetFont()) texts.font = *dialogCell.GetFont();
    return texts;
}
