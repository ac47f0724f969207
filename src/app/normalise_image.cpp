#include "app/normalise_image.h"

#include <span>
#include <vector>

#include "model/channel_record.h"
#include "model/eeprom.h"
#include "model/id_codec.h"
#include "model/model_class.h"
#include "model/record_group.h"
#include "model/text_codec.h"
#include "platform/fatal.h"

namespace {

using clsTemplateBytes = std::span<const uint8_t>;

// The model types an area of the image is fixed for.
enum class clsModels {
    All,
    ClassA,
    NotClassA,
    ClassB,
    NotClassB,
    ClassCDE,      // class C, D or E
    NotClassCDE,   // none of C, D and E
    NotAWithoutB,  // all but the class A types outside class B (7, 12, 13)
    ClassF,
    NotClassF,
};

bool AppliesTo(clsModels models, int32_t type) {
    const bool cde = IsModelClassC(type) || IsModelClassD(type) || IsModelClassE(type);
    switch (models) {
        case clsModels::All:
            return true;
        case clsModels::ClassA:
            return IsModelClassA(type);
        case clsModels::NotClassA:
            return !IsModelClassA(type);
        case clsModels::ClassB:
            return IsModelClassB(type);
        case clsModels::NotClassB:
            return !IsModelClassB(type);
        case clsModels::ClassCDE:
            return cde;
        case clsModels::NotClassCDE:
            return !cde;
        case clsModels::NotAWithoutB:
            return !(IsModelClassA(type) && !IsModelClassB(type));
        case clsModels::ClassF:
            return IsModelClassF(type);
        case clsModels::NotClassF:
            return !IsModelClassF(type);
    }
    return false;
}

// An area whose bits come from the template: count bytes from address, again every stride bytes
// for repeat times. Words are copied as their bytes.
struct clsTemplateArea {
    int32_t address;
    int32_t count = 1;
    uint8_t bits = 0xFF;
    clsModels models = clsModels::All;
    bool beforeWriteOnly = false;
    int32_t repeat = 1;
    int32_t stride = 0;
};

constexpr bool kWrite = true;  // the area follows the template only before a write

// The weather channels' inhibit word and the weather band flag.
constexpr clsTemplateArea kWeatherAreas[] = {
    {0x0B90, 2, 0xFF, clsModels::NotClassCDE},
    {0x0B98, 1, 0x02, clsModels::NotClassCDE},
};

// Option and setting bytes the model type fixes, from the scan and watch settings up to the
// model's identity bytes (the model type byte itself stays the image's).
constexpr clsTemplateArea kOptionAreas[] = {
    {0x0A68},
    {0x0A96, 1, 0xFF, clsModels::All, kWrite},
    {0x0A97},
    {0x0A98},
    {0x0A99},
    {0x0A9A, 1, 0xFF, clsModels::All, kWrite},
    {0x0A9B, 1, 0xFF, clsModels::All, kWrite},
    {0x0A9E, 16},
    {0x0AAE, 16},
    {0x0ABE, 1, 0xFF, clsModels::All, kWrite},
    {0x0AC1},
    {0x0AC3},
    {0x0AC4},
    {0x0AD1, 1, 0xFF, clsModels::NotClassA},
    {0x0AD2, 4, 0xFF, clsModels::NotClassB},  // dial keys
    {0x0AEE, 1, 0xFF, clsModels::NotClassB},
    {0x0AF4},
    {0x0AF7},
    {0x0AF8},
    {0x0AF9, 1, 0xFF, clsModels::ClassB},
    {0x0AFF},
    {0x0B00, 1, 0xFF, clsModels::ClassB},
    {0x0B01, 1, 0xFF, clsModels::NotAWithoutB},
    {0x0B02, 1, 0xFF, clsModels::ClassB},
    {0x0B05},
    {0x0B06, 4},
    {0x0B0A, 2},
    {0x0B0E, 1, 0xFF, clsModels::NotClassF},
    {0x0B0F, 1, 0xFF, clsModels::NotClassF},
    {0x0AE8, 1, 0xFF, clsModels::ClassF},
    {0x0AE9, 1, 0xFF, clsModels::ClassF},
    {0x0B98, 1, 0x40, clsModels::NotClassB},
    {0x0B9C},
    {0x0B9D},
    {0x0BA8},
    {0x0BA9},
    {0x0BAA, 2},
    {0x0BAF},
    {0x0BC6, 648},
    {0x0E4E, 16},
    {0x0E5E, 16},
    {0x0E6E, 8},
    {0x0E76, 8},
    {0x0E80, 1, 0x17, clsModels::NotClassB},
    {0x0E81},
    {0x0E88, 1, 0x38, clsModels::NotAWithoutB},
    {0x0E88, 1, 0x03, clsModels::ClassB},
    {0x0EA0, 2},
    {0x0EA2, 2},
    {0x0EA4, 3},
    {0x0EA7},
    {0x0EE0, 8},
    {0x0EE8},
    {0x0EEA},  // the layout byte
    {0x0EFB},
};

// The ATIS settings byte and the word after it.
constexpr clsTemplateArea kAtisAreas[] = {
    {0x2000, 1, 0x10, clsModels::ClassB},
    {0x2000, 1, 0x1F, clsModels::ClassCDE},
    {0x2002, 2},
};

// DSC settings and single bytes of the DSC call category records (7 bytes each from 0x20F7) that
// the radio does not let the user change.
constexpr int32_t kDscCallCategories = 59;
constexpr int32_t kDscCallRecordSize = 7;
constexpr clsTemplateArea kDscCallAreas[] = {
    {0x20F0, 4}, {0x20FA, 1, 0xFF, clsModels::All, false, kDscCallCategories, kDscCallRecordSize},
    {0x210C},    {0x2121},
    {0x2136},    {0x213D},
    {0x2144},    {0x2160},
    {0x2167},    {0x216E},
    {0x218A},    {0x2191},
    {0x2198},    {0x21DE},
    {0x21E5},    {0x21EC},
    {0x2208},    {0x220F},
    {0x2216},    {0x2232, 1, 0xFF, clsModels::All, false, 6, kDscCallRecordSize},
    {0x2271},    {0x2278},
    {0x227F},
};

// Tables of 50 entries each that the radio keeps for the model.
constexpr clsTemplateArea kModelTables[] = {
    {0x2920, 1, 0xFF, clsModels::All, false, 50, 1},
    {0x2960, 1, 0xFF, clsModels::All, false, 50, 1},
    {0x29A0, 1, 0xFF, clsModels::All, false, 50, 1},
    {0x29E0, 40, 0xFF, clsModels::All, false, 50, 40},
    {0x31B0, 40, 0xFF, clsModels::All, false, 50, 40},
    {0x3980, 40, 0xFF, clsModels::All, false, 50, 40},
};

void TakeBits(cmcEeprom& image, clsTemplateBytes templ, int32_t address, uint8_t bits) {
    const auto own = static_cast<uint8_t>(image.GetByte(address) & ~bits);
    image.SetByte(address,
                  static_cast<uint8_t>(own | (templ[static_cast<size_t>(address)] & bits)));
}

void TakeBytes(cmcEeprom& image, clsTemplateBytes templ, int32_t address, int32_t count) {
    image.WriteBlock(address, templ.data() + address, count);
}

void TakeAreas(cmcEeprom& image, clsTemplateBytes templ, std::span<const clsTemplateArea> areas,
               int32_t modelType, int32_t mode) {
    for (const clsTemplateArea& area : areas) {
        if (area.beforeWriteOnly && mode != clsNormaliseMode::kBeforeWrite) continue;
        if (!AppliesTo(area.models, modelType)) continue;
        for (int32_t r = 0; r < area.repeat; ++r) {
            const int32_t first = area.address + r * area.stride;
            for (int32_t a = first; a < first + area.count; ++a)
                TakeBits(image, templ, a, area.bits);
        }
    }
}

// Step 1: of each bank flag byte, the bits the channel record does not own come from the template
// (bits 0, 3 and 4); storing the record puts back the image's own channel flags.
constexpr int32_t kBankFlags = 0x02F0;
constexpr int32_t kBankFlagsStride = 0x1C0;
struct clsBankOrder {
    clsRecordGroup group;
    int32_t bank;  // place of the bank's flag table
};
constexpr clsBankOrder kBanks[] = {
    {clsRecordGroup::UsaCh, 0},
    {clsRecordGroup::IntCh, 1},
    {clsRecordGroup::CanCh, 2},
};

void TakeBankFlagBits(cmcEeprom& image, clsTemplateBytes templ) {
    datCh record(&image);
    for (const clsBankOrder& bank : kBanks) {
        for (int32_t n = 0; n < kBankRows; ++n) {
            record.LoadRecord(bank.group, n);
            TakeBytes(image, templ, kBankFlags + kBankFlagsStride * bank.bank + n, 1);
            if (record.IsInUse()) record.RefreshRecord();
        }
    }
}

// Step 2: a free channel's record comes from the template, then the image's own frequencies and
// name (made showable) are stored over it; the step byte keeps the template's spare bits.
constexpr int32_t kFreeChannels = 0x0830;
constexpr int32_t kFreeChannelSize = 8;

void NormaliseFreeChannels(cmcEeprom& image, clsTemplateBytes templ) {
    datCh record(&image);
    for (int32_t n = 0; n < kFreeChannelRows; ++n) {
        record.LoadRecord(clsRecordGroup::FreeCh, n);
        TakeBytes(image, templ, kFreeChannels + kFreeChannelSize * n, kFreeChannelSize);
        NormaliseFreeChannelName(record.freeName);
        record.RefreshRecord();
    }
}

// Step 3: before a write the radio's start-up channel of each bank is its P channel.
constexpr int32_t kStartChannelWords = 0x0A60;
constexpr int32_t kPriorityWords = 0x0B92;
constexpr int32_t kBankWordBytes = 6;

void KeepPriorityChannels(cmcEeprom& image) {
    for (int32_t i = 0; i < kBankWordBytes; ++i)
        image.SetByte(kStartChannelWords + i, image.GetByte(kPriorityWords + i));
}

// Step 5: before a write the radio starts on the first weather channel that is not inhibited; with
// all ten inhibited the template's channel stays.
constexpr int32_t kStartWeatherChannel = 0x0A66;

void ChooseStartWeatherChannel(cmcEeprom& image, clsTemplateBytes templ) {
    TakeBytes(image, templ, kStartWeatherChannel, 1);
    datCh record(&image);
    for (int32_t k = 0; k < kWeatherRows; ++k) {
        record.LoadRecord(clsRecordGroup::WxCh, k);
        if ((record.channelFlags & datCh::kInhibited) == 0) {
            image.SetByte(kStartWeatherChannel, static_cast<uint8_t>(k));
            break;
        }
    }
    TakeBytes(image, templ, kStartWeatherChannel + 1, 1);
}

// Step 19: the channel names (shared by the three banks) and the weather channel names.
void NormaliseChannelNames(cmcEeprom& image) {
    datCh record(&image);
    for (int32_t n = 0; n < kBankRows; ++n) {
        record.LoadRecord(clsRecordGroup::UsaCh, n);
        NormaliseChannelName(record.name, kChannelNameLength);
        record.RefreshRecord();
    }
    for (int32_t k = 0; k < kWeatherRows; ++k) {
        record.LoadRecord(clsRecordGroup::WxCh, k);
        NormaliseChannelName(record.name, kChannelNameLength);
        record.RefreshRecord();
    }
}

// Steps 20 and 22: an identification number is five bytes of two decimal digits each and a check
// byte; the radio keeps 16 bytes for it. A broken one is replaced by the template's whole block;
// a sound one keeps its digits and gets 0 in the byte after the check byte.
constexpr int32_t kIdBlockSize = 16;
constexpr int32_t kAtisId = 0x1FF0;
constexpr int32_t kSelfId = 0x20E0;

bool IsValidIdNumber(const cmcEeprom& image, int32_t address) {
    uint8_t id[kIdBytes];
    image.ReadBlock(address, id, kIdBytes);
    return !IsIdEmpty(id) && image.GetByte(address + kIdBytes) == IdCheckByte(id);
}

void RepairIdNumber(cmcEeprom& image, clsTemplateBytes templ, int32_t address) {
    if (IsValidIdNumber(image, address)) {
        image.SetByte(address + kIdBytes + 1, 0);
    } else {
        TakeBytes(image, templ, address, kIdBlockSize);
    }
}

// Step 25: the DSC alarm records, 4 bytes each from 0x2295: byte 0 the volume the user sets, byte 1
// the radio's copy of it, byte 2 the shutdown in its low nibble.
constexpr int32_t kAlarmHeader = 0x2294;
constexpr int32_t kAlarmRecords = 0x2295;
constexpr int32_t kAlarmRecordSize = 4;
constexpr int32_t kOwnVolume = -1;

struct clsAlarmRule {
    int32_t volumeFrom;  // the byte both volume bytes take; kOwnVolume: the record's own
    uint8_t byte2Bits;   // bits of byte 2 from the template
    bool byte3FromTemplate;
};

constexpr uint8_t kKeepShutdown = 0xF0;        // the user's shutdown choice (low nibble) stays
constexpr int32_t kDistressTxVolume = 0x229D;  // record 2's volume

constexpr clsAlarmRule kAlarmRules[] = {
    {kOwnVolume, 0xFF, true},           // 0 no MMSI
    {kOwnVolume, kKeepShutdown, true},  // 1 position ceases
    {kOwnVolume, 0xFF, true},           // 2 distress TX
    {kOwnVolume, 0xFF, true},           // 3 TX
    {kOwnVolume, 0xFF, true},           // 4 self-terminate
    {kOwnVolume, 0xFF, true},           // 5 inactivity
    {kDistressTxVolume, 0xFF, true},    // 6 has no cell: follows the distress TX volume
    {kOwnVolume, 0xFF, true},           // 7 discrete 2
    {kOwnVolume, kKeepShutdown, true},  // 8 position 4 hours
    {kOwnVolume, kKeepShutdown, true},  // 9 position 23 hours
    {kOwnVolume, 0xFF, false},          // 10 discrete 1: its last byte is left alone
};

void NormaliseAlarmRecords(cmcEeprom& image, clsTemplateBytes templ) {
    TakeBytes(image, templ, kAlarmHeader, 1);
    int32_t x = kAlarmRecords;
    for (const clsAlarmRule& rule : kAlarmRules) {
        const uint8_t volume = image.GetByte(rule.volumeFrom == kOwnVolume ? x : rule.volumeFrom);
        image.SetByte(x, volume);
        image.SetByte(x + 1, volume);
        TakeBits(image, templ, x + 2, rule.byte2Bits);
        if (rule.byte3FromTemplate) TakeBits(image, templ, x + 3, 0xFF);
        x += kAlarmRecordSize;
    }
}

// Step 26: DSC individual IDs. Storing also tidies an empty record and the tenth digit.
void NormaliseDscIds(cmcEeprom& image) {
    datCh record(&image);
    for (int32_t n = 0; n < kDscIdRows; ++n) {
        record.LoadRecord(clsRecordGroup::DscIndId, n);
        NormaliseChannelName(record.name, kChannelNameLength);
        record.RefreshRecord();
    }
}

// Step 28: the names of the waypoints in use; the man-overboard record is the radio's own.
void NormaliseWaypointNames(cmcEeprom& image) {
    datCh record(&image);
    for (int32_t n = 0; n < kManOverboardWaypoint; ++n) {
        record.LoadRecord(clsRecordGroup::Waypoint, n);
        if (!record.IsInUse()) continue;
        NormaliseChannelName(record.waypointName, kChannelNameLength);
        record.RefreshRecord();
    }
}

// Step 29: the factory block carries a version of four decimal characters. A newer template
// block replaces the image's; the radio reads the block from its copy, which carries a set top
// bit in its second-last byte and a check value in its last.
constexpr int32_t kFactoryBlock = 0x0050;
constexpr int32_t kFactoryBlockSize = 276;
constexpr int32_t kFactoryCopy = 0x01A0;
constexpr int32_t kFactoryCopyMarker = kFactoryCopy + kFactoryBlockSize - 2;
constexpr int32_t kFactoryCopyCheck = kFactoryCopy + kFactoryBlockSize - 1;
constexpr int32_t kVersionThousands = 0x015A;  // 0x015B is not part of the number
constexpr int32_t kVersionRest = 0x015C;

template <typename ByteAt>
int32_t FactoryVersion(ByteAt byteAt, bool letterMeansNone) {
    const int32_t places[] = {kVersionThousands, kVersionRest, kVersionRest + 1, kVersionRest + 2};
    int32_t version = 0;
    for (const int32_t address : places) {
        const int32_t c = byteAt(address);
        if (letterMeansNone && c > '9') return 0;
        version = version * 10 + (c - '0');
    }
    return version;
}

void UpdateFactoryBlock(cmcEeprom& image, clsTemplateBytes templ) {
    const int32_t own = FactoryVersion([&image](int32_t a) { return image.GetByte(a); }, true);
    const int32_t templates =
        FactoryVersion([templ](int32_t a) { return templ[static_cast<size_t>(a)]; }, false);
    if (templates > own) TakeBytes(image, templ, kFactoryBlock, kFactoryBlockSize);
    for (int32_t i = 0; i < kFactoryBlockSize; ++i)
        image.SetByte(kFactoryCopy + i, image.GetByte(kFactoryBlock + i));
    image.SetByte(kFactoryCopyMarker,
                  static_cast<uint8_t>(image.GetByte(kFactoryCopyMarker) | 0x80));
    int32_t sum = 0;
    for (int32_t a = kFactoryCopy; a < kFactoryCopyCheck; ++a)
        sum += image.GetByte(a);
    image.SetByte(kFactoryCopyCheck, static_cast<uint8_t>(~sum & 0xFF));
}

}  // namespace

