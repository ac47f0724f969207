#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The modes the cell value engine opens the masked entry dialog in.
namespace clsEntryMode {
constexpr int32_t kDate = 0;              // 20yy/mm/dd
constexpr int32_t kDateMonthFirst = 1;    // mm/dd/20yy
constexpr int32_t kDateDayFirst = 2;      // dd/mm/20yy
constexpr int32_t kTime = 3;              // hh:mm:ss
constexpr int32_t kLatitudeSeconds = 4;   // " dd°mm'ss"H"
constexpr int32_t kLongitudeSeconds = 5;  // "ddd°mm'ss"H"
constexpr int32_t kLatitude = 6;          // " dd°mm.mmmm'H"
constexpr int32_t kLongitude = 7;         // "ddd°mm.mmmm'H"
}  // namespace clsEntryMode

// The edit mask of one mode: which characters the user fills in and how the edit text maps to
// the value text exchanged with the engine. The value text of a date is "yyyy/mm/dd" in every date
// mode; the other modes exchange the edit text itself.
struct clsEntryMask {
    static constexpr char kDigit = '9';
    static constexpr char kLetter = 'l';

    int32_t mode;
    // One character per position: kDigit or kLetter where the user types, else the literal shown.
    std::string_view layout;
    // Character k of the value text is the edit text's character at valueOrder[k].
    std::string_view valueOrder;

    int32_t Length() const { return static_cast<int32_t>(layout.size()); }
    bool IsEditable(int32_t position) const;
    int32_t FirstEditable() const;
    int32_t LastEditable() const;
    // Whether c (already upper case) may stand at the editable position.
    bool Fits(int32_t position, char c) const;
};

// The mask of a mode 0-7; nullptr for any other number.
const clsEntryMask* FindEntryMask(int32_t mode);

// The edit text the dialog opens with: the literals of the mask, and at each editable position
// the value text's character for it when that fits there (letters in upper case), else a blank.
std::string EntryTextFromValue(const clsEntryMask& mask, const std::string& valueText);

// The value text the dialog sends for an edit text: every blank turned into "0", dates back in
// "yyyy/mm/dd" order.
std::string ValueTextFromEntry(const clsEntryMask& mask, const std::string& entryText);
