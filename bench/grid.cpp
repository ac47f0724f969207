// Pages on screen (Qt, offscreen) beside the same page without a window: painting the
// International channel page into a 1280 x 800 window, switching to another page until it is
// painted, and scrolling by a full page. Goals on screen: paint under 5 ms, page switch under
// 20 ms, scroll step under 5 ms. The headless figures are the sheet's own share of each: the
// difference is what Qt's drawing adds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <memory>

#include "sheets/estimated_text_measure.h"
#include "sheets/grid_geometry.h"
#include "sheets/layout_grid.h"
#include "sheets/qt/qt_grid.h"
#include "sheets/qt/sheet_page.h"
#include "sheets/radio_sheet.h"
#include "shipped_overlay.h"

namespace {

constexpr const char* kChannels = "GI_Sheet_IntCh";
constexpr const char* kSettings = "GI_Sheet_ComCom";
constexpr int kWidth = 1280;
constexpr int kHeight = 800;

struct Program {
    Program() : host(overlay) {
        if (!host.LoadInitialImage(0)) abort();
        window.resize(kWidth, kHeight);
        window.show();
    }
    clsShippedOverlay overlay;
    clsShippedHost host;
    QWidget window;
};

Program& TheProgram() {
    static Program program;
    return program;
}

clsSheetServices Services(Program& program) {
    clsSheetServices services;
    services.events = &program.host.Events();
    services.settings = &program.host.Settings();
    services.columnWidths = &program.host.environ;
    return services;
}

std::unique_ptr<cuiSheetPage> OpenPage(Program& program, const char* name) {
    datSheetPageSetup setup{program.overlay.store,
                            Services(program),
                            RadioSheetState(program.host),
                            nullptr,
                            nullptr,
                            false};
    datSheetOpening opening;
    opening.name = name;
    auto page = std::make_unique<cuiSheetPage>(&program.window, opening, setup);
    page->setGeometry(program.window.rect());
    page->show();
    QApplication::processEvents();
    return page;
}

void Render(cuiSheetPage& page, QImage& image) {
    page.Grid().viewport()->render(&image);
}

// Every cell in view as the sheet decides it, without drawing.
int64_t DecideScreen(iuiSheet& sheet, const cuiLayoutGrid& grid) {
    int64_t cells = 0;
    const clsCellRect client{0, 0, grid.ClientWidth(), grid.ClientHeight()};
    const clsGridSpans rows = grid.VisibleRows(client);
    const clsGridSpans columns = grid.VisibleColumns(client);
    for (const clsGridSpan& rowSpan : {rows.fixed, rows.scrolling}) {
        for (int32_t r = rowSpan.first; r <= rowSpan.last; ++r) {
            for (const clsGridSpan& columnSpan : {columns.fixed, columns.scrolling}) {
                for (int32_t c = columnSpan.first; c <= columnSpan.last; ++c) {
                    benchmark::DoNotOptimize(sheet.Paint(c, r).lines.size());
                    ++cells;
                }
            }
        }
    }
    return cells;
}

struct Headless {
    explicit Headless(Program& program, const char* name)
        : grid(kWidth, kHeight),
          sheet(grid, program.overlay.store, name, measure, Services(program),
                RadioSheetState(program.host)) {
        sheet.Build();
    }
    cmcEstimatedTextMeasure measure;
    cuiLayoutGrid grid;
    iuiSheet sheet;
};

void BM_PaintChannelPage_Qt(benchmark::State& state) {
    Program& program = TheProgram();
    auto page = OpenPage(program, kChannels);
    QImage image(page->Grid().viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state)
        Render(*page, image);
}
BENCHMARK(BM_PaintChannelPage_Qt)->Unit(benchmark::kMillisecond);

void BM_PaintChannelPage_Headless(benchmark::State& state) {
    Headless page(TheProgram(), kChannels);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecideScreen(page.sheet, page.grid));
}
BENCHMARK(BM_PaintChannelPage_Headless)->Unit(benchmark::kMillisecond);

// From the settings page to the channel page and back, each built and painted once.
void BM_SwitchPage_Qt(benchmark::State& state) {
    Program& program = TheProgram();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    bool channels = true;
    for (auto _ : state) {
        auto page = OpenPage(program, channels ? kChannels : kSettings);
        Render(*page, image);
        channels = !channels;
    }
}
BENCHMARK(BM_SwitchPage_Qt)->Unit(benchmark::kMillisecond);

void BM_SwitchPage_Headless(benchmark::State& state) {
    Program& program = TheProgram();
    bool channels = true;
    for (auto _ : state) {
        Headless page(program, channels ? kChannels : kSettings);
        benchmark::DoNotOptimize(DecideScreen(page.sheet, page.grid));
        channels = !channels;
    }
}
BENCHMARK(BM_SwitchPage_Headless)->Unit(benchmark::kMillisecond);

// One page down the channel list, painted; back to the top at the end.
void BM_ScrollStep_Qt(benchmark::State& state) {
    Program& program = TheProgram();
    auto page = OpenPage(program, kChannels);
    cuiQtGrid& grid = page->Grid();
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QScrollBar* bar = grid.verticalScrollBar();
        bar->setValue(
            bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        Render(*page, image);
    }
}
BENCHMARK(BM_ScrollStep_Qt)->Unit(benchmark::kMillisecond);

void BM_ScrollStep_Headless(benchmark::State& state) {
    Headless page(TheProgram(), kChannels);
    cuiLayoutGrid& grid = page.grid;
    const int32_t last = LastTopRow(grid, kHeight);
    for (auto _ : state) {
        const int32_t step = WholeRowsInView(grid, kHeight);
        grid.SetTopLeft(grid.LeftCol(), grid.TopRow() + step > last ? 1 : grid.TopRow() + step);
        benchmark::DoNotOptimize(DecideScreen(page.sheet, grid));
    }
}
BENCHMARK(BM_ScrollStep_Headless)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
