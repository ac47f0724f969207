#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dialogs/entry_mask.h"

// The keys the masked entry reacts to besides the characters typed.
enum class clsEntryKey { Left, Right, Home, End, Backspace, Delete };

// What the masked entry dialog does, without a window: the edit text under its mask, the cursor,
// the check, and the one commit. The edit text always has the mask's length; a blank at an
// editable position is a character not typed yet and shows as "_". Typing overwrites; the cursor
// never leaves the editable positions, except to stand just past the last one.
class cuiMaskedEntry {
public:
    // Opens with the engine's value text. When the key that opened the dialog (the owner's
    // request code) is a digit, it is the first character typed.
    cuiMaskedEntry(const clsEntryMask& mask, std::string valueText, int32_t openingCode);

    const std::string& Text() const { return m_text; }
    // The text as the edit shows it: untyped positions as "_".
    std::string ShownText() const;
    int32_t Cursor() const { return m_cursor; }

    // Only digits and the hemisphere letters E, N, S and W (either case) are taken, each only
    // where the mask has room for it; letters become upper case. False when refused.
    bool Type(char c);
    void Press(clsEntryKey key);
    // A click in the edit: the cursor goes to the nearest position it may stand on.
    void PlaceCursor(int32_t position);

    // The value text the edit text stands for, and whether it passes the mode's check.
    std::string ValueText() const;
    bool Passes() const;

    // The text to hand to the engine, once: the value text when it passes the check, else the
    // value text the dialog was opened with, which leaves the cell as it was. Nothing after a
    // commit or a cancel.
    std::optional<std::string> Commit();
    void Cancel();
    bool IsFinished() const { return m_committed || m_cancelled; }

private:
    int32_t NextEditable(int32_t from) const;
    int32_t PreviousEditable(int32_t before) const;

    const clsEntryMask& m_mask;
    std::string m_openingValue;
    std::string m_text;
    int32_t m_cursor = 0;
    bool m_committed = false;
    bool m_cancelled = false;
};
