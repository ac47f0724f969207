// The check cells of the page tree and the sheet headers: each scans the cells its page holds
// and carries a mark when one of them does, so that a problem shows before a clone write.

#include "model/cell_call.h"
#include "model/cell_engine.h"
#include "model/label_table.h"
#include "model/record_group.h"

namespace {

constexpr int32_t kDscCallCategories = 59;
constexpr int32_t kSoftKeys = 20;

// Scans cells index 0..count-1 of one binding; true at the first that has one of the marks.
bool AnyMarked(clsCellCall& call, int32_t category, int32_t label, int32_t count, uint8_t marks) {
    for (int32_t i = 0; i < count; ++i) {
        if (QueryCellMarks(call.host, category, label, i) & marks) return true;
    }
    return false;
}

void MarkErrorWhen(clsCellCall& call, bool found) {
    call.text = call.caption;
    if (found) call.state |= clsCellState::kError;
}

void IntBank(clsCellCall& call) {
    MarkErrorWhen(call, AnyMarked(call, CT_IntCh, CL_ChList_Atr, kBankRows, clsCellState::kError));
}
void UsaBank(clsCellCall& call) {
    MarkErrorWhen(call, AnyMarked(call, CT_UsaCh, CL_ChList_Atr, kBankRows, clsCellState::kError));
}
void CanBank(clsCellCall& call) {
    MarkErrorWhen(call, AnyMarked(call, CT_CanCh, CL_ChList_Atr, kBankRows, clsCellState::kError));
}
void Weather(clsCellCall& call) {
    MarkErrorWhen(call, AnyMarked(call, CT_WxCh, CL_WX_ChAtr, kWeatherRows, clsCellState::kError));
}

void SelfId(clsCellCall& call) {
    MarkErrorWhen(call,
                  QueryCellMarks(call.host, CT_Null, CL_ComDsc_SelfId, 0) & clsCellState::kError);
}

void DscCalls(clsCellCall& call) {
    bool found = false;
    for (int32_t k = 0; k < kDscCallCategories && !found; ++k) {
        found = (QueryCellMarks(call.host, CT_Null, CL_DscCall_Alarm_Min, k) |
                 QueryCellMarks(call.host, CT_Null, CL_DscCall_Alarm_Max, k)) &
                clsCellState::kError;
    }
    found =
        found ||
        (QueryCellMarks(call.host, CT_Null, CL_DscCall_Tx_EPIRB_Ind, 0) & clsCellState::kError) ||
        (QueryCellMarks(call.host, CT_Null, CL_DscCall_Tx_EPIRB_All, 0) & clsCellState::kError);
    MarkErrorWhen(call, found);
}

void DscIds(clsCellCall& call) {
    MarkErrorWhen(
        call, AnyMarked(call, CT_DscIndId, CL_DscIndId_Comment, kDscIdRows, clsCellState::kError));
    if (AnyMarked(call, CT_DscIndId, CL_DscIndId_Id, kDscIdRows, clsCellState::kWarning)) {
        call.state |= clsCellState::kWarning;
    }
}

void SoftKeys(clsCellCall& call) {
    MarkErrorWhen(call, AnyMarked(call, CT_Null, CL_ComConf_KeyAssign_SoftKey, kSoftKeys,
                                  clsCellState::kError));
}

constexpr clsLabelEntry kLabels[] = {
    {CL_Check_Int_ChInh, IntBank}, {CL_Check_Usa_ChInh, UsaBank},     {CL_Check_Can_ChInh, CanBank},
    {CL_Check_WX_ChInh, Weather},  {CL_Check_Dsc_SelfId, SelfId},     {CL_Check_Dsc_Call, DscCalls},
    {CL_Check_Dsc_Id, DscIds},     {CL_Check_Conf_Softkey, SoftKeys},
};

}  // namespace

std::span<const clsLabelEntry> CheckLabels() {
    return kLabels;
}
