#include "model/cell_engine.h"

#include "model/channel_record.h"
#include "model/engine_host.h"
#include "model/engine_status.h"
#include "model/label_table.h"
#include "model/row_operations.h"
#include "overlay/cell_registry.h"
#include "platform/string_format.h"

namespace {

bool IsRowCommand(int32_t argument) {
    return argument >= CL_PMenu_Copy && argument <= CL_PMenu_Insert;
}

// Runs a popup command that arrived as the request argument; false when the label is not to run.
bool RunPopupCommand(clsCellCall& call) {
    if (call.argument == CL_PMenu_Edit) {
        call.code = clsKey::kEnter;
        call.argument = 0;
        return true;
    }
    if (IsRowCommand(call.argument)) {
        RunRowOperation(call);
        call.code = clsKey::kNone;
        return false;
    }
    if (call.argument == CL_PMenu_Help) {
        call.host.RunCommand(clsHostCommand::ContextHelp, call.label,
                             call.host.Text("GI_Sys_MyHelpFile"));
    }
    return true;
}

// The checks of step 5: what a category decides before its label runs.
bool PassesCategoryChecks(clsCellCall& call) {
    switch (call.category) {
        case CT_PopupMenu:
            // Popup items judge the row they were opened on.
            if (call.hasOwner)
                call.record.LoadRecord(GroupOfCategory(call.ownerCategory), call.ownerIndex);
            return true;
        case CT_IntCh:
        case CT_UsaCh:
        case CT_CanCh:
            return ChannelBankGate(call);
        case CT_DscIndId:
            return DscIdGate(call);
        default:
            return true;
    }
}

void RunLabel(clsCellCall& call) {
    if (const clsLabelHandler handler = FindLabelHandler(call.label)) {
        handler(call);
    } else if (call.label != CL_Null && call.label != CL_Free_Byte_Hex) {
        call.text = StringPrintf("%d *Yet*", call.label);
    }
}

}  // namespace

clsRecordGroup GroupOfCategory(int32_t category) {
    // A category's channel list is its record group.
    return static_cast<clsRecordGroup>(ListNumberOf(category));
}

clsCellResult EvaluateCall(clsCellCall& call) {
    const clsRecordGroup group = GroupOfCategory(call.category);
    const bool request = call.HasKey() || call.mode != clsMode::kOrdinary || call.argument != 0;
    if (call.HasKey()) ClearStatus(call.host);

    call.text.clear();
    call.state &= static_cast<uint8_t>(~(clsCellState::kWarning | clsCellState::kError));
    call.record.image = &call.host.WorkingImage();
    if (group != clsRecordGroup::None) call.record.LoadRecord(group, call.index);
    call.moveCategory = call.category;
    call.moveLabel = call.label;
    call.moveIndex = call.index;
    if (call.code == clsKey::kDoubleClick) call.code = clsKey::kEnter;

    if (RunPopupCommand(call) && PassesCategoryChecks(call)) RunLabel(call);

    if (group != clsRecordGroup::None) call.repaint |= clsRepaint::kRecord;
    if (request) call.host.RefreshAfterEdit();
    if (call.editRefused) ShowStatusLater(call.host, "GI_Botttom_EditRestrected");
    return call.result;
}

uint8_t QueryCellMarks(cmcEngineHost& host, int32_t category, int32_t label, int32_t index) {
    datCh record(&host.WorkingImage());
    clsCellCall call(host, record);
    call.category = category;
    call.label = label;
    call.index = index;
    EvaluateCall(call);
    return call.state & (clsCellState::kWarning | clsCellState::kError);
}
