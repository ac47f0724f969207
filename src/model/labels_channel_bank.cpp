// The columns of the International, USA and Canada channel sheets. Every change is written back at
// once, so that the shared name table and the free channels stay in step with the other banks.

#include <string>

#include "base/event_manager.h"
#include "base/settings.h"
#include "model/cell_call.h"
#include "model/cell_kinds.h"
#include "model/channel_record.h"
#include "model/engine_host.h"
#include "model/label_table.h"
#include "model/text_codec.h"
#include "platform/string_format.h"

namespace {

// The channel display mode per band: 1 shows 22A, otherwise 1022.
constexpr int32_t kDisplayModeUsa = 0x0B10;
constexpr int32_t kDisplayModeInt = 0x0B11;
constexpr int32_t kDisplayModeCan = 0x0B12;
constexpr uint8_t kSuffixDisplay = 1;

// Entries of the attribute list.
constexpr int32_t kMakePriority = 1;
constexpr int32_t kMakeCall = 2;
constexpr int32_t kToggleInhibit = 3;
constexpr int32_t kToggleUsableView = 4;

int32_t DisplayModeAddress(int32_t category) {
    switch (category) {
        case CT_UsaCh:
            return kDisplayModeUsa;
        case CT_IntCh:
            return kDisplayModeInt;
        default:
            return kDisplayModeCan;
    }
}

bool UsableOnlyView(clsCellCall& call) {
    return call.host.Settings().chListType != 0;
}

bool IsInhibited(const clsCellCall& call) {
    return call.record.channelFlags & datCh::kInhibited;
}

void ChannelNumber(clsCellCall& call) {
    const int32_t n = call.index;
    if (n >= kFirstFreeBankRow) {
        uint8_t name[kFreeChannelNameLength];
        for (int32_t i = 0; i < kFreeChannelNameLength; ++i) {
            name[i] = call.record.freeName[i] >= 0x20 && call.record.freeName[i] <= 0x7E
                          ? call.record.freeName[i]
                          : ' ';
        }
        call.text = std::string(name, name + kFreeChannelNameLength) + " ";
    } else if (call.host.WorkingImage().GetByte(DisplayModeAddress(call.category)) ==
               kSuffixDisplay) {
        static const char* const kSuffixes[] = {"  ", "A", "B"};
        call.text = StringPrintf("%d%s", n / 3, kSuffixes[n % 3]);
    } else {
        call.text = StringPrintf("%d", n / 3 + 1000 * (n % 3));
    }
}

void Attribute(clsCellCall& call) {
    datCh& record = call.record;
    const std::string listKey =
        UsableOnlyView(call) ? "GI_Sheet_Sel_ChATRUse" : "GI_Sheet_Sel_ChATRAll";
    bool changed = false;
    bool rebuild = false;
    if (call.hasOwner && call.mode == clsMode::kCommitted && call.ownerLabel == 1) {
        switch (call.ownerIndex) {
            case kMakePriority:
            case kMakeCall:
                record.markers |=
                    call.ownerIndex == kMakePriority ? datCh::kMarkerP : datCh::kMarkerC;
                record.channelFlags &= static_cast<uint8_t>(~datCh::kInhibited);
                changed = true;
                rebuild = true;
                break;
            case kToggleInhibit:
                record.channelFlags ^= datCh::kInhibited;
                changed = true;
                break;
            case kToggleUsableView:
                call.host.Events().Post(cmcEvCode::ChannelNumbering, 1, 0);
                call.repaint |= clsRepaint::kSheet;
                break;
            default:
                break;
        }
    }
    if (call.hasGrid) {
        if (call.code == clsKey::kEnter) {
            call.host.OpenSelectionList(call, listKey, 1, 0);
            call.result = clsCellResult::Consumed;
        } else if ((call.code == clsKey::kSpace || call.code == clsKey::kBackspace) &&
                   !UsableOnlyView(call)) {
            record.channelFlags ^= datCh::kInhibited;
            changed = true;
            call.result = clsCellResult::Consumed;
        }
    }
    if (changed) {
        record.RefreshRecord();
        call.repaint |= clsRepaint::kSheet;
    }
    // The P and C channels moved: the controller rebuilds the sheet around the cursor.
    if (rebuild) call.host.Events().Post(cmcEvCode::ChannelNumbering, 0, 0);
    const bool p = record.markers & datCh::kMarkerP;
    const bool c = record.markers & datCh::kMarkerC;
    call.text = std::string(p ? "P" : "") + (c ? "C" : "");
    if (IsInhibited(call) && (p || c)) call.state |= clsCellState::kError;
}

void FlagChoice(clsCellCall& call, const char* listKey, uint8_t flag) {
    datCh& record = call.record;
    int32_t value = (record.channelFlags & flag) ? 1 : 0;
    if (ChoiceCell(call, listKey, value, 1)) {
        record.channelFlags = static_cast<uint8_t>(value != 0 ? record.channelFlags | flag
                                                              : record.channelFlags & ~flag);
        record.RefreshRecord();
    }
}

void Tag(clsCellCall& call) {
    FlagChoice(call, "GI_Sheet_Sel_ChTag", datCh::kTag);
}
void TxInhibit(clsCellCall& call) {
    FlagChoice(call, "GI_Sheet_Sel_ChTxInh", datCh::kTxInhibit);
}
void Power(clsCellCall& call) {
    FlagChoice(call, "GI_Sheet_Sel_ChPoc", datCh::kPower);
}

void Simplex(clsCellCall& call) {
    // A free channel's simplex follows its frequencies: shown, not chosen.
    if (call.index >= kFirstFreeBankRow) {
        ChoiceTextCell(call, "GI_Sheet_Sel_ChSimp",
                       (call.record.channelFlags & datCh::kSimplex) ? 1 : 0);
        return;
    }
    FlagChoice(call, "GI_Sheet_Sel_ChSimp", datCh::kSimplex);
}

constexpr clsLabelEntry kLabels[] = {
    {CL_ChList_No, ChannelNumber},        {CL_ChList_Atr, Attribute}, {CL_ChList_Tag, Tag},
    {CL_ChList_TxInh, TxInhibit},         {CL_ChList_Poc, Power},     {CL_ChList_Simp, Simplex},
    {CL_ChList_Comment, ChannelNameCell},
};

}  // namespace

std::span<const clsLabelEntry> ChannelBankLabels() {
    return kLabels;
}

bool ChannelBankGate(clsCellCall& call) {
    const bool numberOrAttribute = call.label == CL_ChList_No || call.label == CL_ChList_Atr;
    if (IsInhibited(call) && !numberOrAttribute) {
        // An unavailable channel's comment cannot be edited; the status bar says so.
        if (call.label == CL_ChList_Comment && call.code == clsKey::kF2) {
            call.code = clsKey::kNone;
            call.editRefused = true;
        }
        if (call.code <= clsKey::kLastPlainCode) {
            FixedCell(call, "---");
            return false;
        }
    }
    if (call.label == CL_ChList_Simp && IsSuffixedBankRow(call.index)) {
        FixedCell(call, "---");
        return false;
    }
    return true;
}
