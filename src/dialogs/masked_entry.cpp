#include "dialogs/masked_entry.h"

#include <algorithm>
#include <cctype>

#include "dialogs/entry_check.h"

namespace {

bool IsAcceptedKey(char c) {
    return (c >= '0' && c <= '9') || c == 'E' || c == 'N' || c == 'S' || c == 'W';
}

}  // namespace

cuiMaskedEntry::cuiMaskedEntry(const clsEntryMask& mask, std::string valueText, int32_t openingCode)
    : m_mask(mask),
      m_openingValue(std::move(valueText)),
      m_text(EntryTextFromValue(mask, m_openingValue)),
      m_cursor(mask.FirstEditable()) {
    if (openingCode >= '0' && openingCode <= '9') {
        m_text[static_cast<size_t>(m_cursor)] = static_cast<char>(openingCode);
        ++m_cursor;
    }
}

std::string cuiMaskedEntry::ShownText() const {
    std::string shown = m_text;
    for (int32_t position = 0; position < m_mask.Length(); ++position) {
        if (m_mask.IsEditable(position) && shown[static_cast<size_t>(position)] == ' ')
            shown[static_cast<size_t>(position)] = '_';
    }
    return shown;
}

int32_t cuiMaskedEntry::NextEditable(int32_t from) const {
    while (from < m_mask.Length() && !m_mask.IsEditable(from))
        ++from;
    return from;
}

int32_t cuiMaskedEntry::PreviousEditable(int32_t before) const {
    int32_t position = before - 1;
    while (position >= 0 && !m_mask.IsEditable(position))
        --position;
    return position;
}

bool cuiMaskedEntry::Type(char c) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!IsAcceptedKey(c)) return false;
    const int32_t position = NextEditable(m_cursor);
    if (!m_mask.Fits(position, c)) return false;
    m_text[static_cast<size_t>(position)] = c;
    const int32_t next = NextEditable(position + 1);
    m_cursor = next < m_mask.Length() ? next : m_mask.LastEditable() + 1;
    return true;
}

void cuiMaskedEntry::Press(clsEntryKey key) {
    const int32_t first = m_mask.FirstEditable();
    const int32_t last = m_mask.LastEditable();
    switch (key) {
        case clsEntryKey::Left:
            if (m_cursor > first) --m_cursor;
            break;
        case clsEntryKey::Right:
            if (m_cursor < last) ++m_cursor;
            break;
        case clsEntryKey::Home:
            m_cursor = first;
            break;
        case clsEntryKey::End:
            m_cursor = last + 1;
            break;
        case clsEntryKey::Backspace: {
            const int32_t position = PreviousEditable(m_cursor);
            if (position < first) break;
            m_text[static_cast<size_t>(position)] = ' ';
            m_cursor = position;
            break;
        }
        case clsEntryKey::Delete: {
            const int32_t position = NextEditable(m_cursor);
            if (position <= last) m_text[static_cast<size_t>(position)] = ' ';
            break;
        }
    }
}

void cuiMaskedEntry::PlaceCursor(int32_t position) {
    m_cursor = std::clamp(position, m_mask.FirstEditable(), m_mask.LastEditable() + 1);
}

std::string cuiMaskedEntry::ValueText() const {
    return ValueTextFromEntry(m_mask, m_text);
}

bool cuiMaskedEntry::Passes() const {
    return PassesEntryCheck(ValueText(), m_mask.mode);
}

std::optional<std::string> cuiMaskedEntry::Commit() {
    if (IsFinished()) return std::nullopt;
    m_committed = true;
    return Passes() ? ValueText() : m_openingValue;
}

void cuiMaskedEntry::Cancel() {
    if (!m_committed) m_cancelled = true;
}
