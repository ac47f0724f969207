#include <gtest/gtest.h>

#include "print/pagination.h"

namespace {

clsSheetSizes Sizes(std::vector<int32_t> widths, std::vector<int32_t> heights, int32_t fixedCols,
                    int32_t fixedRows, std::vector<bool> continues = {}) {
    clsSheetSizes sizes{std::move(widths), std::move(heights), fixedCols, fixedRows,
                        std::move(continues)};
    sizes.continuesHeader.resize(sizes.widths.size(), false);
    return sizes;
}

std::vector<std::pair<int32_t, int32_t>> Spans(const std::vector<clsPageSpan>& spans) {
    std::vector<std::pair<int32_t, int32_t>> out;
    for (const clsPageSpan& span : spans)
        out.emplace_back(span.first, span.count);
    return out;
}

using SpanList = std::vector<std::pair<int32_t, int32_t>>;

TEST(Paginate, ColumnsAllWiderThanThePageGoOnePerPageWithTheFixedOnes) {
    const clsSheetSizes sizes = Sizes({40, 500, 600, 700}, {10, 10}, 1, 1);
    const clsPagination pages = Paginate(sizes, 300, 1000);
    EXPECT_EQ(Spans(pages.cols), (SpanList{{1, 1}, {2, 1}, {3, 1}}));
    for (const clsPageBlock& block : pages.Pages()) {
        const auto cells = PlacePageCells(sizes, block, 0, 0);
        ASSERT_EQ(cells.size(), 4u);
        EXPECT_EQ(cells[0].col, 0);  // the fixed column leads every page
        EXPECT_EQ(cells[1].col, block.cols.first);
        EXPECT_EQ(cells[0].row, 0);  // and the fixed row
        EXPECT_EQ(cells[3].rect.left, 40);
    }
}

TEST(Paginate, ColumnBlocksFillThePageAndTheLastTakesTheRest) {
    const clsSheetSizes sizes = Sizes({50, 100, 100, 100, 100, 100}, {10, 10}, 1, 1);
    EXPECT_EQ(Spans(Paginate(sizes, 250, 1000).cols), (SpanList{{1, 2}, {3, 2}, {5, 1}}));
    EXPECT_EQ(Spans(Paginate(sizes, 550, 1000).cols), (SpanList{{1, 5}}));
}

TEST(Paginate, AContinuedHeaderColumnNeverStartsAPage) {
    // Columns 2-3 and 4-5 are each one header spread over two columns.
    const clsSheetSizes sizes = Sizes({50, 100, 100, 100, 100, 100}, {10, 10}, 1, 1,
                                      {false, false, false, true, false, true});
    const clsPagination pages = Paginate(sizes, 300, 1000);
    EXPECT_EQ(Spans(pages.cols), (SpanList{{1, 1}, {2, 2}, {4, 2}}));
    for (const clsPageSpan& span : pages.cols)
        EXPECT_FALSE(sizes.continuesHeader[static_cast<size_t>(span.first)]);
}

TEST(Paginate, AHeaderContinuedFromTheFirstDataColumnStaysWhole) {
    // The first data column's group is wider than the page: it goes whole onto one page.
    const clsSheetSizes sizes =
        Sizes({50, 200, 200, 100}, {10, 10}, 1, 1, {false, false, true, false});
    EXPECT_EQ(Spans(Paginate(sizes, 300, 1000).cols), (SpanList{{1, 2}, {3, 1}}));
    // A continued column right after the fixed ones still starts the first page.
    const clsSheetSizes first = Sizes({50, 100, 100}, {10, 10}, 1, 1, {false, true, false});
    EXPECT_EQ(Paginate(first, 1000, 1000).cols.front().first, 1);
}

TEST(Paginate, RowBlocksFillThePageHeightAndTakeAtLeastOneRow) {
    const clsSheetSizes sizes = Sizes({10, 10}, {30, 20, 20, 20, 20, 500, 20}, 1, 1);
    const clsPagination pages = Paginate(sizes, 1000, 100);
    EXPECT_EQ(Spans(pages.rows), (SpanList{{1, 3}, {4, 1}, {5, 1}, {6, 1}}));
    EXPECT_EQ(pages.Pages().size(), pages.rows.size() * pages.cols.size());
}

TEST(Paginate, PagesRunAcrossBeforeDown) {
    const clsSheetSizes sizes = Sizes({10, 100, 100}, {10, 50, 50}, 1, 1);
    const auto pages = Paginate(sizes, 150, 80).Pages();
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].cols.first, 1);
    EXPECT_EQ(pages[1].cols.first, 2);
    EXPECT_EQ(pages[1].rows.first, 1);
    EXPECT_EQ(pages[2].rows.first, 2);
}

TEST(PageCells, ExtentCoversTheFixedPartAndTheBlock) {
    const clsSheetSizes sizes = Sizes({30, 100, 120, 140}, {12, 20, 25, 30}, 1, 1);
    const clsPageBlock block{{2, 2}, {2, 1}};
    const clsCellRect extent = PageCellExtent(sizes, block, 100, 200);
    EXPECT_EQ(extent.left, 100);
    EXPECT_EQ(extent.top, 200);
    EXPECT_EQ(extent.right, 100 + 30 + 120 + 140);
    EXPECT_EQ(extent.bottom, 200 + 12 + 25);
    const auto cells = PlacePageCells(sizes, block, 100, 200);
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[4].col, 2);
    EXPECT_EQ(cells[4].row, 2);
    EXPECT_EQ(cells[4].rect.left, 130);
    EXPECT_EQ(cells[4].rect.top, 212);
    EXPECT_EQ(cells[5].rect.right, extent.right);
    EXPECT_EQ(cells[5].rect.bottom, extent.bottom);
}

}  // namespace
