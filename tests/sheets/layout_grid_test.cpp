#include "sheets/layout_grid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// One direction of a grid as a test sets it up: the sizes, the fixed count and the first
// scrolling one in view.
struct AxisSetup {
    std::vector<int32_t> sizes;
    int32_t fixed = 0;
    int32_t first = 0;
};

// Positions the plain way: the fixed ones added up from the start, the scrolling ones from the
// first in view; -1 for those scrolled out.
int32_t ReferencePosition(const AxisSetup& axis, int32_t index) {
    if (index >= axis.fixed && index < axis.first) return -1;
    int32_t position = 0;
    for (int32_t i = 0; i < axis.fixed && i < index; ++i)
        position += axis.sizes[static_cast<size_t>(i)];
    if (index < axis.fixed) return position;
    for (int32_t i = axis.first; i < index; ++i)
        position += axis.sizes[static_cast<size_t>(i)];
    return position;
}

int32_t Count(const AxisSetup& axis) {
    return static_cast<int32_t>(axis.sizes.size());
}

int32_t Size(const AxisSetup& axis, int32_t index) {
    return axis.sizes[static_cast<size_t>(index)];
}

int32_t ReferenceIndexAt(const AxisSetup& axis, int32_t position) {
    for (int32_t i = 0; i < Count(axis); ++i) {
        const int32_t start = ReferencePosition(axis, i);
        if (start != -1 && position >= start && position < start + Size(axis, i)) return i;
    }
    return -1;
}

clsGridSpans ReferenceMeeting(const AxisSetup& axis, int32_t low, int32_t high) {
    clsGridSpans spans;
    if (low >= high) return spans;  // an empty rectangle meets nothing
    for (int32_t i = 0; i < Count(axis); ++i) {
        const int32_t start = ReferencePosition(axis, i);
        if (start == -1 || start >= high || start + Size(axis, i) <= low) continue;
        clsGridSpan& span = i < axis.fixed ? spans.fixed : spans.scrolling;
        if (span.Empty()) span.first = i;
        span.last = i;
    }
    return spans;
}

int32_t ReferenceEdgeAt(const AxisSetup& axis, int32_t x, int32_t tolerance) {
    int32_t found = -1;
    int32_t nearest = tolerance + 1;
    for (int32_t i = 0; i < Count(axis); ++i) {
        const int32_t start = ReferencePosition(axis, i);
        if (start == -1) continue;
        const int32_t distance = std::abs(start + Size(axis, i) - x);
        if (distance < nearest) {
            nearest = distance;
            found = i;
        }
    }
    return found;
}

// Small random layouts: up to nine columns and rows of 0-5 pixels (many of no size, as the rule
// columns of the sheets), any fixed part, any scroll position.
AxisSetup RandomAxis(uint32_t& seed) {
    const auto next = [&seed](uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int32_t>((seed >> 16) % range);
    };
    AxisSetup axis;
    axis.sizes.resize(static_cast<size_t>(next(10)));
    for (int32_t& size : axis.sizes)
        size = next(3) == 0 ? 0 : next(6);
    const int32_t count = Count(axis);
    axis.fixed = count > 1 ? next(static_cast<uint32_t>(count)) : 0;
    axis.first = count > axis.fixed ? axis.fixed + next(static_cast<uint32_t>(count - axis.fixed))
                                    : axis.fixed;
    return axis;
}

int32_t Total(const AxisSetup& axis) {
    int32_t total = 0;
    for (int32_t size : axis.sizes)
        total += size;
    return total;
}

void Apply(cuiLayoutGrid& grid, const AxisSetup& columns, const AxisSetup& rows) {
    grid.SetSize(Count(columns), Count(rows));
    for (int32_t c = 0; c < Count(columns); ++c)
        grid.SetColWidth(c, Size(columns, c));
    for (int32_t r = 0; r < Count(rows); ++r)
        grid.SetRowHeight(r, Size(rows, r));
    grid.SetFixed(columns.fixed, rows.fixed);
    grid.SetTopLeft(columns.first, rows.first);
}

