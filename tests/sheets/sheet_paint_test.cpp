#include <gtest/gtest.h>

#include "sheet_fixture.h"
#include "sheets/sheet_keys.h"

namespace {

constexpr int32_t w = FakeTextMeasure::kCharWidth;
constexpr int32_t h = FakeTextMeasure::kLineHeight;

std::vector<std::string> PaintSheet(const std::string& style) {
    return {"#GI_Sheet_T_Style", style, "#", "#GI_Sheet_T_BasicCell", "{($Basic)(%CT_IntCh.)}", "#",
            "#GI_Sheet_T_Cells",
            // row 0: a fixed heading; a centred two-line caption over a continued cell
            "{($Head)}Ch|{^WH(Color=clRed)}ab\\ncdef|{+}|{X}|",
            // row 1: selectable, right-aligned, bottom, with a quarter rule; a "T" cell
            "{>_WHQ}1|{SWH}left|{TW(Color=clBlue)}tail|{BW}|",
            // row 2: the attribute cell of channel 0
            "{<}2|{S<~WH(%CL_ChList_Atr[0])}|{}|{}|", "#"};
}

TEST(SheetPaint, TintsFollowTheSystemColours) {
    SheetFixture fixture(PaintSheet("(FixedRows=1)(ColorSelectLine)"));
    auto sheet = fixture.Page("GI_Sheet_T");
    ASSERT_EQ(fixture.grid.Col(), 1);
    ASSERT_EQ(fixture.grid.Row(), 1);
    // Not focused: the current cell takes the selection tint, (3 * 255 + 0 + 2) / 4 = 0xBF.
    EXPECT_EQ(sheet->Paint(1, 1).background, 0xBFBFBFu);
    // The "T" cell on the current row goes with it; other cells of the row take the row tint,
    // (7 * 255 + 0 + 4) / 8 = 0xDF.
    EXPECT_EQ(sheet->Paint(2, 1).background, 0xBFBFBFu);
    EXPECT_EQ(sheet->Paint(3, 1).background, 0xDFDFDFu);
    EXPECT_EQ(sheet->Paint(1, 2).background, 0xFFFFFFu);
    fixture.grid.SetFocus(true);
    const clsCellPaint focused = sheet->Paint(1, 1);
    EXPECT_EQ(focused.background, 0xD77800u);
    EXPECT_EQ(focused.textColour, 0xFFFFFFu);

    clsSystemColours dark;
    dark.window = 0x202020;
    dark.windowText = 0xE0E0E0;
    sheet->SetSystemColours(dark);
    fixture.grid.SetFocus(false);
    EXPECT_EQ(sheet->Paint(1, 1).background, (3 * 0x20 + 0xE0 + 2) / 4 * 0x010101u);
    EXPECT_EQ(sheet->Paint(3, 1).background, (7 * 0x20 + 0xE0 + 4) / 8 * 0x010101u);
}

TEST(SheetPaint, RulesTextAndContinuedCells) {
    SheetFixture fixture(PaintSheet("(FixedRows=1)"));
    auto sheet = fixture.Page("GI_Sheet_T");
    // The heading spans columns 1 and 2; its right rule is left to the last of them.
    const clsCellPaint heading = sheet->Paint(2, 0);
    const clsCellRect c1 = fixture.grid.CellRect(1, 0);
    const clsCellRect c2 = fixture.grid.CellRect(2, 0);
    EXPECT_EQ(heading.area.left, c1.left);
    EXPECT_EQ(heading.area.right, c2.right);
    EXPECT_EQ(heading.background, 0x0000FFu);
    EXPECT_EQ(sheet->Paint(1, 0).rightRule, clsCellPaint::Rule::None);
    ASSERT_EQ(heading.lines.size(), 2u);
    const int32_t width = c2.right - c1.left;
    EXPECT_EQ(heading.lines[0].text, "ab");
    EXPECT_EQ(heading.lines[0].x, c1.left + (width - 2 * w) / 2);
    EXPECT_EQ(heading.lines[1].x, c1.left + (width - 4 * w) / 2);
    EXPECT_EQ(heading.lines[0].y, 1);  // top: one pixel down
    EXPECT_EQ(heading.lines[1].y, 1 + h);
    EXPECT_EQ(sheet->Paint(3, 0).rightRule, clsCellPaint::Rule::Full);

    // Right-aligned at the bottom, with the lower 30 % rule.
    const clsCellPaint number = sheet->Paint(0, 1);
    const clsCellRect cell = fixture.grid.CellRect(0, 1);
    EXPECT_EQ(number.rightRule, clsCellPaint::Rule::Lower);
    EXPECT_EQ(number.rightRuleArea.top, cell.top + (cell.bottom - cell.top) * 7 / 10);
    EXPECT_EQ(number.ruleColour, 0x808080u);
    ASSERT_EQ(number.lines.size(), 1u);
    EXPECT_EQ(number.lines[0].x, cell.right - 4 - w);
    EXPECT_EQ(number.lines[0].y, cell.bottom - 2 - h);  // bottom - 1 - 1 + 0.5, truncated
    EXPECT_TRUE(sheet->Paint(3, 1).bottomRule);
    EXPECT_TRUE(sheet->Paint(1, 1).repaintRight);  // its right neighbour is a "T" cell

    // A text wider than its cell starts at the cell's left edge and is clipped.
    fixture.grid.SetColWidth(1, 10);
    const clsCellPaint narrow = sheet->Paint(1, 1);
    EXPECT_EQ(narrow.lines[0].x, fixture.grid.CellRect(1, 1).left + 4);
    EXPECT_TRUE(narrow.lines[0].clipped);
    fixture.grid.SetColWidth(1, 0);
    EXPECT_FALSE(sheet->Paint(1, 1).draw);
}

TEST(SheetPaint, PrintingPaintsWhiteAndGreyWithBlackRulesAndMarks) {
    SheetFixture fixture(PaintSheet("(FixedRows=1)"));
    fixture.image.SetByte(0x04B0, 0x80);  // channel 0 inhibited while it is the P channel
    iuiSheet sheet(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure, fixture.Services(),
                   {});
    sheet.SetPrinter(96, 96);
    sheet.Build();
    const clsCellPaint plain = sheet.Paint(3, 1);
    EXPECT_FALSE(plain.fill);
    EXPECT_EQ(plain.ruleColour, 0x000000u);
    const clsCellPaint coloured = sheet.Paint(2, 1);
    EXPECT_EQ(coloured.background, 0x606060u);
    EXPECT_EQ(coloured.textColour, 0xFFFFFFu);
    EXPECT_EQ(coloured.ruleColour, 0xFFFFFFu);

    const clsCellPaint attribute = sheet.Paint(1, 2);
    const clsCellRect cell = fixture.grid.CellRect(1, 2);
    ASSERT_EQ(attribute.mark, clsCellPaint::Mark::Error);
    EXPECT_EQ(attribute.markSize, (cell.bottom - cell.top) / 2);
    EXPECT_EQ(attribute.markY, cell.bottom - 1 - attribute.markSize);
    ASSERT_FALSE(attribute.lines.empty());
    const int32_t textRight =
        attribute.lines[0].x + static_cast<int32_t>(attribute.lines[0].text.size()) * w;
    EXPECT_EQ(attribute.markX, std::min(textRight, cell.right - attribute.markSize - 1));

    // On screen a mark needs the application's image list.
    SheetFixture screen(PaintSheet("(FixedRows=1)"));
    screen.image.SetByte(0x04B0, 0x80);
    auto page = screen.Page("GI_Sheet_T");
    EXPECT_EQ(page->Paint(1, 2).mark, clsCellPaint::Mark::None);
}

}  // namespace
