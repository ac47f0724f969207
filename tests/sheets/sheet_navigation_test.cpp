#include <gtest/gtest.h>

#include <cstring>

#include "sheet_fixture.h"
#include "sheets/sheet_keys.h"

namespace {

using Cell = std::pair<int32_t, int32_t>;

// A sheet of one row per mask: "S" a selectable cell, "." a hole.
std::vector<std::string> MaskSheet(const std::vector<std::string>& masks,
                                   const std::string& style = "") {
    std::vector<std::string> lines = {"#GI_Sheet_T_Style",     style,        "#",
                                      "#GI_Sheet_T_BasicCell", "{($Basic)}", "#",
                                      "#GI_Sheet_T_Cells"};
    for (const std::string& mask : masks)
        lines.push_back(SelectableRow(mask));
    lines.push_back("#");
    return lines;
}

Cell Current(SheetFixture& fixture) {
    return {fixture.grid.Col(), fixture.grid.Row()};
}

TEST(SheetKeys, PageDownMovesTenSelectableRowsAndStopsAtTheLast) {
    std::vector<std::string> masks;
    for (int32_t r = 0; r < 25; ++r)
        masks.push_back(r % 3 == 1 ? "." : "S");  // 17 selectable
    SheetFixture fixture(MaskSheet(masks));
    auto sheet = fixture.Page("GI_Sheet_T");
    ASSERT_EQ(Current(fixture), Cell(0, 0));
    sheet->KeyDown(clsSheetKey::kPageDown, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 15));  // rows 2, 3, 5, 6, 8, 9, 11, 12, 14, 15
    sheet->KeyDown(clsSheetKey::kPageDown, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 24));
    sheet->KeyDown(clsSheetKey::kPageDown, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 24));
    sheet->KeyDown(clsSheetKey::kPageUp, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 9));
}

