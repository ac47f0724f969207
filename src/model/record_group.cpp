#include "model/record_group.h"

int32_t RecordCount(clsRecordGroup group) {
    switch (group) {
        case clsRecordGroup::IntCh:
        case clsRecordGroup::UsaCh:
        case clsRecordGroup::CanCh:
            return kBankRows;
        case clsRecordGroup::DscCh:
            return kDscChannelRows;
        case clsRecordGroup::WxCh:
            return kWeatherRows;
        case clsRecordGroup::FreeCh:
            return kFreeChannelRows;
        case clsRecordGroup::DscIndId:
            return kDscIdRows;
        case clsRecordGroup::Waypoint:
            return kWaypointRows;
        case clsRecordGroup::None:
            break;
    }
    return 0;
}
