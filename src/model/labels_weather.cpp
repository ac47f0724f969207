// The columns of the weather channel sheet.

#include "base/event_manager.h"
#include "model/cell_call.h"
#include "model/cell_kinds.h"
#include "model/channel_record.h"
#include "model/engine_host.h"
#include "model/label_table.h"
#include "model/text_codec.h"

namespace {

constexpr int32_t kInhibitWord = 0x0B90;
constexpr int32_t kAllInhibited = (1 << kWeatherRows) - 1;

bool AllInhibited(clsCellCall& call) {
    const cmcEeprom& image = call.host.WorkingImage();
    const int32_t word = image.GetByte(kInhibitWord) | image.GetByte(kInhibitWord + 1) << 8;
    return (word & kAllInhibited) == kAllInhibited;
}

void Attribute(clsCellCall& call) {
    datCh& record = call.record;
    int32_t value = (record.channelFlags & datCh::kInhibited) ? 1 : 0;
    if (ChoiceCell(call, "GI_Sheet_Sel_WxChAtr", value)) {
        record.channelFlags =
            static_cast<uint8_t>(value != 0 ? record.channelFlags | datCh::kInhibited
                                            : record.channelFlags & ~datCh::kInhibited);
        record.RefreshRecord();
        call.host.Events().Post(cmcEvCode::RepaintLabel, 0, CL_WX_ChAtr);
        call.repaint |= clsRepaint::kSheet;
    }
    // A radio without a single weather channel cannot receive weather alerts.
    if (AllInhibited(call)) call.state |= clsCellState::kError;
}

void Comment(clsCellCall& call) {
    datCh& record = call.record;
    if (record.channelFlags & datCh::kInhibited) {
        FixedCell(call, "---");
        return;
    }
    if (TextCell(call, record.name, kChannelNameLength)) {
        NormaliseChannelName(record.name, kChannelNameLength);
        record.RefreshRecord();
        call.text = TextOfBuffer(record.name, kChannelNameLength);
    }
}

constexpr clsLabelEntry kLabels[] = {{CL_WX_ChAtr, Attribute}, {CL_WX_ChComment, Comment}};

}  // namespace

std::span<const clsLabelEntry> WeatherLabels() {
    return kLabels;
}
