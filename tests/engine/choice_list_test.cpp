#include "model/choice_list.h"

#include <gtest/gtest.h>

#include "support/fake_engine_host.h"

namespace {

TEST(ChoiceList, TextsByValueAndErrorForAMissingValue) {
    FakeChoiceSource source;
    source.sheets["GI_Sheet_Sel_Misc_OnOff"] = {{{1, 0, "OFF"}, {2, 0, "Aus"}}, {{1, 1, "ON"}}};
    cmcChoiceLists lists(source);
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Misc_OnOff", 1, 0), "OFF");
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Misc_OnOff", 1, 1), "ON");
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Misc_OnOff", 2, 0), "Aus");  // another sub-list key
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Misc_OnOff", 1, 2), "error");
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Misc_OnOff", 1, -1), "error");
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Nothing", 1, 0), "error");
    EXPECT_EQ(source.reads["GI_Sheet_Sel_Misc_OnOff"], 2);  // once per sub-list key, then cached
}

TEST(ChoiceList, StepsRunInScreenOrderDownEachColumnAndWrap) {
    FakeChoiceSource source;
    // Column 0 holds 0 and 1, column 1 holds 2: the screen order is 0, 1, 2.
    source.sheets["GI_Sheet_Sel_Two"] = {{{1, 0, "A"}, {1, 2, "C"}}, {{1, 1, "B"}}};
    // Values out of order on the screen: 5, 3, 9.
    source.sheets["GI_Sheet_Sel_Mixed"] = {{{1, 5, "five"}}, {{1, 3, "three"}}, {{1, 9, "nine"}}};
    cmcChoiceLists lists(source);
    const struct {
        const char* key;
        int32_t value;
        int32_t step;
        int32_t next;
    } cases[] = {
        {"GI_Sheet_Sel_Two", 0, 1, 1},    {"GI_Sheet_Sel_Two", 1, 1, 2},
        {"GI_Sheet_Sel_Two", 2, 1, 0},    {"GI_Sheet_Sel_Two", 0, -1, 2},
        {"GI_Sheet_Sel_Mixed", 5, 1, 3},  {"GI_Sheet_Sel_Mixed", 9, 1, 5},
        {"GI_Sheet_Sel_Mixed", 5, -1, 9}, {"GI_Sheet_Sel_Mixed", 4, 1, 5},
        {"GI_Sheet_Sel_Mixed", 4, -1, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lists.Step(c.key, 1, c.value, c.step), c.next) << c.key << " " << c.value;
    }
    EXPECT_EQ(lists.List("GI_Sheet_Sel_Mixed", 1).ScreenOrder(), (std::vector<int32_t>{5, 3, 9}));
    EXPECT_EQ(lists.Step("GI_Sheet_Sel_Nothing", 1, 7, 1), 7);
}

}  // namespace
