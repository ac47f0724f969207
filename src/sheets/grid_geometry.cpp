#include "sheets/grid_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "overlay/cell_obj.h"
#include "sheets/grid.h"
#include "sheets/sheet_keys.h"

namespace {

// One axis of a grid: its count, fixed part, first scrolling index in view and sizes.
struct clsAxis {
    const cuiGrid& grid;
    bool columns;

    int32_t Count() const { return columns ? grid.ColCount() : grid.RowCount(); }
    int32_t Fixed() const { return columns ? grid.FixedCols() : grid.FixedRows(); }
    int32_t First() const { return columns ? grid.LeftCol() : grid.TopRow(); }
    int32_t Size(int32_t i) const { return columns ? grid.ColWidth(i) : grid.RowHeight(i); }
    int32_t FixedSize() const {
        int32_t size = 0;
        for (int32_t i = 0; i < Fixed(); ++i)
            size += Size(i);
        return size;
    }
};

std::vector<int32_t> Visible(const clsAxis& axis, int32_t extent) {
    std::vector<int32_t> shown;
    int32_t at = 0;
    for (int32_t i = 0; i < axis.Fixed() && at < extent; ++i) {
        shown.push_back(i);
        at += axis.Size(i);
    }
    for (int32_t i = std::max(axis.First(), axis.Fixed()); i < axis.Count() && at < extent; ++i) {
        shown.push_back(i);
        at += axis.Size(i);
    }
    return shown;
}

int32_t LastFirst(const clsAxis& axis, int32_t extent) {
    const int32_t room = extent - axis.FixedSize();
    int32_t first = axis.Count() - 1;
    int32_t used = axis.Size(first);
    while (first - 1 >= axis.Fixed() && used + axis.Size(first - 1) <= room) {
        --first;
        used += axis.Size(first);
    }
    return std::max(first, axis.Fixed());
}

int32_t Whole(const clsAxis& axis, int32_t extent) {
    const int32_t room = extent - axis.FixedSize();
    int32_t count = 0;
    int32_t used = 0;
    for (int32_t i = std::max(axis.First(), axis.Fixed()); i < axis.Count(); ++i) {
        used += axis.Size(i);
        if (used > room) break;
        ++count;
    }
    return std::max(count, 1);
}

}  // namespace

std::vector<int32_t> VisibleColumns(const cuiGrid& grid, int32_t clientWidth) {
    return Visible({grid, true}, clientWidth);
}

std::vector<int32_t> VisibleRows(const cuiGrid& grid, int32_t clientHeight) {
    return Visible({grid, false}, clientHeight);
}

int32_t LastLeftColumn(const cuiGrid& grid, int32_t clientWidth) {
    if (grid.ColCount() == 0) return 0;
    return LastFirst({grid, true}, clientWidth);
}

int32_t LastTopRow(const cuiGrid& grid, int32_t clientHeight) {
    if (grid.RowCount() == 0) return 0;
    return LastFirst({grid, false}, clientHeight);
}

int32_t WholeColumnsInView(const cuiGrid& grid, int32_t clientWidth) {
    return Whole({grid, true}, clientWidth);
}

int32_t WholeRowsInView(const cuiGrid& grid, int32_t clientHeight) {
    return Whole({grid, false}, clientHeight);
}

clsCellRect ScrollingArea(const cuiGrid& grid, int32_t clientWidth, int32_t clientHeight) {
    const int32_t left = clsAxis{grid, true}.FixedSize();
    const int32_t top = clsAxis{grid, false}.FixedSize();
    return {std::min(left, clientWidth), std::min(top, clientHeight), clientWidth, clientHeight};
}

clsCellRect EditorRect(const clsCellRect& cell, uint8_t verticalAlignment, int32_t textHeight) {
    constexpr int32_t kRise = 1;  // as the text is drawn: one pixel from the top or bottom
    const int32_t cellHeight = std::max(cell.bottom - cell.top, 0);
    const int32_t height = std::clamp(textHeight, 0, cellHeight);
    int32_t top = cell.top + kRise;
    const uint8_t vertical = verticalAlignment & clsCellLayout::kVAlignMask;
    if (vertical == clsCellLayout::kVAlignCentre) {
        top = cell.top + (cellHeight - height) / 2;
    } else if (vertical == clsCellLayout::kVAlignBottom) {
        top = cell.bottom - kRise - height;
    }
    top = std::clamp(top, cell.top, cell.bottom - height);
    return {cell.left, top, cell.right, top + height};
}

int32_t ColumnEdgeAt(const cuiGrid& grid, int32_t x, int32_t y, int32_t slack) {
    int32_t fixedHeight = 0;
    for (int32_t r = 0; r < grid.FixedRows(); ++r)
        fixedHeight += grid.RowHeight(r);
    if (y < 0 || y >= fixedHeight) return -1;
    int32_t found = -1;
    int32_t nearest = slack + 1;
    for (int32_t c = 0; c < grid.ColCount(); ++c) {
        const clsCellRect rect = grid.CellRect(c, 0);
        if (rect.right <= rect.left) continue;
        const int32_t distance = std::abs(x - rect.right);
        if (distance < nearest) {
            nearest = distance;
            found = c;
        }
    }
    return found;
}

uint8_t TimedScrollDirections(const clsCellRect& area, int32_t x, int32_t y) {
    uint8_t directions = 0;
    if (x < area.left) directions |= clsScrollDirection::kLeft;
    if (x >= area.right) directions |= clsScrollDirection::kRight;
    if (y < area.top) directions |= clsScrollDirection::kUp;
    if (y >= area.bottom) directions |= clsScrollDirection::kDown;
    return directions;
}

int32_t TitlePanelHeight(int32_t textHeight) {
    constexpr int32_t kMargin = 8;
    return textHeight + kTitleBevel + kMargin;
}
