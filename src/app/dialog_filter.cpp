#include "app/dialog_filter.h"

#include <algorithm>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

std::vector<std::string> DialogFilterEntries(const std::string& filter) {
    std::vector<std::string> entries;
    if (filter.empty()) return entries;
    const std::vector<std::string> parts = Split(filter, '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string& description = parts[i];
        std::string patterns = parts[i + 1];
        if (patterns.empty()) continue;
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        const std::string named = "(" + patterns + ")";
        if (description.find(named) != std::string::npos) {
            entries.push_back(description);
        } else {
            entries.push_back(description + " " + named);
        }
    }
    return entries;
}
