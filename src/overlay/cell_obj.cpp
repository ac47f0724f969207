#include "overlay/cell_obj.h"

#include <algorithm>

#include "overlay/cell_text_parser.h"
#include "overlay/double_byte.h"

namespace {

// The cell text ends at the first "|" that is neither escaped by "\" nor the second byte of a
// double-byte character.
size_t CellTextEnd(std::string_view row) {
    size_t at = 0;
    while (at < row.size()) {
        if (row[at] == '|') return at;
        at += IsLeadByte(row[at]) || row[at] == '\\' ? 2 : 1;
    }
    return row.size();
}

}  // namespace

std::string_view cmcCellObj::ParseCell(std::string_view row, clsSheetVariables* variables,
                                       const cmcCellObj* parent, bool splitOnly) {
    m_parent = parent;
    ResetFromParent();
    const size_t end = CellTextEnd(row);
    if (!splitOnly) cmcCellTextParser(*this, variables).Parse(row.substr(0, end));
    return row.substr(std::min(end + 1, row.size()));
}

void cmcCellObj::ResetFromParent() {
    if (m_parent != nullptr) {
        const cmcCellObj* parent = m_parent;
        *this = *parent;
        m_parent = parent;
        m_font.reset();
        m_popupMenu.clear();
        return;
    }
    // Without a parent, category and index carry over from the cell parsed before.
    m_label = CL_None;
    m_suffix.clear();
    m_imageIndex = -1;
    m_layout = 0;
    m_rules = 0;
    m_options = 0;
    m_colour = kDefaultColour;
    m_font.reset();
    m_popupMenu.clear();
    m_caption.clear();
}

std::string_view cmcCellObj::GetPopupMenu() const {
    for (const cmcCellObj* cell = this; cell != nullptr; cell = cell->m_parent) {
        if (!cell->m_popupMenu.empty()) return cell->m_popupMenu;
    }
    return {};
}

bool cmcCellObj::GetOptionFlag(int flag) const {
    if (flag < 0 || flag > 7) return false;
    if (flag < 4) return (m_rules >> (clsCellRule::kFirstOptionBit + flag) & 1) != 0;
    return (m_options >> (flag - 4) & 1) != 0;
}

void cmcCellObj::SetOptionFlag(int flag, bool on) {
    if (flag < 0 || flag > 7) return;
    uint8_t& bits = flag < 4 ? m_rules : m_options;
    const int bit = flag < 4 ? clsCellRule::kFirstOptionBit + flag : flag - 4;
    bits = static_cast<uint8_t>(on ? bits | 1u << bit : bits & ~(1u << bit));
}
