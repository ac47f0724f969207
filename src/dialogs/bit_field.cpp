#include "dialogs/bit_field.h"

#include "model/cell_call.h"
#include "platform/string_format.h"

namespace {

constexpr int32_t kTopIndex = 26;  // the cell with index 0 shows bit 26

bool HasBit(int32_t index) {
    return index >= 0 && index <= kTopIndex;
}

uint32_t MaskOf(int32_t index) {
    return uint32_t{1} << (kTopIndex - index);
}

}  // namespace

bool cuiBitField::IsSet(int32_t index) const {
    return HasBit(index) && (m_value & MaskOf(index)) != 0;
}

void cuiBitField::Toggle(int32_t index) {
    if (HasBit(index)) m_value ^= MaskOf(index);
}

clsBitCellAnswer cuiBitField::Request(int32_t index, int32_t code, clsBitMark mark) {
    const bool toggles = HasBit(index) && (code == clsKey::kSpace || code == clsKey::kDoubleClick);
    if (toggles) Toggle(index);
    const bool set = IsSet(index);
    const bool letter = mark == clsBitMark::Letter;
    return {std::string(set && letter ? 1 : 0, 'o'), set && !letter, toggles};
}

std::string cuiBitField::CommitText() const {
    return StringPrintf("%u", m_value);
}
