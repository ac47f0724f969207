#include "dialogs/entry_mask.h"

#include <cctype>

namespace {

using namespace std::string_view_literals;

// The identity order of the value text for the modes that exchange the edit text itself; the
// longest layout has 13 characters.
constexpr std::string_view kSameOrder = "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C"sv;

// The degree sign is the single byte 0xB0 in every mode, whatever the system's language.
const clsEntryMask kMasks[] = {
    {clsEntryMode::kDate, "2099/99/99", kSameOrder.substr(0, 10)},
    // "mm/dd/20yy" and "dd/mm/20yy" back to "20yy/mm/dd".
    {clsEntryMode::kDateMonthFirst, "99/99/2099", "\x06\x07\x08\x09\x02\x00\x01\x05\x03\x04"sv},
    {clsEntryMode::kDateDayFirst, "99/99/2099", "\x06\x07\x08\x09\x02\x03\x04\x05\x00\x01"sv},
    {clsEntryMode::kTime, "99:99:99", kSameOrder.substr(0, 8)},
    {clsEntryMode::kLatitudeSeconds,
     " 99\xB0"
     "99'99\"l",
     kSameOrder.substr(0, 11)},
    {clsEntryMode::kLongitudeSeconds,
     "999\xB0"
     "99'99\"l",
     kSameOrder.substr(0, 11)},
    {clsEntryMode::kLatitude,
     " 99\xB0"
     "99.9999'l",
     kSameOrder},
    {clsEntryMode::kLongitude,
     "999\xB0"
     "99.9999'l",
     kSameOrder},
};

size_t At(int32_t position) {
    return static_cast<size_t>(position);
}

}  // namespace

bool clsEntryMask::IsEditable(int32_t position) const {
    if (position < 0 || position >= Length()) return false;
    const char slot = layout[At(position)];
    return slot == kDigit || slot == kLetter;
}

int32_t clsEntryMask::FirstEditable() const {
    int32_t position = 0;
    while (!IsEditable(position))
        ++position;
    return position;
}

int32_t clsEntryMask::LastEditable() const {
    int32_t position = Length() - 1;
    while (!IsEditable(position))
        --position;
    return position;
}

bool clsEntryMask::Fits(int32_t position, char c) const {
    if (!IsEditable(position)) return false;
    const auto byte = static_cast<unsigned char>(c);
    if (layout[At(position)] == kDigit) return std::isdigit(byte) != 0;
    return std::isupper(byte) != 0;
}

const clsEntryMask* FindEntryMask(int32_t mode) {
    for (const clsEntryMask& mask : kMasks) {
        if (mask.mode == mode) return &mask;
    }
    return nullptr;
}

std::string EntryTextFromValue(const clsEntryMask& mask, const std::string& valueText) {
    std::string entry(mask.layout);
    for (int32_t position = 0; position < mask.Length(); ++position) {
        if (mask.IsEditable(position)) entry[At(position)] = ' ';
    }
    for (size_t k = 0; k < mask.valueOrder.size() && k < valueText.size(); ++k) {
        const auto position = static_cast<int32_t>(mask.valueOrder[k]);
        const auto c = static_cast<char>(std::toupper(static_cast<unsigned char>(valueText[k])));
        if (mask.Fits(position, c)) entry[At(position)] = c;
    }
    return entry;
}

std::string ValueTextFromEntry(const clsEntryMask& mask, const std::string& entryText) {
    std::string value;
    for (const char position : mask.valueOrder) {
        const size_t at = At(position);
        const char c = at < entryText.size() ? entryText[at] : ' ';
        value += c == ' ' ? '0' : c;
    }
    return value;
}
