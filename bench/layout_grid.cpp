// Hit testing on the largest page, the International channel bank (421 channel rows and a
// heading), scrolled half way down: the cell under each of a screenful of mouse points. The
// baseline is the arithmetic the layout grid used before it kept prefix sums (each edge summed
// from the first column or row, every column and row tried in turn), kept here only to compare.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "sheets/estimated_text_measure.h"
#include "sheets/layout_grid.h"
#include "sheets/radio_sheet.h"
#include "shipped_overlay.h"

namespace {

constexpr const char* kSheet = "GI_Sheet_IntCh";
constexpr int32_t kScreenWidth = 900;
constexpr int32_t kScreenHeight = 700;
constexpr int32_t kPointStep = 20;  // pixels between the mouse points, both ways

int32_t SummedLeft(const cuiLayoutGrid& grid, int32_t column) {
    if (column >= grid.FixedCols() && column < grid.LeftCol()) return -1;
    int32_t x = 0;
    for (int32_t c = 0; c < grid.FixedCols() && c < column; ++c)
        x += grid.ColWidth(c);
    if (column < grid.FixedCols()) return x;
    for (int32_t c = grid.LeftCol(); c < column; ++c)
        x += grid.ColWidth(c);
    return x;
}

int32_t SummedTop(const cuiLayoutGrid& grid, int32_t row) {
    if (row >= grid.FixedRows() && row < grid.TopRow()) return -1;
    int32_t y = 0;
    for (int32_t r = 0; r < grid.FixedRows() && r < row; ++r)
        y += grid.RowHeight(r);
    if (row < grid.FixedRows()) return y;
    for (int32_t r = grid.TopRow(); r < row; ++r)
        y += grid.RowHeight(r);
    return y;
}

bool SummedMouseCell(const cuiLayoutGrid& grid, int32_t x, int32_t y, int32_t& column,
                     int32_t& row) {
    if (x < 0 || y < 0 || x >= grid.ClientWidth() || y >= grid.ClientHeight()) return false;
    int32_t foundCol = -1;
    for (int32_t c = 0; c < grid.ColCount() && foundCol < 0; ++c) {
        const int32_t left = SummedLeft(grid, c);
        if (left != -1 && x >= left && x < left + grid.ColWidth(c)) foundCol = c;
    }
    int32_t foundRow = -1;
    for (int32_t r = 0; r < grid.RowCount() && foundRow < 0; ++r) {
        const int32_t top = SummedTop(grid, r);
        if (top != -1 && y >= top && y < top + grid.RowHeight(r)) foundRow = r;
    }
    if (foundCol < 0 || foundRow < 0) return false;
    column = foundCol;
    row = foundRow;
    return true;
}

// The International page built on a screen-sized grid, scrolled to its middle row.
struct Page {
    Page() : host(overlay), grid(kScreenWidth, kScreenHeight) {
        if (!host.LoadInitialImage(0)) abort();
        sheet = std::make_unique<iuiSheet>(grid, overlay.store, kSheet, measure, clsSheetServices(),
                                           RadioSheetState(host));
        sheet->Build();
        grid.SetTopLeft(grid.LeftCol(), grid.RowCount() / 2);
        for (int32_t y = 0; y < kScreenHeight; y += kPointStep) {
            for (int32_t x = 0; x < kScreenWidth; x += kPointStep)
                points.push_back({x, y});
        }
    }
    struct Point {
        int32_t x;
        int32_t y;
    };
    clsShippedOverlay overlay;
    clsShippedHost host;
    cmcEstimatedTextMeasure measure;
    cuiLayoutGrid grid;
    std::unique_ptr<iuiSheet> sheet;
    std::vector<Point> points;
};

Page& ThePage() {
    static Page page;
    return page;
}

template <typename HitTest>
void HitEveryPoint(benchmark::State& state, HitTest hit) {
    Page& page = ThePage();
    int64_t found = 0;
    for (auto _ : state) {
        for (const Page::Point& p : page.points) {
            int32_t column = 0;
            int32_t row = 0;
            if (hit(page.grid, p.x, p.y, column, row)) found += column + row;
        }
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(page.points.size()));
    state.counters["columns"] = page.grid.ColCount();
    state.counters["rows"] = page.grid.RowCount();
}

void BM_MouseCellSummedBaseline(benchmark::State& state) {
    HitEveryPoint(state, SummedMouseCell);
}
BENCHMARK(BM_MouseCellSummedBaseline)->Unit(benchmark::kMicrosecond);

void BM_MouseCell(benchmark::State& state) {
    HitEveryPoint(state, [](const cuiLayoutGrid& grid, int32_t x, int32_t y, int32_t& column,
                            int32_t& row) { return grid.MouseCell(x, y, column, row); });
}
BENCHMARK(BM_MouseCell)->Unit(benchmark::kMicrosecond);

}  // namespace
