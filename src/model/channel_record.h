#pragma once

#include <cstdint>

#include "model/eeprom.h"
#include "model/record_group.h"

// One repeating record of the image (a channel of a bank, a DSC channel, a weather or free channel,
// a DSC individual ID, a waypoint), copied out of the image so that cells can change it, and
// written back to the place it came from. It works on the image it is bound to and never owns it.
//
// The radio spreads one record over several places (a bank's flag byte, the shared name table, the
// bank's P and C words, the free channel's frequency codes); LoadRecord gathers them and
// StoreRecord writes each back, leaving every bit it does not own unchanged.
class datCh {
public:
    // markers
    static constexpr uint8_t kMarkerP = 0x01;  // the bank's priority channel
    static constexpr uint8_t kMarkerC = 0x02;  // the bank's call channel
    // channelFlags
    static constexpr uint8_t kInhibited = 0x01;
    static constexpr uint8_t kTag = 0x02;
    static constexpr uint8_t kTxInhibit = 0x04;
    static constexpr uint8_t kPower = 0x08;
    static constexpr uint8_t kSimplex = 0x10;
    // recordFlags
    static constexpr uint8_t kInUse = 0x01;
    static constexpr uint8_t kNoRxFrequency = 0x02;
    static constexpr uint8_t kNoTxFrequency = 0x04;
    // derived
    static constexpr uint8_t kTypeFromId = 0x01;  // the address type follows from the ID
    static constexpr int32_t kNoAddressType = 255;

    explicit datCh(cmcEeprom* image = nullptr) : image(image) {}

    // Resets every field but the image and reads record index of group. An index outside the
    // group leaves the record reset and unbound (group None), so that it stores nothing.
    void LoadRecord(clsRecordGroup group, int32_t index);
    void StoreRecord();
    void RefreshRecord();

    // Every field after the image reference to zero.
    void Clear();

    bool IsInUse() const { return (recordFlags & kInUse) != 0; }

    clsRecordGroup group = clsRecordGroup::None;
    int32_t index = 0;
    cmcEeprom* image;
    uint8_t markers = 0;
    uint8_t channelFlags = 0;
    uint8_t name[10] = {};  // channel comment or DSC ID name
    int32_t addressType = 0;
    uint8_t derived = 0;
    uint8_t id[5] = {};
    uint8_t recordFlags = 0;
    int32_t rxFrequency = 0;   // Hz
    int32_t txFrequency = 0;   // Hz
    uint8_t freeName[4] = {};  // three characters; the fourth byte is the editor's spare
    uint8_t waypointName[10] = {};
    int32_t latitude = 0;
    int32_t longitude = 0;

private:
    void LoadBank();
    void StoreBank();
    void LoadDscChannel();
    void StoreDscChannel();
    void LoadWeather();
    void StoreWeather();
    void LoadFreeChannel();
    void StoreFreeChannel();
    void LoadDscId();
    void StoreDscId();
    void LoadWaypoint();
    void StoreWaypoint();
};