TEST(LayoutGrid, PositionsHitsRangesAndEdgesAgreeWithPlainSums) {
    uint32_t seed = 16;
    for (int layout = 0; layout < 300; ++layout) {
        const AxisSetup columns = RandomAxis(seed);
        const AxisSetup rows = RandomAxis(seed);
        cuiLayoutGrid grid;
        Apply(grid, columns, rows);
        ASSERT_EQ(grid.FixedCols(), columns.fixed) << layout;
        ASSERT_EQ(grid.LeftCol(), columns.first) << layout;
        ASSERT_EQ(grid.FixedRows(), rows.fixed) << layout;
        ASSERT_EQ(grid.TopRow(), rows.first) << layout;

        for (int32_t c = 0; c < Count(columns); ++c)
            EXPECT_EQ(grid.ColumnLeft(c), ReferencePosition(columns, c)) << layout << " col " << c;
        for (int32_t r = 0; r < Count(rows); ++r)
            EXPECT_EQ(grid.RowTop(r), ReferencePosition(rows, r)) << layout << " row " << r;

        const int32_t width = Total(columns);
        const int32_t height = Total(rows);
        for (int32_t x = -1; x <= width + 1; ++x) {
            for (int32_t y = -1; y <= height + 1; ++y) {
                const int32_t col = ReferenceIndexAt(columns, x);
                const int32_t row = ReferenceIndexAt(rows, y);
                int32_t foundCol = -7;
                int32_t foundRow = -7;
                const bool hit = grid.MouseCell(x, y, foundCol, foundRow);
                EXPECT_EQ(hit, col >= 0 && row >= 0) << layout << " at " << x << "," << y;
                if (hit) {
                    EXPECT_EQ(foundCol, col) << layout << " at " << x << "," << y;
                    EXPECT_EQ(foundRow, row) << layout << " at " << x << "," << y;
                }
            }
        }

        for (int32_t low = -1; low <= width + 1; ++low) {
            for (int32_t high = low; high <= width + 2; ++high) {
                EXPECT_EQ(grid.VisibleColumns({low, 0, high, 1}),
                          ReferenceMeeting(columns, low, high))
                    << layout << " columns " << low << "-" << high;
            }
        }
        for (int32_t low = -1; low <= height + 1; ++low) {
            EXPECT_EQ(grid.VisibleRows({0, low, 1, height + 2}),
                      ReferenceMeeting(rows, low, height + 2))
                << layout << " rows from " << low;
        }
        for (int32_t tolerance : {0, 1, 3}) {
            for (int32_t x = -4; x <= width + 4; ++x) {
                EXPECT_EQ(grid.ColumnEdgeAt(x, tolerance), ReferenceEdgeAt(columns, x, tolerance))
                    << layout << " edge at " << x << " within " << tolerance;
            }
        }
    }
}

TEST(LayoutGrid, FollowsSizeAndScrollChangesBetweenQueries) {
    cuiLayoutGrid grid;
    grid.SetSize(4, 3);
    for (int32_t c = 0; c < 4; ++c)
        grid.SetColWidth(c, 10);
    grid.SetFixed(1, 0);
    EXPECT_EQ(grid.ColumnLeft(3), 30);
    grid.SetColWidth(1, 25);
    EXPECT_EQ(grid.ColumnLeft(3), 45);
    EXPECT_EQ(grid.ColumnLeft(4), 55);  // the right edge of the last column
    grid.SetTopLeft(2, 0);
    EXPECT_EQ(grid.ColumnLeft(1), cuiLayoutGrid::kOutOfView);
    EXPECT_EQ(grid.ColumnLeft(2), 10);
    EXPECT_EQ(grid.ColumnLeft(5), cuiLayoutGrid::kOutOfView);
    EXPECT_EQ(grid.ColumnLeft(-1), cuiLayoutGrid::kOutOfView);
    grid.SetSize(6, 3);  // the new columns are one-pixel rules
    EXPECT_EQ(grid.ColumnLeft(6), 32);
    int32_t col = 0;
    int32_t row = 0;
    EXPECT_TRUE(grid.MouseCell(31, 0, col, row));
    EXPECT_EQ(col, 5);
    EXPECT_EQ(grid.ColumnEdgeAt(31, 0), 4);
}

TEST(LayoutGrid, HitsStayInsideTheClientArea) {
    cuiLayoutGrid grid(25, 8);
    grid.SetSize(3, 2);
    for (int32_t i = 0; i < 3; ++i)
        grid.SetColWidth(i, 10);
    grid.SetRowHeight(0, 5);
    grid.SetRowHeight(1, 5);
    int32_t col = -1;
    int32_t row = -1;
    EXPECT_TRUE(grid.MouseCell(24, 7, col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 1);
    EXPECT_FALSE(grid.MouseCell(25, 0, col, row));
    EXPECT_FALSE(grid.MouseCell(0, 8, col, row));
    EXPECT_TRUE(grid.ScrollBarsShown());
    grid.SetClientSize(30, 10);
    EXPECT_FALSE(grid.ScrollBarsShown());
}

}  // namespace
