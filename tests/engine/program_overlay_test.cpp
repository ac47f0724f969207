// The engine against the overlay the program ships: every selection list a record sheet's label
// names must hold the values the label stores.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/choice_list.h"
#include "model/overlay_choice_source.h"
#include "overlay/gtex.h"
#include "support/test_paths.h"

namespace {

TEST(ProgramOverlay, TheRecordSheetsChoiceListsHoldEveryValueTheLabelsStore) {
    cmcGTex store;
    ASSERT_TRUE(store.SetSourceFile(BinPath("KTV818X.OVL").string()));
    SetMainGTex(&store);
    cmcOverlayChoiceSource source(store);
    cmcChoiceLists lists(source);
    const struct {
        const char* key;
        std::vector<int32_t> values;
    } cases[] = {
        {"GI_Sheet_Sel_ChTag", {0, 1}},
        {"GI_Sheet_Sel_ChTxInh", {0, 1}},
        {"GI_Sheet_Sel_ChPoc", {0, 1}},
        {"GI_Sheet_Sel_ChSimp", {0, 1}},
        {"GI_Sheet_Sel_DscChAtr", {0, 1}},
        {"GI_Sheet_Sel_WxChAtr", {0, 1}},
        {"GI_Sheet_Sel_Misc_Dsc_AdrType", {0, 1}},
        {"GI_Sheet_Sel_ChATRAll", {1, 2, 3, 4}},
        {"GI_Sheet_Sel_ChATRUse", {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        for (const int32_t value : c.values) {
            EXPECT_TRUE(lists.List(c.key, 1).Holds(value)) << c.key << " " << value;
        }
    }
    SetMainGTex(nullptr);
}

}  // namespace
