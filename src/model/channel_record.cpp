#include "model/channel_record.h"

#include <algorithm>
#include <cstring>

#include "model/id_codec.h"

namespace {

// Bank flag bytes, one table per bank (USA, International, Canada), 448 bytes apart.
constexpr int32_t kBankFlags = 0x02F0;
constexpr int32_t kBankFlagsStride = 0x1C0;
constexpr int32_t kBankPWords = 0x0B92;
constexpr int32_t kBankCWords = 0x0A90;
constexpr uint8_t kBankInhibitBit = 0x80;
constexpr uint8_t kBankTagBit = 0x40;
constexpr uint8_t kBankPowerBit = 0x20;
constexpr uint8_t kBankTxInhibitBit = 0x04;
constexpr uint8_t kBankSimplexBit = 0x02;
// Channel comments, shared by the three banks and the DSC channels.
constexpr int32_t kChannelNames = 0x0F10;
constexpr int32_t kDscFlags = 0x2020;
constexpr int32_t kDscFirstHighRow = 84;  // DSC row of channel 60
constexpr int32_t kDscLowNameShift = 3;
constexpr int32_t kDscHighNameShift = 96;
constexpr int32_t kWeatherInhibitWord = 0x0B90;
constexpr int32_t kWeatherNames = 0x1F82;
constexpr int32_t kFreeChannels = 0x0830;
constexpr int32_t kFreeChannelSize = 8;
constexpr int32_t kReceiveIf = 21700000;  // receive codes count from the first IF
constexpr int32_t kWideStep = 12500;
constexpr int32_t kNarrowStep = 6250;
constexpr uint8_t kRxNarrowBit = 0x01;
constexpr uint8_t kTxNarrowBit = 0x02;
constexpr uint8_t kStepSpareBits = 0x30;  // cleared on every store
constexpr int32_t kDscIds = 0x22E0;
constexpr int32_t kDscIdSize = 16;
constexpr int32_t kWaypoints = 0x4160;
constexpr int32_t kWaypointSize = 20;
constexpr uint8_t kUnusedName = 0xFF;

// Bank index b of the flag, P and C tables: USA 0, International 1, Canada 2.
int32_t BankIndex(clsRecordGroup group) {
    switch (group) {
        case clsRecordGroup::UsaCh:
            return 0;
        case clsRecordGroup::IntCh:
            return 1;
        default:
            return 2;
    }
}

int32_t ReadWord(const cmcEeprom& image, int32_t address) {
    return image.GetByte(address) | (image.GetByte(address + 1) << 8);
}

void WriteWord(cmcEeprom& image, int32_t address, int32_t value) {
    image.SetByte(address, static_cast<uint8_t>(value & 0xFF));
    image.SetByte(address + 1, static_cast<uint8_t>((value >> 8) & 0xFF));
}

int32_t ReadLong(const cmcEeprom& image, int32_t address) {
    uint32_t value = 0;
    for (int32_t i = 3; i >= 0; --i)
        value = (value << 8) | image.GetByte(address + i);
    return static_cast<int32_t>(value);
}

void WriteLong(cmcEeprom& image, int32_t address, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int32_t i = 0; i < 4; ++i)
        image.SetByte(address + i, static_cast<uint8_t>(bits >> (8 * i)));
}

void ReadBytes(const cmcEeprom& image, int32_t address, uint8_t* destination, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        destination[i] = image.GetByte(address + i);
}

void WriteBytes(cmcEeprom& image, int32_t address, const uint8_t* source, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        image.SetByte(address + i, source[i]);
}

// The channel flags a bank or DSC flag byte carries; the tag bit only where withTag.
uint8_t FlagsOfByte(uint8_t byte, bool withTag) {
    uint8_t flags = 0;
    if (byte & kBankInhibitBit) flags |= datCh::kInhibited;
    if (withTag && (byte & kBankTagBit)) flags |= datCh::kTag;
    if (byte & kBankTxInhibitBit) flags |= datCh::kTxInhibit;
    if (byte & kBankPowerBit) flags |= datCh::kPower;
    if (byte & kBankSimplexBit) flags |= datCh::kSimplex;
    return flags;
}

uint8_t ByteWithFlags(uint8_t byte, uint8_t flags, bool withTag) {
    const auto put = [&byte](uint8_t bit, bool on) {
        byte = static_cast<uint8_t>(on ? byte | bit : byte & ~bit);
    };
    put(kBankInhibitBit, flags & datCh::kInhibited);
    if (withTag) put(kBankTagBit, flags & datCh::kTag);
    put(kBankTxInhibitBit, flags & datCh::kTxInhibit);
    put(kBankPowerBit, flags & datCh::kPower);
    put(kBankSimplexBit, flags & datCh::kSimplex);
    return byte;
}

