#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The choices of one selection sheet for one sub-list key: which values a choice cell may take,
// the text of each and the order in which Space and Backspace walk them. Built once from the
// sheet's description and kept for the program's lifetime.
class cmcChoiceList {
public:
    struct Entry {
        int32_t value;
        std::string text;
        int32_t line;    // line within the sheet's cells
        int32_t column;  // cell within the line
    };

    // Entries in any order; lineCount is the number of lines of the sheet, so that the screen
    // order runs down each column before the next.
    cmcChoiceList(std::vector<Entry> entries, int32_t lineCount);

    // The text of value, or nullptr when the list does not hold it.
    const std::string* Text(int32_t value) const;
    bool Holds(int32_t value) const { return Text(value) != nullptr; }

    // The value step places further in screen order, wrapping at both ends. A value the list does
    // not hold steps to the first entry. An empty list returns the value unchanged.
    int32_t Step(int32_t value, int32_t step) const;

    bool IsEmpty() const { return m_byValue.empty(); }
    size_t Size() const { return m_byValue.size(); }
    // The values in screen order.
    std::vector<int32_t> ScreenOrder() const;

private:
    std::vector<Entry> m_byValue;
    std::vector<size_t> m_byScreen;  // indexes into m_byValue
};

// One cell of a selection sheet as the choice lists need it.
struct clsChoiceCell {
    int32_t label;
    int32_t index;
    std::string text;  // the binding's suffix when it has one, else the caption
    int32_t line;
    int32_t column;
};

// Reads a selection sheet: every cell of its "_Cells" lines, and how many lines there are.
class clsChoiceSource {
public:
    virtual ~clsChoiceSource() = default;
    virtual std::vector<clsChoiceCell> Cells(const std::string& sheetKey, int32_t* lineCount) = 0;
};

// The cache of choice lists by selection sheet key and sub-list key. Lists are built on first use.
class cmcChoiceLists {
public:
    explicit cmcChoiceLists(clsChoiceSource& source) : m_source(source) {}

    const cmcChoiceList& List(std::string_view sheetKey, int32_t label);

    // The text of value, "error" when the list does not hold it.
    std::string Text(std::string_view sheetKey, int32_t label, int32_t value);
    int32_t Step(std::string_view sheetKey, int32_t label, int32_t value, int32_t step);

private:
    struct Key {
        std::string sheetKey;
        int32_t label;
        bool operator==(const Key&) const = default;
    };
    struct KeyView {
        std::string_view sheetKey;
        int32_t label;
    };
    struct KeyHash {
        using is_transparent = void;
        size_t operator()(const Key& key) const { return Hash(key.sheetKey, key.label); }
        size_t operator()(const KeyView& key) const { return Hash(key.sheetKey, key.label); }
        static size_t Hash(std::string_view text, int32_t label);
    };
    struct KeyEqual {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            return a.label == b.label &&
                   std::string_view(a.sheetKey) == std::string_view(b.sheetKey);
        }
    };

    clsChoiceSource& m_source;
    std::unordered_map<Key, std::unique_ptr<cmcChoiceList>, KeyHash, KeyEqual> m_lists;
};
