#include "model/choice_list.h"

#include <algorithm>
#include <functional>

namespace {

const std::string kMissingChoice = "error";

}  // namespace

cmcChoiceList::cmcChoiceList(std::vector<Entry> entries, int32_t lineCount)
    : m_byValue(std::move(entries)) {
    // Stable, so that a value listed twice keeps its first text, as the sheet shows it first.
    std::stable_sort(m_byValue.begin(), m_byValue.end(),
                     [](const Entry& a, const Entry& b) { return a.value < b.value; });
    m_byScreen.resize(m_byValue.size());
    for (size_t i = 0; i < m_byScreen.size(); ++i)
        m_byScreen[i] = i;
    const auto place = [this, lineCount](size_t i) {
        return static_cast<int64_t>(m_byValue[i].line) +
               static_cast<int64_t>(lineCount) * m_byValue[i].column;
    };
    std::stable_sort(m_byScreen.begin(), m_byScreen.end(),
                     [&place](size_t a, size_t b) { return place(a) < place(b); });
}

const std::string* cmcChoiceList::Text(int32_t value) const {
    const auto found = std::lower_bound(m_byValue.begin(), m_byValue.end(), value,
                                        [](const Entry& e, int32_t v) { return e.value < v; });
    if (found == m_byValue.end() || found->value != value) return nullptr;
    return &found->text;
}

int32_t cmcChoiceList::Step(int32_t value, int32_t step) const {
    if (m_byScreen.empty()) return value;
    const auto count = static_cast<int64_t>(m_byScreen.size());
    const auto at = std::find_if(m_byScreen.begin(), m_byScreen.end(),
                                 [&](size_t i) { return m_byValue[i].value == value; });
    if (at == m_byScreen.end()) return m_byValue[m_byScreen.front()].value;
    int64_t position = (at - m_byScreen.begin()) + step;
    if (position >= count) position = 0;
    if (position < 0) position = count - 1;
    return m_byValue[m_byScreen[static_cast<size_t>(position)]].value;
}

std::vector<int32_t> cmcChoiceList::ScreenOrder() const {
    std::vector<int32_t> values;
    for (const size_t i : m_byScreen)
        values.push_back(m_byValue[i].value);
    return values;
}

size_t cmcChoiceLists::KeyHash::Hash(std::string_view text, int32_t label) {
    return std::hash<std::string_view>{}(text)*31 + static_cast<size_t>(label);
}

const cmcChoiceList& cmcChoiceLists::List(std::string_view sheetKey, int32_t label) {
    const auto found = m_lists.find(KeyView{sheetKey, label});
    if (found != m_lists.end()) return *found->second;
    int32_t lineCount = 0;
    std::vector<cmcChoiceList::Entry> entries;
    for (clsChoiceCell& cell : m_source.Cells(std::string(sheetKey), &lineCount)) {
        if (cell.label == label) {
            entries.push_back({cell.index, std::move(cell.text), cell.line, cell.column});
        }
    }
    auto list = std::make_unique<cmcChoiceList>(std::move(entries), lineCount);
    const cmcChoiceList& built = *list;
    m_lists.emplace(Key{std::string(sheetKey), label}, std::move(list));
    return built;
}

std::string cmcChoiceLists::Text(std::string_view sheetKey, int32_t label, int32_t value) {
    const std::string* text = List(sheetKey, label).Text(value);
    return text != nullptr ? *text : kMissingChoice;
}

int32_t cmcChoiceLists::Step(std::string_view sheetKey, int32_t label, int32_t value,
                             int32_t step) {
    return List(sheetKey, label).Step(value, step);
}
