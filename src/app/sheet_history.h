#pragma once

#include <list>
#include <string>

#include "app/sheet_view.h"

// The pages closed so far, most recent first, one entry per sheet name: opening a page again
// puts its grid back where it stood, and with no page open the controller reopens the newest.
class cmcSheetHistory {
public:
    // Puts the page at the head, dropping its older entry.
    void Remember(const std::string& name, const datGridPlace& place);
    // The place of the page whose name equals name byte for byte; null when there is none.
    const datGridPlace* Find(const std::string& name) const;
    bool IsEmpty() const { return m_entries.empty(); }
    // The newest page's name; "" when the history is empty.
    std::string NewestName() const;

private:
    struct Entry {
        std::string name;
        datGridPlace place;
    };
    std::list<Entry> m_entries;
};
