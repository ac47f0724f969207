// The states of the row popup menu's items. The commands themselves arrive as the request
// argument of the row's own cell (row_operations.cpp).

#include "model/cell_call.h"
#include "model/cell_engine.h"
#include "model/channel_clipboard.h"
#include "model/engine_host.h"
#include "model/label_table.h"
#include "model/row_operations.h"

namespace {

clsRecordGroup RowGroup(const clsCellCall& call) {
    return call.hasOwner ? GroupOfCategory(call.ownerCategory) : clsRecordGroup::None;
}

void NoItem(clsCellCall& call) {
    call.itemState |= clsItemState::kDisabled;
}

void Paste(clsCellCall& call) {
    if (!call.host.Clipboard().CanPaste(RowGroup(call))) call.itemState |= clsItemState::kDisabled;
}

void Clear(clsCellCall& call) {
    if (!RowRangeOf(RowGroup(call)).mayClear) call.itemState |= clsItemState::kDisabled;
}

// Moving, deleting and inserting rows come by other ways than the popup.
void AlwaysDisabled(clsCellCall& call) {
    call.itemState |= clsItemState::kDisabled;
}

constexpr clsLabelEntry kLabels[] = {
    {CL_PMenu_NoItem, NoItem},
    {CL_PMenu_Paste, Paste},
    {CL_PMenu_Clear, Clear},
    {CL_PMenu_CarryUp, AlwaysDisabled},
    {CL_PMenu_CarryDown, AlwaysDisabled},
    {CL_PMenu_Delete, AlwaysDisabled},
    {CL_PMenu_Insert, AlwaysDisabled},
};

}  // namespace

std::span<const clsLabelEntry> PopupLabels() {
    return kLabels;
}
