#include "help/context_number.h"

#include <string_view>

#include "overlay/cell_registry.h"
#include "overlay/decimal_text.h"
#include "overlay/gtex.h"

namespace {

constexpr const char* kTopicSection = "GI_AppItem_Topic_ID";
constexpr const char* kContextSection = "GI_AppItem_Context_ID";

struct HelpFields {
    std::string first;
    std::string second;
};

HelpFields SplitFields(const std::string& line) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) return {line, ""};
    const size_t end = line.find('\t', tab + 1);
    return {line.substr(0, tab),
            line.substr(tab + 1, end == std::string::npos ? std::string::npos : end - tab - 1)};
}

// The number text of a topic: the last line naming it wins, and a line naming it without a
// number ends the search with that empty text. A single space when no line names it.
std::string NumberTextOf(cmcHelpGTex& help, const std::string& topic) {
    std::string number = " ";
    for (int32_t i = 0; !number.empty(); ++i) {
        const std::string line = help.GetLine(kContextSection, i);
        if (line == "#") break;
        HelpFields fields = SplitFields(line);
        if (fields.first == topic) number = std::move(fields.second);
    }
    return number;
}

int32_t ContextNumberOfTopic(cmcHelpGTex& help, const std::string& topic) {
    return DecimalPrefix(NumberTextOf(help, topic));
}

}  // namespace

int32_t ContextNumberOf(cmcHelpGTex& help, int32_t label) {
    const std::string_view name = LabelName(label);
    std::string topic = " ";
    for (int32_t i = 0;; ++i) {
        const std::string line = help.GetLine(kTopicSection, i);
        if (line == "#") break;
        HelpFields fields = SplitFields(line);
        if (fields.first == name) {
            topic = std::move(fields.second);
            break;
        }
    }
    return ContextNumberOfTopic(help, topic);
}

std::string TopicOfContextNumber(cmcHelpGTex& help, int32_t number) {
    if (number == 0) return "";
    for (int32_t i = 0;; ++i) {
        const std::string line = help.GetLine(kContextSection, i);
        if (line == "#") break;
        const std::string topic = SplitFields(line).first;
        if (ContextNumberOfTopic(help, topic) == number) return topic;
    }
    return "";
}
