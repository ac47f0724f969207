#include <gtest/gtest.h>

#include "print/page_geometry.h"
#include "print/page_record.h"
#include "print/print_sheet.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/fake_text_measure.h"
#include "support/manual_scheduler.h"

namespace {

constexpr int32_t kPrinterPpi = 600;
constexpr int32_t kScreenPpi = 96;

class PrintSheetTest : public ::testing::Test {
protected:
    cuiPrintSheet Sheet(const std::string& name) {
        return cuiPrintSheet(rig.GTex(), name, measure, clsSheetServices(),
                             RadioSheetState(rig.Main()), kPrinterPpi, kScreenPpi);
    }

    ManualScheduler scheduler;
    FakeSerialBackend serial{scheduler};
    ControllerRig rig{serial, scheduler, scheduler};
    FakeTextMeasure measure;
};

TEST_F(PrintSheetTest, TheChannelListGoesOnPagesThatEachRepeatItsHeader) {
    cuiPrintSheet sheet = Sheet("GI_Sheet_IntCh");
    const clsPageFrame frame =
        PageFrameGeometry(PageMarginRect({15, 15, 15, 15}, 4960, 7016, kPrinterPpi), 75);
    std::vector<clsProducedPage> pages;
    const bool cancelled = false;
    const int32_t count =
        ProduceSheetPages(sheet, frame.content, PrintFontHeight(10, kPrinterPpi), cancelled,
                          [&](const clsProducedPage& page) { pages.push_back(page); });
    ASSERT_GT(count, 1);
    const clsSheetSizes& sizes = sheet.Sizes();
    ASSERT_GT(sizes.fixedRows, 0);
    int32_t rowsPrinted = 0;
    for (const clsProducedPage& page : pages) {
        EXPECT_LE(page.extent.right, frame.content.right);
        EXPECT_LE(page.extent.bottom, frame.content.bottom);
        const auto cells = PlacePageCells(sizes, page.block, frame.content.left, frame.content.top);
        ASSERT_FALSE(cells.empty());
        EXPECT_EQ(cells.front().row, 0);
        EXPECT_FALSE(sizes.continuesHeader[static_cast<size_t>(page.block.cols.first)]);
        if (page.block.cols.first == sizes.fixedCols) rowsPrinted += page.block.rows.count;
    }
    // Every data row is on some page, once.
    EXPECT_EQ(rowsPrinted, static_cast<int32_t>(sizes.heights.size()) - sizes.fixedRows);
}

TEST_F(PrintSheetTest, ShowingABlockPutsItsCellsWherePaginationPlacesThem) {
    cuiPrintSheet sheet = Sheet("GI_Sheet_IntCh");
    sheet.Build(PrintFontHeight(10, kPrinterPpi));
    const clsSheetSizes& sizes = sheet.Sizes();
    const clsPageBlock block{{sizes.fixedCols, 1}, {sizes.fixedRows + 30, 5}};
    sheet.ShowBlock(block);
    for (const clsPlacedCell& placed : PlacePageCells(sizes, block, 0, 0)) {
        const clsCellRect rect = sheet.Sheet().Grid().CellRect(placed.col, placed.row);
        EXPECT_EQ(rect.left, placed.rect.left);
        EXPECT_EQ(rect.top, placed.rect.top);
        EXPECT_EQ(rect.bottom, placed.rect.bottom);
    }
}

TEST_F(PrintSheetTest, AFontTooLargeForThePageIsShrunkUntilTheRowsFit) {
    cuiPrintSheet sheet = Sheet("GI_Sheet_IntCh");
    const clsCellRect content{0, 0, 600, 6000};  // one inch wide
    const bool cancelled = false;
    std::vector<clsProducedPage> pages;
    ProduceSheetPages(sheet, content, PrintFontHeight(12, kPrinterPpi), cancelled,
                      [&](const clsProducedPage& page) { pages.push_back(page); });
    ASSERT_FALSE(pages.empty());
    EXPECT_LE(pages.front().extent.right, content.right);
}

TEST(PageRecord, PrinterPixelsBecomeScreenPixelsByIntegerDivision) {
    EXPECT_EQ(PrinterToScreen(236, 96, 600), 37);
    EXPECT_EQ(PrinterToScreen(599, 96, 600), 95);
    EXPECT_EQ(PrinterToScreen(100, 96, 0), 9600);
    const datPageRecord record = MakePageRecord("GI_Sheet_IntCh", {236, 236, 4724, 6780},
                                                {236, 322, 3000, 6000}, {{1, 3}, {2, 40}}, 96, 600);
    EXPECT_EQ(record.sheetName, "GI_Sheet_IntCh");
    EXPECT_EQ(record.margins.right, 755);
    EXPECT_EQ(record.extent.top, 51);
    EXPECT_EQ(record.block.rows.count, 40);
}

}  // namespace
