#include "app/sheet_history.h"

#include <algorithm>

void cmcSheetHistory::Remember(const std::string& name, const datGridPlace& place) {
    const auto older = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry& entry) { return entry.name == name; });
    if (older != m_entries.end()) m_entries.erase(older);
    m_entries.push_front({name, place});
}

const datGridPlace* cmcSheetHistory::Find(const std::string& name) const {
    for (const Entry& entry : m_entries) {
        if (entry.name == name) return &entry.place;
    }
    return nullptr;
}

std::string cmcSheetHistory::NewestName() const {
    return m_entries.empty() ? std::string() : m_entries.front().name;
}
