// The one handler behind every settings label: it finds the label's row in the settings cell map,
// reads the value where the row says, runs the row's kind of cell and writes a changed value back
// into exactly the bits it read.

#include "model/labels_settings.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "base/event_manager.h"
#include "base/settings.h"
#include "model/cell_kinds.h"
#include "model/eeprom.h"
#include "model/engine_host.h"
#include "model/id_codec.h"
#include "model/label_table.h"
#include "model/model_class.h"
#include "model/soft_key_rule.h"

namespace {

const clsSettingRow* FindSettingRow(int32_t label) {
    static const std::vector<const clsSettingRow*> byLabel = [] {
        std::vector<const clsSettingRow*> table(CL_None + 1, nullptr);
        for (const clsSettingRow& row : SettingRows())
            table[static_cast<size_t>(row.label)] = &row;
        return table;
    }();
    if (label < 0 || label > CL_None) return nullptr;
    return byLabel[static_cast<size_t>(label)];
}

int32_t ReadValue(const cmcEeprom& image, const clsSettingField& field, int32_t address) {
    const uint8_t byte = image.GetByte(address);
    switch (field.width) {
        case clsSettingWidth::Bit:
            return (byte >> field.bit) & 1;
        case clsSettingWidth::LowNibble:
            return byte & 0x0F;
        case clsSettingWidth::HighNibble:
            return byte >> 4;
        case clsSettingWidth::Byte:
            return byte;
        case clsSettingWidth::Word:
            return byte | image.GetByte(address + 1) << 8;
        case clsSettingWidth::SignedWord:
            return static_cast<int16_t>(byte | image.GetByte(address + 1) << 8);
        case clsSettingWidth::None:
            break;
    }
    return 0;
}

void WriteValue(cmcEeprom& image, const clsSettingField& field, int32_t address, int32_t value) {
    const uint8_t byte = image.GetByte(address);
    const auto put = [&](uint8_t mask, int32_t shift) {
        image.SetByte(address, static_cast<uint8_t>((byte & ~mask) | ((value << shift) & mask)));
    };
    switch (field.width) {
        case clsSettingWidth::Bit:
            put(static_cast<uint8_t>(1 << field.bit), field.bit);
            break;
        case clsSettingWidth::LowNibble:
            put(0x0F, 0);
            break;
        case clsSettingWidth::HighNibble:
            put(0xF0, 4);
            break;
        case clsSettingWidth::Byte:
            image.SetByte(address, static_cast<uint8_t>(value & 0xFF));
            break;
        case clsSettingWidth::Word:
        case clsSettingWidth::SignedWord:
            image.SetByte(address, static_cast<uint8_t>(value & 0xFF));
            image.SetByte(address + 1, static_cast<uint8_t>((value >> 8) & 0xFF));
            break;
        case clsSettingWidth::None:
            break;
    }
}

int32_t Shown(clsConversion conversion, int32_t stored) {
    switch (conversion) {
        case clsConversion::PlusOne:
            return stored + 1;
        case clsConversion::Times10:
            return stored * 10;
        case clsConversion::Tenth:
            return stored / 10;
        case clsConversion::Hundredth:
            return stored / 100;
        case clsConversion::None:
            break;
    }
    return stored;
}

int32_t Stored(clsConversion conversion, int32_t shown) {
    switch (conversion) {
        case clsConversion::PlusOne:
            return shown - 1;
        case clsConversion::Times10:
            return shown / 10;
        case clsConversion::Tenth:
            return shown * 10;
        case clsConversion::Hundredth:
            return shown * 100;
        case clsConversion::None:
            break;
    }
    return shown;
}

int32_t ModelType(clsCellCall& call) {
    return call.host.Settings().modelType;
}

// Bit of the band flags that switches the band of a cell's index on: USA 0, Canada 2; the
// International band is always on.
constexpr int32_t kBandBitOfIndex[] = {0, -1, 2};

bool GoverningSettingOn(clsCellCall& call, const clsSettingRow& row) {
    if (row.greyBit == kNotGreyed) return true;
    int32_t bit = row.greyBit;
    if (bit == kBandOfIndex) {
        bit = kBandBitOfIndex[call.index];
        if (bit < 0) return true;
    }
    return (call.host.WorkingImage().GetByte(row.greyAddress) >> bit) & 1;
}

// Channel 70 watch: one list value over the watch byte and the byte after it.
constexpr int32_t kCh70Modes = 0x0B01;
constexpr int32_t kCh70Second = 0x0B02;

int32_t ReadCh70Watch(const cmcEeprom& image) {
    switch (image.GetByte(kCh70Modes)) {
        case 0:
            return image.GetByte(kCh70Second) == 1 ? 1 : 0;
        case 2:
            return 3;
        default:
            return 2;
    }
}

void WriteCh70Watch(cmcEeprom& image, int32_t value) {
    struct Bytes {
        uint8_t modes;
        uint8_t second;
    };
    constexpr Bytes kByValue[] = {{0, 0}, {0, 1}, {1, 0}, {2, 0}};
    if (value < 0 || value > 3) return;
    image.SetByte(kCh70Modes, kByValue[value].modes);
    image.SetByte(kCh70Second, kByValue[value].second);
}

// LCD band symbols: five characters each, chosen from a fixed set.
constexpr int32_t kLcdSymbolLength = 5;
constexpr const char* kLcdSymbols[] = {"---  ", "USA  ", "INT  ", "CAN  ", "DSC  ", "ATIS "};

int32_t ReadLcdSymbol(const cmcEeprom& image, int32_t address) {
    char text[kLcdSymbolLength];
    for (int32_t i = 0; i < kLcdSymbolLength; ++i)
        text[i] = static_cast<char>(image.GetByte(address + i));
    for (int32_t value = 1; value < static_cast<int32_t>(std::size(kLcdSymbols)); ++value) {
        if (std::memcmp(text, kLcdSymbols[value], kLcdSymbolLength) == 0) return value;
    }
    return 0;
}

void WriteLcdSymbol(cmcEeprom& image, int32_t address, int32_t value) {
    if (value < 0 || value >= static_cast<int32_t>(std::size(kLcdSymbols))) value = 0;
    for (int32_t i = 0; i < kLcdSymbolLength; ++i)
        image.SetByte(address + i, static_cast<uint8_t>(kLcdSymbols[value][i]));
}

// The DSC call categories' alarm volume limits and transmit switches.
constexpr int32_t kDscCalls = 0x20F7;
constexpr int32_t kDscCallSize = 7;
constexpr int32_t kAlarmMinimum = 4;
constexpr int32_t kAlarmMaximum = 5;
// The transmit switch each EPIRB call depends on.
constexpr int32_t kEpirbIndividualTx = 0x2105;
constexpr int32_t kEpirbAllShipsTx = 0x2113;
constexpr int32_t kEpirbOn = 1;

bool IsMarked(clsCellCall& call, const clsSettingRow& row, int32_t address) {
    const cmcEeprom& image = call.host.WorkingImage();
    switch (row.mark) {
        case clsSettingMark::OwnIdNotShip: {
            uint8_t id[kIdBytes];
            image.ReadBlock(address, id, kIdBytes);
            return !IsIdEmpty(id) && IdDigit(id, 0) == 0 && IdDigit(id, 1) != 0;
        }
        case clsSettingMark::AlarmMinAboveMax: {
            const int32_t record = kDscCalls + kDscCallSize * call.index;
            return image.GetByte(record + kAlarmMaximum) < image.GetByte(record + kAlarmMinimum);
        }
        case clsSettingMark::EpirbWithoutTx: {
            const int32_t tx =
                row.label == CL_DscCall_Tx_EPIRB_Ind ? kEpirbIndividualTx : kEpirbAllShipsTx;
            return image.GetByte(address) == kEpirbOn && image.GetByte(tx) == 0;
        }
        case clsSettingMark::SoftKeyRefused:
            return IsSoftKeyRefused(image, ModelType(call), image.GetByte(address));
        case clsSettingMark::None:
            break;
    }
    return false;
}

// An ID cell: the five ID bytes, then the check byte the radio verifies.
bool IdSetting(clsCellCall& call, const clsSettingRow& row, int32_t address) {
    cmcEeprom& image = call.host.WorkingImage();
    uint8_t id[kIdBytes];
    image.ReadBlock(address, id, kIdBytes);
    const bool changed = IdCell(call, id, row.digits);
    if (changed) {
        image.WriteBlock(address, id, kIdBytes);
        image.SetByte(address + kIdBytes, IdCheckByte(id));
    }
    if (IsIdEmpty(id) && call.result != clsCellResult::OpenEditor) {
        call.text = call.host.Text("GI_AppInd_Dsc_SelfIdOff");
    }
    return changed;
}

bool NumberSetting(clsCellCall& call, const clsSettingRow& row, int32_t address) {
    cmcEeprom& image = call.host.WorkingImage();
    int32_t value = Shown(row.conversion, ReadValue(image, row.field, address));
    const bool changed = NumberCell(call, value, {{row.minimum, row.maximum, 0, row.step}});
    if (changed || row.storedAlways) {
        WriteValue(image, row.field, address, Stored(row.conversion, value));
    }
    return changed;
}

bool TimerSetting(clsCellCall& call, const clsSettingRow& row, int32_t address) {
    cmcEeprom& image = call.host.WorkingImage();
    int32_t value = Shown(row.conversion, ReadValue(image, row.field, address));
    const bool changed =
        TimerCell(call, value, {row.scale, row.minimum, row.maximum, row.offAllowed});
    if (changed || row.storedAlways) {
        WriteValue(image, row.field, address, Stored(row.conversion, value));
    }
    return changed;
}

bool UtcOffsetSetting(clsCellCall& call, const clsSettingRow& row, int32_t address) {
    cmcEeprom& image = call.host.WorkingImage();
    int32_t minutes = ReadValue(image, row.field, address);
    const bool changed = UtcOffsetCell(call, minutes);
    if (changed || row.storedAlways) WriteValue(image, row.field, address, minutes);
    return changed;
}

bool ChoiceSetting(clsCellCall& call, const clsSettingRow& row, int32_t address) {
    cmcEeprom& image = call.host.WorkingImage();
    int32_t value = ReadValue(image, row.field, address);
    const bool changed = ChoiceCell(call, SettingListKey(row, ModelType(call)), value, row.subKey);
    if (changed) WriteValue(image, row.field, address, value);
    return changed;
}

bool Ch70WatchSetting(clsCellCall& call, const clsSettingRow& row) {
    cmcEeprom& image = call.host.WorkingImage();
    int32_t value = ReadCh70Watch(image);
    const bool changed = ChoiceCell(call, SettingListKey(row, ModelType(call)), value, row.subKey);
    if (changed) WriteCh70Watch(image, value);
    return changed;
}

bool LcdSymbolSetting(clsCellCall& call, int32_t address) {
    cmcEeprom& image = call.host.WorkingImage();
    int32_t value = ReadLcdSymbol(image, address);
    std::string list = LcdSymbolLists()[static_cast<size_t>(call.index)];
    if (!IsModelClassA(ModelType(call))) list += "_E";
    const bool changed = ChoiceCell(call, list, value);
    if (changed) WriteLcdSymbol(image, address, value);
    return changed;
}

bool TextSetting(clsCellCall& call, const clsSettingRow& row, int32_t address) {
    cmcEeprom& image = call.host.WorkingImage();
    std::array<uint8_t, 64> buffer{};
    const int32_t length = row.field.count;
    image.ReadBlock(address, buffer.data(), length);
    const bool changed = TextCell(call, buffer.data(), length);
    if (changed) image.WriteBlock(address, buffer.data(), length);
    return changed;
}

bool RunKind(clsCellCall& call, const clsSettingRow& row, int32_t address) {
    switch (row.kind) {
        case clsSettingKind::Fixed:
            FixedCell(call, row.text);
            return false;
        case clsSettingKind::Choice:
            return ChoiceSetting(call, row, address);
        case clsSettingKind::Number:
            return NumberSetting(call, row, address);
        case clsSettingKind::Timer:
            return TimerSetting(call, row, address);
        case clsSettingKind::UtcOffset:
            return UtcOffsetSetting(call, row, address);
        case clsSettingKind::Text:
            return TextSetting(call, row, address);
        case clsSettingKind::Id:
            return IdSetting(call, row, address);
        case clsSettingKind::Ch70Watch:
            return Ch70WatchSetting(call, row);
        case clsSettingKind::LcdSymbol:
            return LcdSymbolSetting(call, address);
    }
    return false;
}

// The text cell's count is its length, not a number of indexed cells.
bool IsIndexed(const clsSettingRow& row) {
    return row.field.stride != 0 && row.kind != clsSettingKind::Text;
}

}  // namespace

