#pragma once

#include <cstdint>

// The repeating records of the image, by the group number the cell categories map to. 0 means a
// cell that belongs to no record.
enum class clsRecordGroup : uint32_t {
    None = 0,
    IntCh = 1,     // International channel bank
    UsaCh = 2,     // USA channel bank
    CanCh = 3,     // Canada channel bank
    DscCh = 4,     // DSC channels
    WxCh = 5,      // weather channels
    FreeCh = 6,    // user (free) channels
    DscIndId = 7,  // DSC individual IDs
    Waypoint = 8,
};

constexpr int32_t kBankRows = 421;          // 117 channels x 3 variants, then the 70 free channels
constexpr int32_t kFirstFreeBankRow = 351;  // bank row of free channel 0
constexpr int32_t kDscChannelRows = 171;    // channels 1-28 and 60-88, 3 variants each
constexpr int32_t kWeatherRows = 10;
constexpr int32_t kFreeChannelRows = 70;
constexpr int32_t kDscIdRows = 100;
constexpr int32_t kWaypointRows = 51;
constexpr int32_t kManOverboardWaypoint = 50;

// Number of records in a group (0 for None).
int32_t RecordCount(clsRecordGroup group);

// A bank row at or below 350 that is not a plain channel is one of its two suffixed variants;
// the radio runs those simplex only.
constexpr bool IsSuffixedBankRow(int32_t row) {
    return row < kFirstFreeBankRow && row % 3 != 0;
}
