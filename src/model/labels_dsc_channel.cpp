// The columns of the DSC channel sheet. Its rows are channels 1-28 and 60-88 with their two
// suffixed variants; the names are the banks' names of the same channels.

#include "base/event_manager.h"
#include "model/cell_call.h"
#include "model/cell_kinds.h"
#include "model/channel_record.h"
#include "model/engine_host.h"
#include "model/label_table.h"
#include "platform/string_format.h"

namespace {

constexpr int32_t kLastLowChannel = 28;
constexpr int32_t kHighChannelShift = 31;  // row after channel 28 is channel 60
constexpr int32_t kChannel16Row = 45;      // always available: the distress channel

bool IsInhibited(const clsCellCall& call) {
    return call.record.channelFlags & datCh::kInhibited;
}

void ChannelNumber(clsCellCall& call) {
    const int32_t n = call.index;
    int32_t channel = n / 3 + 1;
    if (channel > kLastLowChannel) channel += kHighChannelShift;
    call.text = StringPrintf("%d", channel + 1000 * (n % 3));
}

// Stores a choice on one channel flag.
void StoreFlag(clsCellCall& call, uint8_t flag, int32_t value) {
    datCh& record = call.record;
    record.channelFlags =
        static_cast<uint8_t>(value != 0 ? record.channelFlags | flag : record.channelFlags & ~flag);
    record.RefreshRecord();
}

void Attribute(clsCellCall& call) {
    if (call.index == kChannel16Row) {
        FixedCell(call, "Appear");
        return;
    }
    int32_t value = IsInhibited(call) ? 1 : 0;
    if (ChoiceCell(call, "GI_Sheet_Sel_DscChAtr", value)) {
        StoreFlag(call, datCh::kInhibited, value);
        call.host.Events().Post(cmcEvCode::RepaintLabel, 0, CL_DSC_ChAtr);
        call.repaint |= clsRepaint::kSheet;
    }
}

void FlagChoice(clsCellCall& call, const char* listKey, uint8_t flag) {
    if (IsInhibited(call)) {
        FixedCell(call, "---");
        return;
    }
    int32_t value = (call.record.channelFlags & flag) ? 1 : 0;
    if (ChoiceCell(call, listKey, value)) StoreFlag(call, flag, value);
}

void TxInhibit(clsCellCall& call) {
    FlagChoice(call, "GI_Sheet_Sel_ChTxInh", datCh::kTxInhibit);
}
void Power(clsCellCall& call) {
    FlagChoice(call, "GI_Sheet_Sel_ChPoc", datCh::kPower);
}

void Simplex(clsCellCall& call) {
    if (call.index % 3 != 0) {
        FixedCell(call, "---");
        return;
    }
    FlagChoice(call, "GI_Sheet_Sel_ChSimp", datCh::kSimplex);
}

void Comment(clsCellCall& call) {
    if (IsInhibited(call)) {
        FixedCell(call, "   ");
        return;
    }
    ChannelNameCell(call);
}

constexpr clsLabelEntry kLabels[] = {
    {CL_DSC_ChNo, ChannelNumber}, {CL_DSC_ChAtr, Attribute}, {CL_DSC_TxInh, TxInhibit},
    {CL_DSC_Poc, Power},          {CL_DSC_ChSimp, Simplex},  {CL_DSC_Comment, Comment},
};

}  // namespace

std::span<const clsLabelEntry> DscChannelLabels() {
    return kLabels;
}
