// The columns of the free (user) channel sheet.

#include "model/cell_call.h"
#include "model/cell_kinds.h"
#include "model/channel_record.h"
#include "model/label_table.h"
#include "model/text_codec.h"

namespace {

constexpr int32_t kEditedNameLength = 4;

void ReceiveFrequency(clsCellCall& call) {
    if (FrequencyCell(call, call.record, false, true)) call.record.RefreshRecord();
}

void TransmitFrequency(clsCellCall& call) {
    if (FrequencyCell(call, call.record, true, false)) call.record.RefreshRecord();
}

void Name(clsCellCall& call) {
    datCh& record = call.record;
    if (TextCell(call, record.freeName, kEditedNameLength)) {
        NormaliseFreeChannelName(record.freeName);
        record.RefreshRecord();
        call.text = TextOfBuffer(record.freeName, kFreeChannelNameLength);
    }
}

constexpr clsLabelEntry kLabels[] = {
    {CL_Fch_FreqR, ReceiveFrequency},
    {CL_Fch_FreqT, TransmitFrequency},
    {CL_Fch_ChName, Name},
};

}  // namespace

std::span<const clsLabelEntry> FreeChannelLabels() {
    return kLabels;
}