void NormaliseImage(cmcEeprom& image, const cmcEeprom& templ, int32_t modelType, int32_t mode) {
    if (image.GetSize() < kImageSize) FatalError("Out of EEPROM image address (SetByte).");
    if (templ.GetSize() < kImageSize) FatalError("Out of EEPROM image address (GetByte).");
    // The template as it was on entry, also when it is the image being normalised.
    std::vector<uint8_t> snapshot(kImageSize);
    templ.ReadBlock(0, snapshot.data(), kImageSize);
    const clsTemplateBytes t(snapshot);
    const bool beforeWrite = mode == clsNormaliseMode::kBeforeWrite;

    TakeBankFlagBits(image, t);                            // 1
    NormaliseFreeChannels(image, t);                       // 2
    if (beforeWrite) KeepPriorityChannels(image);          // 3
    TakeAreas(image, t, kWeatherAreas, modelType, mode);   // 4
    if (beforeWrite) ChooseStartWeatherChannel(image, t);  // 5
    TakeAreas(image, t, kOptionAreas, modelType, mode);    // 6-18
    NormaliseChannelNames(image);                          // 19
    if (AppliesTo(clsModels::ClassCDE, modelType)) {       // 20
        TakeBytes(image, t, kAtisId, kIdBlockSize);
    } else {
        RepairIdNumber(image, t, kAtisId);
    }
    TakeAreas(image, t, kAtisAreas, modelType, mode);     // 21
    RepairIdNumber(image, t, kSelfId);                    // 22
    TakeAreas(image, t, kDscCallAreas, modelType, mode);  // 23, 24
    NormaliseAlarmRecords(image, t);                      // 25
    NormaliseDscIds(image);                               // 26
    TakeAreas(image, t, kModelTables, modelType, mode);   // 27
    NormaliseWaypointNames(image);                        // 28
    UpdateFactoryBlock(image, t);                         // 29
}
