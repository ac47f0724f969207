#include "print/pagination.h"

#include <algorithm>

namespace {

int32_t SizeAt(const std::vector<int32_t>& sizes, int32_t index) {
    return sizes[static_cast<size_t>(index)];
}

int32_t SumFirst(const std::vector<int32_t>& sizes, int32_t count) {
    int32_t sum = 0;
    for (int32_t i = 0; i < count && i < static_cast<int32_t>(sizes.size()); ++i)
        sum += SizeAt(sizes, i);
    return sum;
}

bool Continues(const clsSheetSizes& sizes, int32_t col) {
    return static_cast<size_t>(col) < sizes.continuesHeader.size() &&
           sizes.continuesHeader[static_cast<size_t>(col)];
}

// Columns from first that make one page: up to the last place where the block may end, once the
// next column would overflow.
int32_t ColumnBlockSize(const clsSheetSizes& sizes, int32_t first, int32_t width) {
    const int32_t cols = static_cast<int32_t>(sizes.widths.size());
    int32_t sum = SumFirst(sizes.widths, sizes.fixedCols);
    int32_t lastBreak = 0;
    for (int32_t i = 0; first + i < cols; ++i) {
        sum += SizeAt(sizes.widths, first + i);
        if (!Continues(sizes, first + i)) lastBreak = i;
        if (lastBreak > 0 && sum > width) return lastBreak;
    }
    return cols - first;
}

int32_t RowBlockSize(const clsSheetSizes& sizes, int32_t first, int32_t height) {
    const int32_t rows = static_cast<int32_t>(sizes.heights.size());
    int32_t sum = SumFirst(sizes.heights, sizes.fixedRows);
    int32_t taken = 0;
    for (int32_t i = 0; first + i < rows; ++i) {
        sum += SizeAt(sizes.heights, first + i);
        if (i > 0 && sum > height) break;
        taken = i + 1;
    }
    return std::max(taken, 1);
}

void AppendPlaced(std::vector<int32_t>& out, int32_t fixed, const clsPageSpan& span) {
    for (int32_t i = 0; i < fixed; ++i)
        out.push_back(i);
    for (int32_t i = 0; i < span.count; ++i)
        out.push_back(span.first + i);
}

}  // namespace

std::vector<clsPageBlock> clsPagination::Pages() const {
    std::vector<clsPageBlock> pages;
    pages.reserve(cols.size() * rows.size());
    for (const clsPageSpan& rowSpan : rows)
        for (const clsPageSpan& colSpan : cols)
            pages.push_back({colSpan, rowSpan});
    return pages;
}

clsPagination Paginate(const clsSheetSizes& sizes, int32_t width, int32_t height) {
    clsPagination pagination;
    const int32_t cols = static_cast<int32_t>(sizes.widths.size());
    const int32_t rows = static_cast<int32_t>(sizes.heights.size());
    for (int32_t c = std::max(sizes.fixedCols, 0); c < cols;) {
        const int32_t count = std::max(ColumnBlockSize(sizes, c, width), 1);
        pagination.cols.push_back({c, count});
        c += count;
    }
    for (int32_t r = std::max(sizes.fixedRows, 0); r < rows;) {
        const int32_t count = RowBlockSize(sizes, r, height);
        pagination.rows.push_back({r, count});
        r += count;
    }
    return pagination;
}

std::vector<clsPlacedCell> PlacePageCells(const clsSheetSizes& sizes, const clsPageBlock& block,
                                          int32_t left, int32_t top) {
    std::vector<int32_t> cols;
    std::vector<int32_t> rows;
    AppendPlaced(cols, sizes.fixedCols, block.cols);
    AppendPlaced(rows, sizes.fixedRows, block.rows);
    std::vector<clsPlacedCell> cells;
    cells.reserve(cols.size() * rows.size());
    int32_t y = top;
    for (const int32_t row : rows) {
        const int32_t height = SizeAt(sizes.heights, row);
        int32_t x = left;
        for (const int32_t col : cols) {
            const int32_t width = SizeAt(sizes.widths, col);
            cells.push_back({col, row, {x, y, x + width, y + height}});
            x += width;
        }
        y += height;
    }
    return cells;
}

clsCellRect PageCellExtent(const clsSheetSizes& sizes, const clsPageBlock& block, int32_t left,
                           int32_t top) {
    std::vector<int32_t> cols;
    std::vector<int32_t> rows;
    AppendPlaced(cols, sizes.fixedCols, block.cols);
    AppendPlaced(rows, sizes.fixedRows, block.rows);
    clsCellRect extent{left, top, left, top};
    for (const int32_t col : cols)
        extent.right += SizeAt(sizes.widths, col);
    for (const int32_t row : rows)
        extent.bottom += SizeAt(sizes.heights, row);
    return extent;
}
