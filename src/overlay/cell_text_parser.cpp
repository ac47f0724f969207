#include "overlay/cell_text_parser.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "overlay/cell_registry.h"
#include "overlay/colour_names.h"
#include "overlay/decimal_text.h"
#include "overlay/double_byte.h"
#include "overlay/gtex.h"
#include "platform/fatal.h"

namespace {

enum class FlagByte { Layout, Rules };

struct FlagLetter {
    char letter;
    FlagByte byte;
    uint8_t mask;
    uint8_t value;
    bool clearable;  // "!" before the letter clears instead of setting
};

constexpr FlagLetter kFlagLetters[] = {
    {'<', FlagByte::Layout, clsCellLayout::kAlignMask, clsCellLayout::kAlignLeft, false},
    {'^', FlagByte::Layout, clsCellLayout::kAlignMask, clsCellLayout::kAlignCentre, false},
    {'>', FlagByte::Layout, clsCellLayout::kAlignMask, clsCellLayout::kAlignRight, false},
    {'~', FlagByte::Layout, clsCellLayout::kVAlignMask, clsCellLayout::kVAlignTop, false},
    {'-', FlagByte::Layout, clsCellLayout::kVAlignMask, clsCellLayout::kVAlignCentre, false},
    {'_', FlagByte::Layout, clsCellLayout::kVAlignMask, clsCellLayout::kVAlignBottom, false},
    {'W', FlagByte::Layout, clsCellLayout::kFitWidth, clsCellLayout::kFitWidth, true},
    {'H', FlagByte::Layout, clsCellLayout::kFitHeight, clsCellLayout::kFitHeight, true},
    {'+', FlagByte::Layout, clsCellLayout::kContinues, clsCellLayout::kContinues, true},
    {'B', FlagByte::Layout, clsCellLayout::kBottomRule, clsCellLayout::kBottomRule, true},
    {'X', FlagByte::Rules, clsCellRule::kRightRuleMask, clsCellRule::kRightRuleFull, true},
    {'Q', FlagByte::Rules, clsCellRule::kRightRuleMask, clsCellRule::kRightRuleLower, true},
    {'S', FlagByte::Rules, clsCellRule::kSelectable, clsCellRule::kSelectable, true},
    {'T', FlagByte::Rules, clsCellRule::kFollowsLeft, clsCellRule::kFollowsLeft, true},
};

// Model chains deeper than this are taken for a loop in the overlay.
constexpr size_t kMaxModelDepth = 32;
constexpr size_t kMaxExpressionDigits = 6;

constexpr std::string_view kVariablePrefix = "@ch";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

// Where the group that starts after "(" ends: the next ")" that is not escaped, or the end.
size_t GroupEnd(std::string_view text, size_t from) {
    size_t at = from;
    while (at < text.size() && text[at] != ')') {
        at += IsLeadByte(text[at]) || text[at] == '\\' ? 2 : 1;
    }
    return std::min(at, text.size());
}

// Each "\" removed and the byte after it kept.
std::string Unescaped(std::string_view text) {
    std::string result;
    for (size_t at = 0; at < text.size(); ++at) {
        if (IsLeadByte(text[at]) && at + 1 < text.size()) {
            result += text[at++];
        } else if (text[at] == '\\') {
            if (++at == text.size()) break;
        }
        result += text[at];
    }
    return result;
}

// Leading and trailing blanks and control characters go.
std::string_view Trimmed(std::string_view text) {
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

void cmcCellTextParser::Parse(std::string_view cellText) {
    // "{" switches to attributes, "}" back to the caption; braces neither nest nor escape.
    std::string attributes;
    std::string caption;
    std::string* mode = &caption;
    for (size_t at = 0; at < cellText.size(); ++at) {
        const char c = cellText[at];
        if (IsLeadByte(c) && at + 1 < cellText.size()) {
            *mode += c;
            *mode += cellText[++at];
        } else if (c == '{') {
            mode = &attributes;
        } else if (c == '}') {
            mode = &caption;
        } else {
            *mode += c;
        }
    }
    ApplyAttributes(attributes);
    SetCaptionFrom(caption);
}

void cmcCellTextParser::ApplyAttributes(std::string_view attributes) {
    bool clear = false;
    size_t at = 0;
    while (at < attributes.size()) {
        const char c = attributes[at];
        const bool clearThis = std::exchange(clear, false);  // "!" acts on the next byte only
        if (IsLeadByte(c) || c == '\\') {
            at += 2;  // "\" makes the next byte ordinary
        } else if (c == '(') {
            const size_t end = GroupEnd(attributes, at + 1);
            ApplyGroup(attributes.substr(at + 1, end - at - 1));
            at = end + 1;
        } else {
            if (c == '!') {
                clear = true;
            } else {
                ApplyFlagLetter(c, clearThis);
            }
            ++at;
        }
    }
}

void cmcCellTextParser::ApplyFlagLetter(char letter, bool clear) {
    for (const FlagLetter& flag : kFlagLetters) {
        if (flag.letter != letter) continue;
        uint8_t& bits = flag.byte == FlagByte::Layout ? m_cell.m_layout : m_cell.m_rules;
        const uint8_t value = clear && flag.clearable ? 0 : flag.value;
        bits = static_cast<uint8_t>((bits & ~flag.mask) | value);
        return;
    }
}

void cmcCellTextParser::ApplyGroup(std::string_view group) {
    if (StartsWith(group, "$")) {
        ApplyModel(group.substr(1));
    } else if (StartsWith(group, "Color=")) {
        if (auto colour = ColourOf(group.substr(6))) m_cell.m_colour = *colour;
    } else if (StartsWith(group, "Font=")) {
        ApplyFont(group.substr(5));
    } else if (StartsWith(group, "%")) {
        ApplyBinding(group.substr(1));
    } else if (StartsWith(group, kVariablePrefix)) {
        ApplyVariableCommand(group);
    } else if (StartsWith(group, "ImageIndex=")) {
        m_cell.m_imageIndex = DecimalPrefix(group.substr(11));
    } else if (StartsWith(group, "PopupMenu=")) {
        m_cell.m_popupMenu = group.substr(10);
    } else if (StartsWith(group, "Flag")) {
        ApplyOptionFlag(group.substr(4));
    }
    // Groups of any other kind are left for other readers of the same text.
}

void cmcCellTextParser::ApplyModel(std::string_view name) {
    // A model that is already being expanded adds nothing more: a loop of models in the overlay
    // would otherwise never end.
    if (m_modelsInUse.size() >= kMaxModelDepth ||
        std::find(m_modelsInUse.begin(), m_modelsInUse.end(), name) != m_modelsInUse.end())
        return;
    const std::string key = "CellModel_" + std::string(name);
    // Models always come from the main store, whatever store the cell text came from.
    cmcGTex* store = MainGTex();
    if (store == nullptr) OvlKeyNotFound(key);
    const std::string model = store->GetFirstLine(key);
    m_modelsInUse.emplace_back(name);
    ApplyAttributes(model);
    m_modelsInUse.pop_back();
}

void cmcCellTextParser::ApplyFont(std::string_view fields) {
    if (!m_cell.m_font) {
        const cmcCellObj* parent = m_cell.m_parent;
        m_cell.m_font = parent != nullptr && parent->m_font ? *parent->m_font : datCellFont{};
    }
    ApplyFontFields(*m_cell.m_font, fields);
}

void cmcCellTextParser::ApplyBinding(std::string_view binding) {
    // [category "."] label ["[" index "]"] [":" suffix]
    const size_t dot = binding.find('.');
    if (dot != std::string_view::npos && (dot == 0 || binding[dot - 1] != '\\')) {
        m_cell.m_category = CategoryOf(binding.substr(0, dot));
        binding.remove_prefix(dot + 1);
    }
    const size_t labelEnd = std::min(binding.find_first_of("[:"), binding.size());
    m_cell.m_label = LabelOf(binding.substr(0, labelEnd));
    binding.remove_prefix(labelEnd);
    if (StartsWith(binding, "[")) {
        const size_t close = std::min(binding.find(']'), binding.size());
        const std::string_view index = binding.substr(1, close - 1);
        size_t length = 0;
        m_cell.m_index =
            StartsWith(index, kVariablePrefix) ? Variable(index, &length) : DecimalPrefix(index);
        binding.remove_prefix(std::min(close + 1, binding.size()));
    }
    if (StartsWith(binding, ":")) m_cell.m_suffix = Unescaped(binding.substr(1));
}

void cmcCellTextParser::ApplyVariableCommand(std::string_view group) {
    // "@chN++" increments, "@chN=value" sets; blanks may follow the digit and the "=".
    size_t length = 0;
    int32_t& variable = Variable(group, &length);
    const std::string_view command = SkipBlanks(group.substr(length));
    if (StartsWith(command, "++")) {
        variable = static_cast<int32_t>(static_cast<uint32_t>(variable) + 1u);
    } else if (StartsWith(command, "=")) {
        variable = DecimalPrefix(SkipBlanks(command.substr(1)));
    }
}

void cmcCellTextParser::ApplyOptionFlag(std::string_view group) {
    // digit "=" "0" or "1"; anything else is ignored
    if (group.size() < 3 || group[0] < '0' || group[0] > '7' || group[1] != '=') return;
    if (group[2] == '0' || group[2] == '1') m_cell.SetOptionFlag(group[0] - '0', group[2] == '1');
}

int32_t& cmcCellTextParser::Variable(std::string_view text, size_t* length) {
    const size_t digit = kVariablePrefix.size();
    if (m_variables == nullptr || !StartsWith(text, kVariablePrefix) || text.size() <= digit ||
        !IsDigit(text[digit]) || (text.size() > digit + 1 && IsDigit(text[digit + 1])))
        FatalError("Ch No. Error");
    *length = digit + 1;
    return (*m_variables)[text[digit] - '0'];
}

void cmcCellTextParser::SetCaptionFrom(std::string_view text) {
    text = Trimmed(text);
    std::string caption;
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (IsLeadByte(c) && at + 1 < text.size()) {
            caption += c;
            caption += text[++at];
            continue;
        }
        if (c != '\\') {
            caption += c;
            continue;
        }
        if (++at == text.size()) break;  // a "\" at the very end shows nothing
        switch (text[at]) {
            case 'N':
            case 'n':
                caption += '\n';
                break;
            case '_':
                caption += ' ';
                break;
            case '(': {
                const size_t close = text.find(')', at + 1);
                if (close == std::string_view::npos) FatalError("Illegal Ch No.");
                caption += Expression(text.substr(at + 1, close - at - 1));
                at = close;
                break;
            }
            default:
                caption += text[at];
        }
    }
    m_cell.m_caption = std::move(caption);
}

std::string cmcCellTextParser::Expression(std::string_view text) {
    // "@chN", optionally "+" and a number; blanks and tabs do not count.
    std::string packed;
    for (char c : text) {
        if (c != ' ' && c != '\t') packed += c;
    }
    size_t length = 0;
    int64_t value = Variable(packed, &length);
    const std::string_view rest = std::string_view(packed).substr(length);
    if (StartsWith(rest, "+")) value += DecimalPrefix(rest.substr(1));
    char digits[24];
    std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
    return std::string(digits).substr(0, kMaxExpressionDigits);
}