int32_t DscNameRow(int32_t row) {
    return row < kDscFirstHighRow ? row + kDscLowNameShift : row + kDscHighNameShift;
}

int32_t StepOf(uint8_t stepByte, uint8_t narrowBit) {
    return (stepByte & narrowBit) ? kNarrowStep : kWideStep;
}

}  // namespace

void datCh::Clear() {
    cmcEeprom* const kept = image;
    *this = datCh(kept);
}

void datCh::LoadRecord(clsRecordGroup newGroup, int32_t newIndex) {
    Clear();
    recordFlags = kInUse;
    if (newIndex < 0 || newIndex >= RecordCount(newGroup)) return;
    group = newGroup;
    index = newIndex;
    switch (group) {
        case clsRecordGroup::IntCh:
        case clsRecordGroup::UsaCh:
        case clsRecordGroup::CanCh:
            LoadBank();
            break;
        case clsRecordGroup::DscCh:
            LoadDscChannel();
            break;
        case clsRecordGroup::WxCh:
            LoadWeather();
            break;
        case clsRecordGroup::FreeCh:
            LoadFreeChannel();
            break;
        case clsRecordGroup::DscIndId:
            LoadDscId();
            break;
        case clsRecordGroup::Waypoint:
            LoadWaypoint();
            break;
        case clsRecordGroup::None:
            break;
    }
}

void datCh::StoreRecord() {
    switch (group) {
        case clsRecordGroup::IntCh:
        case clsRecordGroup::UsaCh:
        case clsRecordGroup::CanCh:
            StoreBank();
            break;
        case clsRecordGroup::DscCh:
            StoreDscChannel();
            break;
        case clsRecordGroup::WxCh:
            StoreWeather();
            break;
        case clsRecordGroup::FreeCh:
            StoreFreeChannel();
            break;
        case clsRecordGroup::DscIndId:
            StoreDscId();
            break;
        case clsRecordGroup::Waypoint:
            StoreWaypoint();
            break;
        case clsRecordGroup::None:
            break;
    }
}

void datCh::RefreshRecord() {
    StoreRecord();
    LoadRecord(group, index);
}

void datCh::LoadBank() {
    const int32_t bank = BankIndex(group);
    channelFlags = FlagsOfByte(image->GetByte(kBankFlags + kBankFlagsStride * bank + index), true);
    if (IsSuffixedBankRow(index)) channelFlags |= kSimplex;
    if (ReadWord(*image, kBankPWords + 2 * bank) == index) markers |= kMarkerP;
    if (ReadWord(*image, kBankCWords + 2 * bank) == index) markers |= kMarkerC;
    ReadBytes(*image, kChannelNames + 10 * index, name, 10);
    if (index >= kFirstFreeBankRow) {
        const int32_t free = kFreeChannels + kFreeChannelSize * (index - kFirstFreeBankRow);
        ReadBytes(*image, free + 4, freeName, 3);
    }
}

void datCh::StoreBank() {
    const int32_t bank = BankIndex(group);
    if (IsSuffixedBankRow(index)) channelFlags |= kSimplex;
    const int32_t flagAddress = kBankFlags + kBankFlagsStride * bank + index;
    image->SetByte(flagAddress, ByteWithFlags(image->GetByte(flagAddress), channelFlags, true));
    if (markers & kMarkerP) WriteWord(*image, kBankPWords + 2 * bank, index);
    if (markers & kMarkerC) WriteWord(*image, kBankCWords + 2 * bank, index);
    WriteBytes(*image, kChannelNames + 10 * index, name, 10);
}

void datCh::LoadDscChannel() {
    channelFlags = FlagsOfByte(image->GetByte(kDscFlags + index), false);
    ReadBytes(*image, kChannelNames + 10 * DscNameRow(index), name, 10);
}

void datCh::StoreDscChannel() {
    const int32_t flagAddress = kDscFlags + index;
    image->SetByte(flagAddress, ByteWithFlags(image->GetByte(flagAddress), channelFlags, false));
    WriteBytes(*image, kChannelNames + 10 * DscNameRow(index), name, 10);
}

void datCh::LoadWeather() {
    if (ReadWord(*image, kWeatherInhibitWord) & (1 << index)) channelFlags |= kInhibited;
    ReadBytes(*image, kWeatherNames + 10 * index, name, 10);
}

