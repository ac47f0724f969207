#pragma once

#include <cstdint>
#include <vector>

#include "overlay/cell_capsule.h"

// What pagination needs of a sheet built for printing: its column widths and row heights, its
// fixed part, and which columns continue their left neighbour in a fixed row (a header spread
// over several columns, which a page must not split).
struct clsSheetSizes {
    std::vector<int32_t> widths;
    std::vector<int32_t> heights;
    int32_t fixedCols = 0;
    int32_t fixedRows = 0;
    std::vector<bool> continuesHeader;  // one per column
};

// A run of columns or rows: the first and how many.
struct clsPageSpan {
    int32_t first = 0;
    int32_t count = 0;
};

// The data columns and rows one page shows beside the fixed ones, which every page repeats.
struct clsPageBlock {
    clsPageSpan cols;
    clsPageSpan rows;
};

// The sheet cut into column blocks and row blocks; the pages are every row block with every
// column block, across before down.
struct clsPagination {
    std::vector<clsPageSpan> cols;
    std::vector<clsPageSpan> rows;

    std::vector<clsPageBlock> Pages() const;
};

// Cuts the data columns and rows into blocks that fit width by height with the fixed columns and
// rows. A block takes at least one column (row) even when that alone is too wide (high); a column
// block ends only before a column that does not continue a header.
clsPagination Paginate(const clsSheetSizes& sizes, int32_t width, int32_t height);

// One cell as a page places it.
struct clsPlacedCell {
    int32_t col = 0;
    int32_t row = 0;
    clsCellRect rect;
};

// The page's cells, fixed rows and columns first, from (left, top) across and down, each its
// column's width by its row's height.
std::vector<clsPlacedCell> PlacePageCells(const clsSheetSizes& sizes, const clsPageBlock& block,
                                          int32_t left, int32_t top);
// The rectangle those cells cover.
clsCellRect PageCellExtent(const clsSheetSizes& sizes, const clsPageBlock& block, int32_t left,
                           int32_t top);
