#include "app/item_lines.h"

#include "overlay/gtex.h"

namespace {

// Reads the list that begins at lines[next] under parent; returns with next at the first line
// of a smaller level, or past the end.
void ReadList(const std::vector<datItemLine>& lines, size_t& next, int32_t parent,
              const clsItemMaker& make) {
    const int32_t level = lines[next].level;
    int32_t last = parent;  // a deeper first line has no item of its own level to go under
    while (next < lines.size()) {
        const datItemLine& line = lines[next];
        if (line.level < level) return;
        if (line.level > level) {
            ReadList(lines, next, last, make);
            continue;
        }
        last = make(parent, line);
        ++next;
    }
}

}  // namespace

std::vector<datItemLine> ReadItemLines(cmcGTex& store, const std::string& section) {
    std::vector<datItemLine> lines;
    for (int32_t i = 0;; ++i) {
        const std::string text = store.GetLine(section, i);
        if (!text.empty() && text[0] == '#') break;
        const size_t plus = text.find('+');
        if (plus == std::string::npos) {
            lines.push_back({static_cast<int32_t>(text.size()), ""});
        } else {
            lines.push_back({static_cast<int32_t>(plus), text.substr(plus + 1)});
        }
    }
    return lines;
}

void BuildItemTree(const std::vector<datItemLine>& lines, int32_t root, const clsItemMaker& make) {
    size_t next = 0;
    if (!lines.empty()) ReadList(lines, next, root, make);
}