std::string SettingListKey(const clsSettingRow& row, int32_t modelType) {
    std::string key = row.text;
    const char* variant = IsModelClassA(modelType) ? "U" : "E";
    switch (row.variant) {
        case clsListVariant::Plain:
            return key;
        case clsListVariant::UorE:
            return key + variant;
        case clsListVariant::MobileHandheldUorE:
            return key + (IsModelClassB(modelType) ? "M" : "H") + variant;
    }
    return key;
}

void SettingCell(clsCellCall& call) {
    const clsSettingRow* row = FindSettingRow(call.label);
    if (row == nullptr) return;
    int32_t address = row->field.address;
    if (IsIndexed(*row)) {
        // A cell placed past the values the radio keeps shows nothing rather than reading beyond.
        if (call.index < 0 || call.index >= row->field.count) return;
        address += row->field.stride * call.index;
    }
    const bool changed = RunKind(call, *row, address);
    GreyUnless(call, GoverningSettingOn(call, *row));
    if (IsMarked(call, *row, address)) call.state |= clsCellState::kError;
    if (!changed) return;
    call.repaint |= row->repaint;
    if (row->bandSwitch) call.host.Events().Send(cmcEvCode::SheetsChanged, 0, 0);
}

std::span<const clsLabelEntry> SettingsLabels() {
    static const std::vector<clsLabelEntry> entries = [] {
        std::vector<clsLabelEntry> list;
        for (const clsSettingRow& row : SettingRows())
            list.push_back({row.label, SettingCell});
        return list;
    }();
    return entries;
}
