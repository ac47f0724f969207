#include <gtest/gtest.h>

#include "model/cell_request.h"
#include "sheet_fixture.h"
#include "sheets/sheet_listing.h"

namespace {

TEST(SheetListing, WalksEveryCellWithTheTextItShows) {
    SheetFixture fixture({"#GI_Sheet_T_Style", "(FixedRows=1)", "#", "#GI_Sheet_T_BasicCell",
                          "{($Basic)(%CT_IntCh.)}", "#", "#GI_Sheet_T_Cells",
                          "{($Head)}Ch|{($Head)+}joined|{($Head)}Name|", ":(LoopFrom 2)",
                          "{($Head)(%CL_ChList_No[6])}|{}|{($Val)(%CL_ChList_Comment[6])}|",
                          ":(LoopTo)", "#"});
    const std::string name = "GULL";
    for (size_t i = 0; i < name.size(); ++i)
        fixture.image.SetByte(0x0F10 + 10 * 7 + static_cast<int32_t>(i),
                              static_cast<uint8_t>(name[i]));
    cuiSheetListing listing(fixture.store, "GI_Sheet_T", RadioSheetState(fixture));
    ASSERT_EQ(listing.RowCount(), 3);
    ASSERT_EQ(listing.ColCount(), 3);
    const auto texts = listing.Texts();
    EXPECT_EQ(texts[0], (std::vector<std::string>{"Ch", "", "Name"}));
    EXPECT_EQ(texts[1][0], GetCellText(listing.Sheet().Cell(0, 1), 0));
    EXPECT_NE(texts[1][0], texts[2][0]);
    EXPECT_EQ(texts[2][2].substr(0, 4), "GULL");
    EXPECT_EQ(listing.Cell(2, 2).GetIndex(), 7);
}

}  // namespace
