// The columns of the DSC individual ID sheet: the ID book of stations the radio can call.

#include <cstring>

#include "base/event_manager.h"
#include "model/cell_call.h"
#include "model/cell_kinds.h"
#include "model/channel_record.h"
#include "model/engine_host.h"
#include "model/id_codec.h"
#include "model/label_table.h"

namespace {

constexpr int32_t kDscIds = 0x22E0;
constexpr int32_t kDscIdSize = 16;
constexpr int32_t kMmsiDigits = 9;

// Whether a used record before this one holds the same identity.
bool IsDuplicate(clsCellCall& call) {
    const cmcEeprom& image = call.host.WorkingImage();
    for (int32_t row = 0; row < call.index && row < kDscIdRows; ++row) {
        uint8_t other[kIdBytes];
        image.ReadBlock(kDscIds + kDscIdSize * row, other, kIdBytes);
        if (!IsIdEmpty(other) && std::memcmp(other, call.record.id, kIdBytes) == 0) return true;
    }
    return false;
}

void Id(clsCellCall& call) {
    datCh& record = call.record;
    if (IdCell(call, record.id, kMmsiDigits)) {
        if (IsIdEmpty(record.id)) {
            record.recordFlags &= static_cast<uint8_t>(~datCh::kInUse);
        } else {
            record.recordFlags |= datCh::kInUse;
        }
        record.RefreshRecord();
        call.host.Events().Post(cmcEvCode::RepaintLabel, 0, CL_DscIndId_Id);
        call.repaint |= clsRepaint::kSheet;
    }
    if (record.IsInUse() && IsDuplicate(call)) call.state |= clsCellState::kWarning;
}

void AddressType(clsCellCall& call) {
    datCh& record = call.record;
    if (record.derived & datCh::kTypeFromId) {
        ChoiceTextCell(call, "GI_Sheet_Sel_Misc_Dsc_AdrType", record.addressType);
        return;
    }
    if (ChoiceCell(call, "GI_Sheet_Sel_Misc_Dsc_AdrType", record.addressType)) {
        record.RefreshRecord();
    }
}

void Comment(clsCellCall& call) {
    ChannelNameCell(call);
    // A station without a name cannot be told apart in the radio's call menu.
    if (call.text.empty()) call.state |= clsCellState::kError;
}

constexpr clsLabelEntry kLabels[] = {
    {CL_DscIndId_Id, Id},
    {CL_DscIndId_Atr, AddressType},
    {CL_DscIndId_Comment, Comment},
};

}  // namespace

std::span<const clsLabelEntry> DscIdLabels() {
    return kLabels;
}

bool DscIdGate(clsCellCall& call) {
    if (call.record.IsInUse() || call.label == CL_DscIndId_Id) return true;
    if (call.code > clsKey::kLastPlainCode && call.code != clsKey::kF2) return true;
    // An empty row has nothing but its ID: every key goes to the ID cell of the row.
    call.text.clear();
    call.moveLabel = CL_DscIndId_Id;
    call.moveRequest = 1;
    call.repeatCode = call.code;
    return false;
}
