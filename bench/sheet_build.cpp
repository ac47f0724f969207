// Switching pages: building the largest channel-bank sheet of the shipped overlay (the
// International bank, 421 channel rows and a heading) on a grid without a window, then asking
// the engine for what the user sees. The goal is that a page switch feels instant: the build with
// the painting of a screenful well under 20 ms, the build with every cell's display text well
// under 50 ms.
#include <benchmark/benchmark.h>

#include "base/event_manager.h"
#include "sheets/estimated_text_measure.h"
#include "sheets/layout_grid.h"
#include "sheets/radio_sheet.h"
#include "sheets/sheet_listing.h"
#include "shipped_overlay.h"

namespace {

constexpr const char* kSheet = "GI_Sheet_IntCh";
constexpr int32_t kScreenWidth = 900;
constexpr int32_t kScreenHeight = 700;

struct Program {
    Program() : host(overlay) {
        if (!host.LoadInitialImage(0)) abort();
    }
    clsShippedOverlay overlay;
    clsShippedHost host;
};

Program& TheProgram() {
    static Program program;
    return program;
}

clsSheetServices Services(Program& program) {
    clsSheetServices services;
    services.events = &program.host.Events();
    services.settings = &program.host.Settings();
    services.columnWidths = &program.host.Environ();
    return services;
}

// Argument 1: the usable-channels view, which looks at every channel's flags first.
void BM_BuildChannelSheet(benchmark::State& state) {
    Program& program = TheProgram();
    program.host.Environ().Settings().chListType = static_cast<int32_t>(state.range(0));
    cmcEstimatedTextMeasure measure;
    for (auto _ : state) {
        cuiLayoutGrid grid(kScreenWidth, kScreenHeight);
        iuiSheet sheet(grid, program.overlay.store, kSheet, measure, Services(program),
                       RadioSheetState(program.host));
        sheet.Build();
        benchmark::DoNotOptimize(sheet.RowCount());
    }
    program.host.Environ().Settings().chListType = 0;
}
BENCHMARK(BM_BuildChannelSheet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a page switch costs on screen: the build, then every cell in view painted.
void BM_BuildAndPaintScreen(benchmark::State& state) {
    Program& program = TheProgram();
    cmcEstimatedTextMeasure measure;
    int64_t painted = 0;
    for (auto _ : state) {
        cuiLayoutGrid grid(kScreenWidth, kScreenHeight);
        iuiSheet sheet(grid, program.overlay.store, kSheet, measure, Services(program),
                       RadioSheetState(program.host));
        sheet.Build();
        for (int32_t r = 0; r < sheet.RowCount(); ++r) {
            const clsCellRect row = grid.CellRect(0, r);
            if (row.bottom == 0 && row.top == 0) continue;  // scrolled out of view
            if (row.top >= kScreenHeight) break;
            for (int32_t c = 0; c < sheet.ColCount(); ++c) {
                benchmark::DoNotOptimize(sheet.Paint(c, r).lines.size());
                ++painted;
            }
        }
    }
    state.counters["cells"] =
        benchmark::Counter(static_cast<double>(painted) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_BuildAndPaintScreen)->Unit(benchmark::kMillisecond);

// Every cell of the sheet evaluated: what listing and printing the whole page cost.
void BM_BuildAndEvaluateAllCells(benchmark::State& state) {
    Program& program = TheProgram();
    size_t cells = 0;
    for (auto _ : state) {
        cuiSheetListing listing(program.overlay.store, kSheet, RadioSheetState(program.host));
        cells = 0;
        for (const auto& row : listing.Texts())
            cells += row.size();
        benchmark::DoNotOptimize(cells);
    }
    state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(BM_BuildAndEvaluateAllCells)->Unit(benchmark::kMillisecond);

}  // namespace
