#include <gtest/gtest.h>

#include <string>

#include "dialogs/bits_dialog_layout.h"
#include "dialogs/bits_sheet.h"
#include "dialogs/sheet_size.h"
#include "model/cell_call.h"
#include "overlay/gtex.h"
#include "support/fake_grid.h"
#include "support/fake_text_measure.h"

namespace {

constexpr int32_t kByteShift = 18;

TEST(BitsDialogLayout, TheSheetOverCancelAtTheRightAndOkEightPixelsLeftOfIt) {
    const clsBitsDialogLayout layout = LayOutBitsDialog(300, 40, {80, 26});
    EXPECT_EQ(layout.sheet, (clsBox{7, 7, 300, 40}));  // bevel, border
    EXPECT_EQ(layout.width, 2 + 5 + 300 + 5 + 2);
    EXPECT_EQ(layout.cancel, (clsBox{314 - 7 - 80, 7 + 40 + 10, 80, 26}));
    EXPECT_EQ(layout.ok.left + layout.ok.width + 8, layout.cancel.left);
    EXPECT_EQ(layout.ok.top, layout.cancel.top);
    EXPECT_EQ(layout.height, layout.cancel.top + 26 + 5 + 2);
}

TEST(BitsDialogLayout, ASheetNarrowerThanTheButtonsWidensTheDialog) {
    const clsBitsDialogLayout layout = LayOutBitsDialog(60, 40, {80, 26});
    EXPECT_EQ(layout.width, 2 + 5 + 80 + 8 + 80 + 5 + 2);
    EXPECT_EQ(layout.ok.left, 7);
    EXPECT_EQ(layout.sheet.width, 60);
}

// The built-in bits sheet on a grid without a window, over the shipped overlay's cell models.
class BitsSheetTest : public testing::Test {
protected:
    BitsSheetTest() {
        models.SetSourceFile(std::string(KTV_SOURCE_DIR) + "/data/KTV818X.OVL");
        SetMainGTex(&models);
        builtIn.SetSourceLines(BitsSheetLines());
    }
    ~BitsSheetTest() override { SetMainGTex(nullptr); }

    std::unique_ptr<cuiBitsSheet> Make(uint8_t byte, clsBitMark mark) {
        auto sheet = std::make_unique<cuiBitsSheet>(grid, builtIn, kBitsSheetKey, measure,
                                                    clsSheetServices{}, &owner,
                                                    uint32_t{byte} << kByteShift, mark);
        sheet->Build();
        return sheet;
    }

    cmcGTex models;
    cmcGTex builtIn;
    FakeGrid grid{600, 200};
    FakeTextMeasure measure;
    cmcCellCapsule owner;
};

TEST_F(BitsSheetTest, ShowsTheEightBitsOfTheByteUnderTheirNumbers) {
    auto sheet = Make(0xA5, clsBitMark::Letter);
    ASSERT_EQ(sheet->ColCount(), 8);
    ASSERT_EQ(sheet->RowCount(), 2);
    EXPECT_EQ(sheet->FixedRows(), 1);
    const char* shown[8] = {"o", "", "o", "", "", "o", "", "o"};  // 1010 0101
    for (int32_t col = 0; col < 8; ++col) {
        EXPECT_EQ(sheet->CellText(col, 0), std::to_string(7 - col)) << col;
        EXPECT_EQ(sheet->Paint(col, 1).lines.empty() ? "" : sheet->Paint(col, 1).lines[0].text,
                  shown[col])
            << col;
    }
    const clsSheetSize size = FullSheetSize(grid);
    EXPECT_EQ(size.height, grid.RowHeight(0) + grid.RowHeight(1));
    EXPECT_GT(size.width, 8 * FakeTextMeasure::kCharWidth);
}

TEST_F(BitsSheetTest, SpaceTogglesBitSevenAndRepaintsItsCell) {
    auto sheet = Make(0x05, clsBitMark::Letter);
    ASSERT_TRUE(sheet->SelectCell(0, 1));
    grid.ForgetRepaints();
    sheet->KeyPress(' ');
    EXPECT_EQ(sheet->Value() >> kByteShift, 0x85u);
    EXPECT_EQ(sheet->Bits().CommitText(), std::to_string(0x85u << kByteShift));
    EXPECT_TRUE(grid.invalidated.count({0, 1}) == 1 || grid.invalidatedAll > 0);
    // A double-click on bit 0 (its first press makes it current) clears it; other keys toggle
    // nothing.
    const clsCellRect bit0 = grid.CellRect(7, 1);
    sheet->MouseDown(bit0.left + 2, bit0.top + 2, false, 0);
    sheet->MouseUp(bit0.left + 2, bit0.top + 2, false);
    sheet->DoubleClick(bit0.left + 2, bit0.top + 2);
    EXPECT_EQ(sheet->Value() >> kByteShift, 0x84u);
    sheet->KeyPress('x');
    sheet->KeyPress('\r');
    EXPECT_EQ(sheet->Value() >> kByteShift, 0x84u);
}

TEST_F(BitsSheetTest, InCheckMarkModeASetBitIsDrawnNotWritten) {
    auto sheet = Make(0x80, clsBitMark::CheckMark);
    EXPECT_TRUE(sheet->ShowsCheckMark(0, 1));
    EXPECT_FALSE(sheet->ShowsCheckMark(1, 1));
    EXPECT_FALSE(sheet->ShowsCheckMark(0, 0));  // the bit number over it
    const clsCellPaint paint = sheet->Paint(0, 1);
    EXPECT_TRUE(paint.lines.empty() || paint.lines[0].text.empty());
}

}  // namespace
