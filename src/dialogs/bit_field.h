#pragma once

#include <cstdint>
#include <string>

// How a set bit shows in the bit-field dialog's cells.
enum class clsBitMark { Letter, CheckMark };

// What a bit cell shows after a request: its text, and whether a check mark is drawn in it.
struct clsBitCellAnswer {
    std::string text;
    bool checkMark = false;
    bool toggled = false;
};

// The value the bit-field dialog edits, without a window. The cells bound to CL_FBits show one bit
// each: the cell with index i shows bit 26 - i, so that the hexadecimal byte cells, which hand
// over their byte shifted left by 18 bits, show bits 7-0 of the byte in the cells 1-8. An index
// outside 0-26 shows no bit and toggles nothing.
class cuiBitField {
public:
    explicit cuiBitField(uint32_t value) : m_value(value) {}

    uint32_t Value() const { return m_value; }
    bool IsSet(int32_t index) const;
    void Toggle(int32_t index);

    // A request on the bit cell with this index: Space or a double-click toggles its bit; a set
    // bit shows as "o" or as a check mark drawn in an empty cell.
    clsBitCellAnswer Request(int32_t index, int32_t code, clsBitMark mark);

    // The value as OK hands it to the engine: unsigned decimal.
    std::string CommitText() const;

private:
    uint32_t m_value;
};
