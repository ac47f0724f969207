// The arithmetic of the grid window: cells in view, how far it scrolls, the editor's place, the
// column edge under the mouse and the directions of a held mouse.
#include "sheets/grid_geometry.h"

#include <gtest/gtest.h>

#include "overlay/cell_obj.h"
#include "sheets/layout_grid.h"
#include "sheets/sheet_keys.h"

namespace {

// Six columns 30 wide after a fixed one 20 wide; ten rows 10 high after a fixed one 15 high.
cuiLayoutGrid SampleGrid(int32_t width, int32_t height) {
    cuiLayoutGrid grid(width, height);
    grid.SetSize(7, 11);
    grid.SetFixed(1, 1);
    grid.SetColWidth(0, 20);
    for (int32_t c = 1; c < 7; ++c)
        grid.SetColWidth(c, 30);
    grid.SetRowHeight(0, 15);
    for (int32_t r = 1; r < 11; ++r)
        grid.SetRowHeight(r, 10);
    return grid;
}

TEST(GridGeometry, TheFixedCellsAndTheScrollingOnesFromTheTopLeftAreInView) {
    cuiLayoutGrid grid = SampleGrid(85, 40);
    EXPECT_EQ(VisibleColumns(grid, 85), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(VisibleRows(grid, 40), (std::vector<int32_t>{0, 1, 2, 3}));
    grid.SetTopLeft(5, 9);
    EXPECT_EQ(VisibleColumns(grid, 85), (std::vector<int32_t>{0, 5, 6}));
    EXPECT_EQ(VisibleRows(grid, 40), (std::vector<int32_t>{0, 9, 10}));
    EXPECT_EQ(VisibleColumns(grid, 0), std::vector<int32_t>{});
    EXPECT_EQ(VisibleColumns(grid, 10), (std::vector<int32_t>{0}));
}

TEST(GridGeometry, ScrollingStopsWhereTheLastCellsFillTheView) {
    cuiLayoutGrid grid = SampleGrid(85, 40);
    // 65 pixels beside the fixed column hold the last two columns; 25 below the fixed row the
    // last two rows.
    EXPECT_EQ(LastLeftColumn(grid, 85), 5);
    EXPECT_EQ(LastTopRow(grid, 40), 9);
    EXPECT_EQ(WholeColumnsInView(grid, 85), 2);
    EXPECT_EQ(WholeRowsInView(grid, 40), 2);
    // Everything fits: no scrolling at all.
    EXPECT_EQ(LastLeftColumn(grid, 1000), 1);
    EXPECT_EQ(LastTopRow(grid, 1000), 1);
    // Smaller than one cell: still one cell per step, and never before the fixed part.
    EXPECT_EQ(LastLeftColumn(grid, 5), 6);
    EXPECT_EQ(WholeColumnsInView(grid, 5), 1);
    cuiLayoutGrid empty(100, 100);
    EXPECT_EQ(LastLeftColumn(empty, 100), 0);
    EXPECT_EQ(LastTopRow(empty, 100), 0);
}

TEST(GridGeometry, TheScrollingAreaLiesBesideAndBelowTheFixedCells) {
    cuiLayoutGrid grid = SampleGrid(85, 40);
    const clsCellRect area = ScrollingArea(grid, 85, 40);
    EXPECT_EQ(area.left, 20);
    EXPECT_EQ(area.top, 15);
    EXPECT_EQ(area.right, 85);
    EXPECT_EQ(area.bottom, 40);
    const clsCellRect tiny = ScrollingArea(grid, 4, 3);
    EXPECT_EQ(tiny.left, 4);
    EXPECT_EQ(tiny.top, 3);
}

TEST(GridGeometry, TheEditorSitsAsTheCellsTextIsAligned) {
    const clsCellRect cell{10, 100, 90, 130};
    struct Case {
        uint8_t alignment;
        int32_t top;
    };
    for (const Case& c :
         {Case{clsCellLayout::kVAlignTop, 101}, Case{clsCellLayout::kVAlignCentre, 108},
          Case{clsCellLayout::kVAlignBottom, 115}}) {
        const clsCellRect placed = EditorRect(cell, c.alignment, 14);
        EXPECT_EQ(placed.top, c.top) << int{c.alignment};
        EXPECT_EQ(placed.bottom, c.top + 14);
        EXPECT_EQ(placed.left, 10);
        EXPECT_EQ(placed.right, 90);
    }
    // Text higher than the cell: the editor keeps to the cell.
    const clsCellRect tall = EditorRect(cell, clsCellLayout::kVAlignBottom, 50);
    EXPECT_EQ(tall.top, 100);
    EXPECT_EQ(tall.bottom, 130);
    const clsCellRect flat = EditorRect({0, 5, 10, 5}, clsCellLayout::kVAlignCentre, 14);
    EXPECT_EQ(flat.top, 5);
    EXPECT_EQ(flat.bottom, 5);
}

TEST(GridGeometry, AColumnEdgeIsFoundOnlyNearItInAFixedRow) {
    cuiLayoutGrid grid = SampleGrid(300, 200);
    EXPECT_EQ(ColumnEdgeAt(grid, 50, 5, 3), 1);  // column 1 ends at 50
    EXPECT_EQ(ColumnEdgeAt(grid, 52, 5, 3), 1);
    EXPECT_EQ(ColumnEdgeAt(grid, 18, 5, 3), 0);
    EXPECT_EQ(ColumnEdgeAt(grid, 65, 5, 3), -1);   // inside column 2
    EXPECT_EQ(ColumnEdgeAt(grid, 50, 20, 3), -1);  // a data row
    cuiLayoutGrid noFixedRows(300, 200);
    noFixedRows.SetSize(3, 3);
    noFixedRows.SetColWidth(0, 40);
    EXPECT_EQ(ColumnEdgeAt(noFixedRows, 40, 0, 3), -1);
}

TEST(GridGeometry, AHeldMouseScrollsTowardsTheSideItIsBeyond) {
    const clsCellRect area{20, 15, 200, 100};
    struct Case {
        int32_t x;
        int32_t y;
        uint8_t directions;
    };
    for (const Case& c :
         {Case{100, 50, 0}, Case{10, 50, clsScrollDirection::kLeft},
          Case{200, 50, clsScrollDirection::kRight}, Case{100, 5, clsScrollDirection::kUp},
          Case{100, 130, clsScrollDirection::kDown},
          Case{-5, -5, clsScrollDirection::kLeft | clsScrollDirection::kUp},
          Case{300, 300, clsScrollDirection::kRight | clsScrollDirection::kDown}}) {
        EXPECT_EQ(TimedScrollDirections(area, c.x, c.y), c.directions) << c.x << "," << c.y;
    }
}

TEST(GridGeometry, TheTitlePanelHoldsItsTextBevelAndMargin) {
    EXPECT_EQ(TitlePanelHeight(16), 16 + kTitleBevel + 8);
}

}  // namespace
