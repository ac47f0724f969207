#include "overlay/cell_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fatal_trap.h"

namespace {

TEST(CellRegistry, ResolvesNamesToTheirPlaceInTheTables) {
    struct Case {
        std::string name;
        int32_t id;
    };
    // Spread over every group of the label table, so that a shifted entry shows.
    const Case labels[] = {
        {"CL_Null", 0},
        {"Flex0", 1},
        {"CL_FBits", 3},
        {"CL_EeDebugWin_F", 20},
        {"CL_Menu_File_New", 24},
        {"CL_Menu_Debug_EeWindow", 50},
        {"CallSheet", 51},
        {"CL_CloneInfo_Comment", 62},
        {"CL_PMenu_NoItem", 63},
        {"CL_PMenu_Help", 72},
        {"CL_Misc_QuarterPillar", 75},
        {"CL_ChList_No", 78},
        {"CL_WX_ChComment", 116},
        {"CL_DscIndId_Comment", 123},
        {"CL_ComDsc_Alarm_Visual_Inactivity", 217},
        {"CL_DscCall_Alarm_Visual", 239},
        {"CL_ComCom_PowSave2nd", 270},
        {"CL_ComAtis_CanCh", 303},
        {"CL_Waypt_Lon", 306},
        {"CL_MakerR_RX_PLLOpt1", 325},
    };
    for (const Case& c : labels) {
        EXPECT_EQ(LabelOf(c.name), c.id) << c.name;
        EXPECT_EQ(LabelName(c.id), c.name);
    }
    const char* categories[] = {"CT_Null",     "CT_PopupMenu", "CT_IntCh", "CT_UsaCh",
                                "CT_CanCh",    "CT_DscCh",     "CT_WxCh",  "CT_FreeCh",
                                "CT_DscIndId", "CT_Waypoint"};
    for (int32_t id = 0; id < kCategoryCount; ++id)
        EXPECT_EQ(CategoryOf(categories[id]), id);
    EXPECT_EQ(CategoryOf(""), CT_None);
    EXPECT_EQ(LabelOf(""), CL_None);
}

TEST(CellRegistry, EveryLabelNameRoundTrips) {
    for (int32_t id = 0; id < kLabelCount; ++id)
        EXPECT_EQ(LabelOf(LabelName(id)), id) << id;
    EXPECT_EQ(LabelName(CL_None), "");
    EXPECT_EQ(LabelName(-1), "");
}

TEST(CellRegistry, UnknownNamesAreFatal) {
    struct Case {
        bool category;
        std::string name;
    };
    const Case cases[] = {
        {true, "CT_Bogus"},  {true, "ct_null"},  {true, "CT_Null "},
        {true, "CL_Null"},  // the tables share one hash: a label is no category
        {false, "CL_Bogus"}, {false, "cl_null"}, {false, " Flex0"},
        {false, "CT_IntCh"},  // nor a category a label
    };
    for (const Case& c : cases) {
        if (c.category) {
            EXPECT_EQ(CatchFatal([&] { CategoryOf(c.name); }),
                      "Cannot use the specified category.\n'" + c.name + "'");
        } else {
            EXPECT_EQ(CatchFatal([&] { LabelOf(c.name); }),
                      "Cannot use the specified cell.\n'" + c.name + "'");
        }
    }
}

TEST(CellRegistry, MapsCategoriesToChannelLists) {
    const int32_t lists[] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0};
    for (int32_t category = 0; category <= CT_None; ++category)
        EXPECT_EQ(ListNumberOf(category), lists[category]) << category;
    EXPECT_EQ(CatchFatal([] { ListNumberOf(11); }), "Unknown Cell Category. (11)");
    EXPECT_EQ(CatchFatal([] { ListNumberOf(-1); }), "Unknown Cell Category. (-1)");
}

}  // namespace
