// Cells that belong to no record: captions, row numbers, separators, popup items that carry a
// mark, and the raw byte cell.

#include "base/settings.h"
#include "model/cell_call.h"
#include "model/cell_kinds.h"
#include "model/eeprom.h"
#include "model/engine_host.h"
#include "model/label_table.h"
#include "model/soft_key_rule.h"
#include "platform/string_format.h"

namespace {

constexpr int32_t kEpirbIndividual = 0x2105;
constexpr int32_t kEpirbAllShips = 0x2113;
constexpr int32_t kEpirbItem = 1;

void Caption(clsCellCall& call) {
    call.text = call.caption;
}

void MarkedItem(clsCellCall& call) {
    call.text = call.caption;
    if (!call.hasOwner) return;
    const cmcEeprom& image = call.host.WorkingImage();
    bool refused = false;
    if (call.ownerLabel == CL_ComConf_KeyAssign_SoftKey) {
        refused = IsSoftKeyRefused(image, call.host.Settings().modelType, call.index);
    } else if (call.ownerLabel == CL_DscCall_Tx_EPIRB_Ind) {
        refused = call.index == kEpirbItem && image.GetByte(kEpirbIndividual) == 0;
    } else if (call.ownerLabel == CL_DscCall_Tx_EPIRB_All) {
        refused = call.index == kEpirbItem && image.GetByte(kEpirbAllShips) == 0;
    }
    if (refused) {
        call.state |= clsCellState::kError;
        call.markPosition = kMarkAfterText;
    }
}

void ZeroBasedNumber(clsCellCall& call) {
    call.text = StringPrintf("%d", call.index);
}
void OneBasedNumber(clsCellCall& call) {
    call.text = StringPrintf("%d", call.index + 1);
}

void QuarterPillar(clsCellCall& call) {
    if (call.painting) call.decoration = clsCellDecoration::QuarterPillar;
}

void CannotEdit(clsCellCall& call) {
    FixedCell(call, call.caption);
    if (call.painting) call.decoration = clsCellDecoration::Diagonal;
}

void Dummy(clsCellCall& call) {
    FixedCell(call, call.caption);
}

void ByteDecimal(clsCellCall& call) {
    cmcEeprom& image = call.host.WorkingImage();
    if (!image.IsValidAddress(call.index)) return;
    int32_t value = image.GetByte(call.index);
    if (NumberCell(call, value, {{0, 255}})) {
        image.SetByte(call.index, static_cast<uint8_t>(value & 0xFF));
    }
}

void OpenSheetOnEnter(clsCellCall& call) {
    call.text = call.caption;
    if (call.code == clsKey::kEnter) {
        call.host.RunCommand(clsHostCommand::OpenSheet, 0, call.suffix);
        call.result = clsCellResult::Consumed;
    }
}

constexpr clsLabelEntry kLabels[] = {
    {Flex0, Caption},
    {CL_FlexMarking, MarkedItem},
    {CL_Misc_ChNo_0Base, ZeroBasedNumber},
    {CL_Misc_ChNo_1Base, OneBasedNumber},
    {CL_Misc_QuarterPillar, QuarterPillar},
    {CL_CannotEdit, CannotEdit},
    {CL_Dummy, Dummy},
    {CL_Free_Byte_Dec, ByteDecimal},
    {CallSheet, OpenSheetOnEnter},
};

}  // namespace

std::span<const clsLabelEntry> MiscLabels() {
    return kLabels;
}
