// The settings cell map against the overlay the program ships: every list a settings cell names,
// in every model variant, must exist and hold the values the cell can store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/choice_list.h"
#include "model/labels_settings.h"
#include "model/model_class.h"
#include "model/overlay_choice_source.h"
#include "overlay/gtex.h"
#include "support/test_paths.h"

namespace {

std::vector<int32_t> ValuesOf(const clsSettingRow& row) {
    if (row.kind == clsSettingKind::Ch70Watch) return {0, 1, 2, 3};
    if (row.field.width == clsSettingWidth::Bit) return {0, 1};
    return {};
}

TEST(SettingsOverlay, EveryListASettingsCellNamesExistsForEveryModelType) {
    cmcGTex store;
    ASSERT_TRUE(store.SetSourceFile(BinPath("KTV818X.OVL").string()));
    SetMainGTex(&store);
    cmcOverlayChoiceSource source(store);
    cmcChoiceLists lists(source);
    // One model type of each combination of the U/E and mobile/handheld classes.
    for (const int32_t modelType : {0, 3, 7, 9}) {
        for (const clsSettingRow& row : SettingRows()) {
            if (row.kind != clsSettingKind::Choice && row.kind != clsSettingKind::Ch70Watch) {
                continue;
            }
            const std::string key = SettingListKey(row, modelType);
            const cmcChoiceList& list = lists.List(key, row.subKey);
            EXPECT_FALSE(list.IsEmpty()) << key << " for label " << row.label;
            for (const int32_t value : ValuesOf(row))
                EXPECT_TRUE(list.Holds(value)) << key << " " << value;
        }
        // ATIS is a European inland system: only the E lists offer its symbol.
        const bool usa = IsModelClassA(modelType);
        for (const char* base : LcdSymbolLists()) {
            const std::string key = std::string(base) + (usa ? "" : "_E");
            for (int32_t value = 0; value <= 5; ++value)
                EXPECT_EQ(lists.List(key, 1).Holds(value), value < 5 || !usa) << key << value;
        }
    }
    EXPECT_NE(store.GetFirstLine("GI_AppInd_Dsc_SelfIdOff"), "");
    SetMainGTex(nullptr);
}

}  // namespace
