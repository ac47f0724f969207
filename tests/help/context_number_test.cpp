// A cell's help goes from its label to a topic and from the topic to a context number through the
// two sections of the help overlay; the popup finds its page the other way round.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/context_number.h"
#include "overlay/cell_registry.h"
#include "overlay/gtex.h"

namespace {

// Labels named once, twice, without a number, with an empty or a wrong number; a label after the
// section's "#" (in the next section) belongs to no topic.
const std::vector<std::string> kHelpOverlay = {
    "#GI_AppItem_Topic_ID",
    "CL_ChList_Simp\tmode.html",
    "CL_ChList_Poc\tpower.html\tignored",
    "CL_ChList_Simp\tpower.html",
    "CL_ChList_Tag\ttwice.html",
    "CL_ChList_Comment\tnumberless.html",
    "CL_ChList_TxInh\tempty.html",
    "CL_ChList_Atr\tword.html",
    "CL_Waypt_Name\tunknown.html",
    "CL_DSC_Poc",
    "#",
    "CL_Waypt_Lat\tmode.html",
    "#GI_AppItem_Context_ID",
    "mode.html\t1010",
    "twice.html\t1040",
    "power.html\t1030",
    "numberless.html",
    "empty.html\t",
    "empty.html\t1077",
    "word.html\tabc",
    "twice.html\t1041",
    "#",
    "unknown.html\t1099",
    "#End_Of_Ovl",
};

class ContextNumbers : public testing::Test {
protected:
    void SetUp() override { m_help.SetSourceLines(kHelpOverlay); }
    cmcHelpGTex m_help;
};

TEST_F(ContextNumbers, FollowLabelToTopicToNumber) {
    struct Case {
        const char* label;
        int32_t number;
    };
    const Case cases[] = {
        {"CL_ChList_Simp", 1010},  // the first line naming the label counts
        {"CL_ChList_Poc", 1030},   // fields after the second are not part of the topic
        {"CL_ChList_Tag", 1041},   // a topic named twice takes the later number
        {"CL_ChList_Comment", 0},  // a topic line without a number
        {"CL_ChList_TxInh", 0},    // an empty number ends the search
        {"CL_ChList_Atr", 0},      // not a number
        {"CL_Waypt_Name", 0},      // the topic's number lies past the section's end
        {"CL_Waypt_Lat", 0},       // the label lies past the section's end
        {"CL_DSC_Poc", 0},         // a label line without a topic
        {"CL_Fch_FreqR", 0},       // a label the section does not name
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ContextNumberOf(m_help, LabelOf(c.label)), c.number) << c.label;
    }
}

TEST_F(ContextNumbers, LeadBackToTheirTopic) {
    struct Case {
        int32_t number;
        const char* topic;
    };
    const Case cases[] = {
        {1010, "mode.html"},
        {1041, "twice.html"},
        {1030, "power.html"},
        {1040, ""},  // replaced by the topic's later line
        {1077, ""},  // behind the empty number that ends the topic's search
        {1099, ""},  // past the section's end
        {0, ""},
        {5, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TopicOfContextNumber(m_help, c.number), c.topic) << c.number;
    }
}

}  // namespace
