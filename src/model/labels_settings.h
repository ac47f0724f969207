#pragma once

// The settings sheets' cells (DSC, DSC call categories, common, radio, configuration, ATIS and the
// maker settings) as one table: each row says where a label's value lives in the image, which kind
// of cell shows it, and which other settings grey or mark it. One generic handler reads the row.

#include <cstdint>
#include <span>
#include <string>

#include "model/cell_call.h"

// Where a value lives. A cell's index n selects the n-th of count values stride bytes apart (the
// DSC call categories, the LCD symbols, the keys, the channel display modes).
enum class clsSettingWidth : uint8_t { None, Bit, LowNibble, HighNibble, Byte, Word, SignedWord };

struct clsSettingField {
    int32_t address = 0;
    clsSettingWidth width = clsSettingWidth::None;
    int32_t bit = 0;
    int32_t stride = 0;
    int32_t count = 1;

    constexpr clsSettingField Each(int32_t bytes, int32_t cells) const {
        clsSettingField field = *this;
        field.stride = bytes;
        field.count = cells;
        return field;
    }
};

constexpr clsSettingField Bit(int32_t address, int32_t bit) {
    return {address, clsSettingWidth::Bit, bit};
}
constexpr clsSettingField LowNibble(int32_t address) {
    return {address, clsSettingWidth::LowNibble};
}
constexpr clsSettingField HighNibble(int32_t address) {
    return {address, clsSettingWidth::HighNibble};
}
constexpr clsSettingField Byte(int32_t address) {
    return {address, clsSettingWidth::Byte};
}
constexpr clsSettingField Word(int32_t address) {
    return {address, clsSettingWidth::Word};
}
constexpr clsSettingField SignedWord(int32_t address) {
    return {address, clsSettingWidth::SignedWord};
}
constexpr clsSettingField kNoField = {};

enum class clsSettingKind : uint8_t {
    Fixed,      // text
    Choice,     // list, subKey, variant
    Number,     // minimum, maximum, step
    Timer,      // scale, minimum, maximum, offAllowed
    UtcOffset,  // minutes in a signed word
    Text,       // count bytes, any character 0x20-0x7E
    Id,         // digits; the check byte follows the five ID bytes
    Ch70Watch,  // one list value over two bytes
    LcdSymbol,  // a five-character band symbol chosen from a list
};

// How a choice list depends on the model type: U (class A) or E variant, and for the soft keys
// also mobile (class B) or handheld.
enum class clsListVariant : uint8_t { Plain, UorE, MobileHandheldUorE };

// The value a number or timer cell shows, from the stored one; the inverse is stored.
enum class clsConversion : uint8_t { None, PlusOne, Times10, Tenth, Hundredth };

// Marks a cell carries from the values it or its neighbours hold.
enum class clsSettingMark : uint8_t {
    None,
    OwnIdNotShip,      // first digit 0, second not 0: a group or coast identity
    AlarmMinAboveMax,  // of the cell's DSC call category
    EpirbWithoutTx,    // the EPIRB call is on but its category's transmit is off
    SoftKeyRefused,    // the radio has the key's function switched off
};

// The setting that greys a cell while off: a bit of a byte, or the band of the cell's index.
constexpr int32_t kNotGreyed = -1;
constexpr int32_t kBandOfIndex = -2;

struct clsSettingRow {
    int32_t label;
    clsSettingKind kind;
    clsSettingField field = kNoField;
    const char* text = nullptr;  // fixed text or list key
    int32_t subKey = 1;
    clsListVariant variant = clsListVariant::Plain;
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t step = 1;   // number cells
    int32_t scale = 1;  // timer cells
    bool offAllowed = false;
    int32_t digits = 0;  // ID cells
    clsConversion conversion = clsConversion::None;
    int32_t greyAddress = 0;
    int32_t greyBit = kNotGreyed;
    bool storedAlways = false;
    uint8_t repaint = 0;  // added to the call's repaint flags after a change
    clsSettingMark mark = clsSettingMark::None;
    bool bandSwitch = false;  // a change adds or removes a band's sheets

    constexpr clsSettingRow GreyUnless(int32_t address, int32_t bit) const {
        clsSettingRow row = *this;
        row.greyAddress = address;
        row.greyBit = bit;
        return row;
    }
    constexpr clsSettingRow StoredAlways() const {
        clsSettingRow row = *this;
        row.storedAlways = true;
        return row;
    }
    constexpr clsSettingRow Repaint(uint8_t flags) const {
        clsSettingRow row = *this;
        row.repaint = flags;
        return row;
    }
    constexpr clsSettingRow Mark(clsSettingMark m) const {
        clsSettingRow row = *this;
        row.mark = m;
        return row;
    }
    constexpr clsSettingRow Convert(clsConversion c) const {
        clsSettingRow row = *this;
        row.conversion = c;
        return row;
    }
    constexpr clsSettingRow Step(int32_t s) const {
        clsSettingRow row = *this;
        row.step = s;
        return row;
    }
    constexpr clsSettingRow SubKey(int32_t key) const {
        clsSettingRow row = *this;
        row.subKey = key;
        return row;
    }
    constexpr clsSettingRow Variant(clsListVariant v) const {
        clsSettingRow row = *this;
        row.variant = v;
        return row;
    }
    constexpr clsSettingRow BandSwitch() const {
        clsSettingRow row = *this;
        row.bandSwitch = true;
        return row;
    }
};

// Every settings label's row.
std::span<const clsSettingRow> SettingRows();

// The list key a choice row uses for a model type.
std::string SettingListKey(const clsSettingRow& row, int32_t modelType);

// The list keys of the LCD symbol cells by band index, before the E suffix.
std::span<const char* const> LcdSymbolLists();

// The generic handler of every row.
void SettingCell(clsCellCall& call);
