// The columns of the waypoint sheet.

#include "model/cell_call.h"
#include "model/cell_kinds.h"
#include "model/channel_record.h"
#include "model/label_table.h"
#include "model/text_codec.h"

namespace {

void Name(clsCellCall& call) {
    datCh& record = call.record;
    if (TextCell(call, record.waypointName, kChannelNameLength)) {
        NormaliseChannelName(record.waypointName, kChannelNameLength);
        record.recordFlags |= datCh::kInUse;
        record.RefreshRecord();
        call.text = TextOfBuffer(record.waypointName, kChannelNameLength);
    }
    if (!record.IsInUse() && call.result != clsCellResult::OpenEditor) call.text.clear();
}

void Position(clsCellCall& call, int32_t& value, clsAxis axis) {
    datCh& record = call.record;
    if (PositionCell(call, value, axis)) {
        record.recordFlags |= datCh::kInUse;
        record.RefreshRecord();
    }
    if (!record.IsInUse()) call.text.clear();
}

void Latitude(clsCellCall& call) {
    Position(call, call.record.latitude, clsAxis::Latitude);
}
void Longitude(clsCellCall& call) {
    Position(call, call.record.longitude, clsAxis::Longitude);
}

constexpr clsLabelEntry kLabels[] = {
    {CL_Waypt_Name, Name},
    {CL_Waypt_Lat, Latitude},
    {CL_Waypt_Lon, Longitude},
};

}  // namespace

std::span<const clsLabelEntry> WaypointLabels() {
    return kLabels;
}
