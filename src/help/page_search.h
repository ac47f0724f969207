#pragma once

#include <string>
#include <vector>

// One page of the help as the contents search sees it: its file name, title and plain text
// (single-byte texts, as every text of the core).
struct datHelpPage {
    std::string name;
    std::string title;
    std::string text;
};

// The pages that hold every word of query in their title or text, ignoring letter case: those
// whose title holds more of the words first, then in order of title. Indices into pages; a query
// without words finds none.
std::vector<size_t> FindHelpPages(const std::vector<datHelpPage>& pages, const std::string& query);