TEST(SheetKeys, ArrowsCrossHolesToTheNearestSelectableCell) {
    SheetFixture fixture(MaskSheet({"S..S", ".S..", "..S.", "S.SS"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    struct Step {
        int32_t key;
        Cell to;
    };
    const Step steps[] = {
        {clsSheetKey::kRight, {3, 0}},  // straight along the row over the holes
        {clsSheetKey::kDown, {3, 3}},   // straight down the column
        {clsSheetKey::kLeft, {2, 3}},  {clsSheetKey::kUp, {2, 2}},
        {clsSheetKey::kUp, {1, 1}},  // nothing straight up: the next row, nearest column
        {clsSheetKey::kUp, {3, 0}},  // row 0: column 3 is nearest to column 2, where the run began
        {clsSheetKey::kLeft, {0, 0}},  {clsSheetKey::kLeft, {0, 0}},
        {clsSheetKey::kDown, {0, 3}},  {clsSheetKey::kRight, {2, 3}},
    };
    for (const Step& step : steps) {
        sheet->KeyDown(step.key, 0);
        EXPECT_EQ(Current(fixture), step.to) << "key " << step.key;
    }
}

TEST(SheetKeys, ARunOfVerticalMovesKeepsToItsColumn) {
    SheetFixture fixture(MaskSheet({"...S", "S...", ".SS."}));
    auto sheet = fixture.Page("GI_Sheet_T");
    ASSERT_EQ(Current(fixture), Cell(3, 0));
    sheet->KeyDown(clsSheetKey::kDown, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 1));
    sheet->KeyDown(clsSheetKey::kDown, 0);
    EXPECT_EQ(Current(fixture), Cell(2, 2));  // towards column 3, where the run began
}

TEST(SheetKeys, CtrlUpAndHomeAreSwallowed) {
    SheetFixture fixture(MaskSheet({"SS", "SS"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    sheet->KeyDown(clsSheetKey::kDown, clsKeyModifier::kCtrl);
    sheet->KeyDown(clsSheetKey::kEnd, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 0));
    sheet->KeyDown(clsSheetKey::kDown, clsKeyModifier::kCtrl | clsKeyModifier::kShift);
    EXPECT_EQ(Current(fixture), Cell(0, 1));
}

TEST(SheetKeys, SelectionListsWrapAroundWithoutScrollBars) {
    SheetFixture fixture(MaskSheet({"S", "S", "S"}));
    iuiSheet list(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure, fixture.Services(),
                  {});
    list.SetSelectionList(true);
    list.Build();
    list.KeyDown(clsSheetKey::kUp, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 2));
    list.KeyDown(clsSheetKey::kDown, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 0));

    fixture.grid.SetClientSize(10, 10);  // scroll bars: no wrap
    list.KeyDown(clsSheetKey::kUp, 0);
    EXPECT_EQ(Current(fixture), Cell(0, 0));
}

TEST(SheetSelection, ShiftExtendsACellRangeFromTheAnchor) {
    SheetFixture fixture(MaskSheet({"SSS", "SSS", "SSS"}, "(MultiSelect=Cell)"));
    auto sheet = fixture.Page("GI_Sheet_T");
    sheet->KeyDown(clsSheetKey::kRight, 0);
    sheet->KeyDown(clsSheetKey::kDown, clsKeyModifier::kShift);
    sheet->KeyDown(clsSheetKey::kRight, clsKeyModifier::kShift);
    EXPECT_EQ(sheet->AnchorCol(), 1);
    EXPECT_EQ(sheet->AnchorRow(), 0);
    std::vector<Cell> selected;
    for (int32_t r = 0; r < 3; ++r)
        for (int32_t c = 0; c < 3; ++c)
            if (sheet->IsSelected(c, r)) selected.push_back({c, r});
    EXPECT_EQ(selected, (std::vector<Cell>{{1, 0}, {2, 0}, {1, 1}, {2, 1}}));
    sheet->KeyDown(clsSheetKey::kLeft, 0);  // a plain move drops the range
    EXPECT_FALSE(sheet->IsSelected(2, 0));
    EXPECT_EQ(sheet->AnchorCol(), 1);
    EXPECT_EQ(sheet->AnchorRow(), 1);
}

TEST(SheetSelection, LineModeMarksWholeRowsAndTheMouseExtends) {
    SheetFixture fixture(MaskSheet({"SSS", "SSS", "SSS"}, "(FixedCols=1)(MultiSelect=Line)"));
    auto sheet = fixture.Page("GI_Sheet_T");
    ASSERT_EQ(Current(fixture), Cell(1, 0));
    // Cells are 7 * 1 + 8 = 15 pixels wide and 1 high (nothing heightens them).
    sheet->MouseDown(20, 0, false, 0);
    sheet->MouseMove(20, 1);
    sheet->MouseUp(20, 1, false);
    EXPECT_EQ(Current(fixture), Cell(1, 1));
    for (int32_t r = 0; r < 3; ++r) {
        EXPECT_EQ(sheet->IsSelected(1, r), r < 2);
        EXPECT_EQ(sheet->IsSelected(2, r), r < 2);  // the whole line, not just the column
        EXPECT_FALSE(sheet->IsSelected(0, r));      // fixed cells are not data
    }
}

TEST(SheetSelection, APlainClickStartsANewSelectionAndAShiftClickExtendsTheOld) {
    SheetFixture fixture(
        MaskSheet({"SSS", "SSS", "SSS", "SSS"}, "(FixedCols=1)(MultiSelect=Line)"));
    auto sheet = fixture.Page("GI_Sheet_T");
    sheet->KeyDown(clsSheetKey::kDown, clsKeyModifier::kShift);  // rows 0 and 1
    ASSERT_TRUE(sheet->IsSelected(1, 1));
    sheet->MouseDown(20, 3, false, 0);
    sheet->MouseUp(20, 3, false);
    EXPECT_EQ(Current(fixture), Cell(1, 3));
    EXPECT_FALSE(sheet->IsRangeActive());
    for (int32_t r = 0; r < 3; ++r)
        EXPECT_FALSE(sheet->IsSelected(1, r)) << r;
    sheet->MouseDown(20, 2, false, clsKeyModifier::kShift);
    sheet->MouseUp(20, 2, false);
    EXPECT_TRUE(sheet->IsSelected(2, 2));
    EXPECT_TRUE(sheet->IsSelected(2, 3));
    EXPECT_FALSE(sheet->IsSelected(2, 1));
}

TEST(SheetSelection, AChangeOfCurrentCellIsAnnouncedAndRebuildsThePopupMenu) {
    SheetFixture fixture({"#GI_Sheet_T_Style", "", "#", "#GI_Sheet_T_BasicCell", "{($Basic)}", "#",
                          "#GI_Sheet_T_Cells",
                          "{S(%CT_IntCh.CL_Null[4])}a|{S(%CT_UsaCh.Flex0[9])(PopupMenu=GI_PM_B)}b|"
                          "{S(%CT_Null.CL_Null[1])}c|",
                          "#"});
    // Current-cell changes as (category, label, index); Edit menu events as (code, first,
    // second) with the section named.
    struct Heard {
        std::vector<std::vector<int32_t>> cells;
        std::vector<std::string> menus;
    } heard;
    auto listener = [](void* context, const cmcEvent& event) {
        Heard& to = *static_cast<Heard*>(context);
        if (event.code == cmcEvCode::CurrentCellChanged) {
            std::vector<int32_t> data(3);
            std::memcpy(data.data(), event.data.data(), 3 * sizeof(int32_t));
            to.cells.push_back(data);
        } else if (event.code == cmcEvCode::MenuSetItems) {
            to.menus.push_back("set " + std::to_string(event.first) + " " +
                               std::to_string(event.second) + " " + event.Text());
        } else if (event.code == cmcEvCode::MenuClearItems) {
            to.menus.push_back("clear " + std::to_string(event.second));
        } else if (event.code == cmcEvCode::RefreshMenus) {
            to.menus.push_back("refresh");
        }
    };
    fixture.events.AddListener(listener, &heard);
    fixture.grid.SetFocus(true);
    auto sheet = fixture.Page("GI_Sheet_T");
    EXPECT_EQ(fixture.popups.built, (std::vector<std::string>{"GI_PMenu_Edit"}));
    sheet->KeyDown(clsSheetKey::kRight, 0);
    sheet->KeyDown(clsSheetKey::kRight, 0);
    fixture.events.Tick();
    EXPECT_EQ(heard.cells,
              (std::vector<std::vector<int32_t>>{{CT_UsaCh, Flex0, 9}, {CT_Null, CL_Null, 1}}));
    EXPECT_EQ(fixture.popups.built,
              (std::vector<std::string>{"GI_PMenu_Edit", "GI_PM_B", "GI_PMenu_Edit"}));
    sheet->FocusLeave();
    EXPECT_EQ(fixture.popups.removed, 1);
    sheet->FocusEnter();  // rebuilt even though the key is the same
    EXPECT_EQ(fixture.popups.built.back(), "GI_PMenu_Edit");
    EXPECT_EQ(fixture.popups.built.size(), 4u);
    const std::string edit = std::to_string(CL_Menu_Edit_Top);
    const std::string set = "set " + std::to_string(kMenuHandlerSheet) + " " + edit + " ";
    EXPECT_EQ(heard.menus, (std::vector<std::string>{set + "GI_PMenu_Edit", set + "GI_PM_B",
                                                     set + "GI_PMenu_Edit", "clear " + edit,
                                                     "refresh", set + "GI_PMenu_Edit"}));
}

TEST(SheetSelection, AClickOnATCellActsOnTheCellItFollows) {
    SheetFixture fixture({"#GI_Sheet_T_Style", "", "#", "#GI_Sheet_T_BasicCell", "{($Basic)}", "#",
                          "#GI_Sheet_T_Cells", "{SW}a|{SW}b|{TW}c|{TW}d|",
                          "{SW}a|{SW}b|{TW}c|{TW}d|", "#"});
    auto sheet = fixture.Page("GI_Sheet_T");
    ASSERT_EQ(Current(fixture), Cell(0, 0));
    sheet->MouseDown(15 * 3 + 2, 1, false, 0);  // on "d" of the second row
    sheet->MouseUp(15 * 3 + 2, 1, false);
    EXPECT_EQ(Current(fixture), Cell(1, 1));
}

}  // namespace