void datCh::StoreWeather() {
    int32_t word = ReadWord(*image, kWeatherInhibitWord);
    word = (channelFlags & kInhibited) ? word | (1 << index) : word & ~(1 << index);
    WriteWord(*image, kWeatherInhibitWord, word);
    WriteBytes(*image, kWeatherNames + 10 * index, name, 10);
}

void datCh::LoadFreeChannel() {
    const int32_t address = kFreeChannels + kFreeChannelSize * index;
    const uint8_t stepByte = image->GetByte(address + 7);
    rxFrequency = ReadWord(*image, address) * StepOf(stepByte, kRxNarrowBit) + kReceiveIf;
    txFrequency = ReadWord(*image, address + 2) * StepOf(stepByte, kTxNarrowBit);
    ReadBytes(*image, address + 4, freeName, 3);
}

void datCh::StoreFreeChannel() {
    const int32_t address = kFreeChannels + kFreeChannelSize * index;
    uint8_t stepByte = static_cast<uint8_t>(image->GetByte(address + 7) & ~kStepSpareBits);
    const auto code = [&stepByte](int32_t hertz, uint8_t narrowBit) {
        const bool wide = hertz % kWideStep == 0;
        stepByte = static_cast<uint8_t>(wide ? stepByte & ~narrowBit : stepByte | narrowBit);
        return hertz / (wide ? kWideStep : kNarrowStep);
    };
    WriteWord(*image, address, code(rxFrequency - kReceiveIf, kRxNarrowBit));
    WriteWord(*image, address + 2, code(txFrequency, kTxNarrowBit));
    WriteBytes(*image, address + 4, freeName, 3);
    image->SetByte(address + 7, stepByte);
    // A free channel is also a row of every bank; its simplex flag there follows the frequencies.
    const int32_t row = kFirstFreeBankRow + index;
    for (int32_t bank = 0; bank < 3; ++bank) {
        const int32_t flagAddress = kBankFlags + kBankFlagsStride * bank + row;
        const uint8_t byte = image->GetByte(flagAddress);
        image->SetByte(flagAddress,
                       static_cast<uint8_t>(rxFrequency == txFrequency ? byte | kBankSimplexBit
                                                                       : byte & ~kBankSimplexBit));
    }
}

void datCh::LoadDscId() {
    const int32_t address = kDscIds + kDscIdSize * index;
    ReadBytes(*image, address, id, kIdBytes);
    ReadBytes(*image, address + 5, name, 10);
    addressType = image->GetByte(address + 15);
    if (IsIdEmpty(id)) {
        recordFlags &= static_cast<uint8_t>(~kInUse);
        ClearId(id);
        addressType = kNoAddressType;
    } else if (id[0] != 0) {
        // The first digits tell the kind of station; only an ID beginning 00 leaves it open.
        addressType = id[0] <= 9 ? 1 : 0;
        derived |= kTypeFromId;
    }
}

void datCh::StoreDscId() {
    const int32_t address = kDscIds + kDscIdSize * index;
    if (!IsInUse() || IsIdEmpty(id)) {
        uint8_t emptyId[kIdBytes];
        ClearId(emptyId);
        WriteBytes(*image, address, emptyId, kIdBytes);
        const uint8_t blanks[10] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        WriteBytes(*image, address + 5, blanks, 10);
        image->SetByte(address + 15, kNoAddressType);
        return;
    }
    id[4] = static_cast<uint8_t>(id[4] / 10 * 10);  // an MMSI has nine digits
    WriteBytes(*image, address, id, kIdBytes);
    WriteBytes(*image, address + 5, name, 10);
    image->SetByte(address + 15,
                   static_cast<uint8_t>(addressType == kNoAddressType ? 0 : addressType));
}

void datCh::LoadWaypoint() {
    const int32_t address = kWaypoints + kWaypointSize * index;
    ReadBytes(*image, address, waypointName, 10);
    if (waypointName[0] == kUnusedName) recordFlags &= static_cast<uint8_t>(~kInUse);
    latitude = ReadLong(*image, address + 12);
    longitude = ReadLong(*image, address + 16);
}

void datCh::StoreWaypoint() {
    const int32_t address = kWaypoints + kWaypointSize * index;
    if (!IsInUse()) {
        std::fill(std::begin(waypointName), std::end(waypointName), kUnusedName);
        latitude = 0;
        longitude = 0;
    } else if (waypointName[0] == kUnusedName) {
        std::fill(std::begin(waypointName), std::end(waypointName), ' ');
        if (index == kManOverboardWaypoint) std::memcpy(waypointName, "MOB", 3);
    }
    WriteBytes(*image, address, waypointName, 10);
    WriteLong(*image, address + 12, latitude);
    WriteLong(*image, address + 16, longitude);
}
