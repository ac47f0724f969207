#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>

#include "print/page_geometry.h"
#include "print/print_sheet.h"
#include "print/print_texts.h"
#include "print/qt/device_text_measure.h"
#include "print/qt/page_painter.h"
#include "print/qt/pdf_output.h"
#include "support/cli_process.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"
#include "support/test_paths.h"

namespace {

bool IsDark(QRgb pixel) {
    return qGray(pixel) < 128;
}

bool AnyDark(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsDark(image.pixel(x, y))) return true;
    return false;
}

class PrintPages : public ::testing::Test {
protected:
    clsRadioSheetState State() { return RadioSheetState(rig.Main()); }

    ManualScheduler scheduler;
    FakeSerialBackend serial{scheduler};
    ControllerRig rig{serial, scheduler, scheduler};
};

TEST_F(PrintPages, TheFrameDrawsItsBarsAndTextsWhereTheGeometryPutsThem) {
    QImage image(1000, 1400, QImage::Format_RGB32);
    image.fill(Qt::white);
    const clsPageFrame frame = PageFrameGeometry({50, 60, 950, 1340}, 50);
    const datPrintTexts texts = ReadPrintTexts(rig.GTex());
    {
        QPainter painter(&image);
        DrawPageFrame(painter, frame, datCellFont(), "Channels", texts);
    }
    for (const int x : {50, 500, 949}) {
        EXPECT_FALSE(IsDark(image.pixel(x, 60 + 55))) << x;
        for (int y = 60 + 56; y < 60 + 62; ++y)
            EXPECT_TRUE(IsDark(image.pixel(x, y))) << x << "," << y;
        EXPECT_FALSE(IsDark(image.pixel(x, 60 + 62))) << x;
        for (int y = 1340 - 62; y < 1340 - 56; ++y)
            EXPECT_TRUE(IsDark(image.pixel(x, y))) << x << "," << y;
    }
    EXPECT_FALSE(IsDark(image.pixel(951, 60 + 58)));         // the bars end at the right margin
    EXPECT_TRUE(AnyDark(image, QRect(50, 60, 200, 55)));     // the sheet's title
    EXPECT_TRUE(AnyDark(image, QRect(800, 60, 149, 55)));    // the program's title
    EXPECT_TRUE(AnyDark(image, QRect(700, 1290, 249, 49)));  // the maker
    EXPECT_FALSE(AnyDark(image, QRect(50, frame.content.top, 900, 100)));
}

TEST_F(PrintPages, CellsPrintBlackOnWhiteFromTheCellAreasCorner) {
    QImage image(1200, 900, QImage::Format_RGB32);
    image.fill(Qt::white);
    cuiDeviceTextMeasure measure(image);
    cuiPrintSheet sheet(rig.GTex(), "GI_Sheet_IntCh", measure, clsSheetServices(), State(), 96, 96);
    sheet.Build(PrintFontHeight(10, 96));
    const clsPageBlock block{{sheet.Sizes().fixedCols, 3}, {sheet.Sizes().fixedRows, 10}};
    const clsCellRect extent = PageCellExtent(sheet.Sizes(), block, 100, 50);
    {
        QPainter painter(&image);
        DrawPageCells(painter, sheet, block, 100, 50);
    }
    EXPECT_TRUE(AnyDark(image, QRect(100, 50, extent.right - 100, extent.bottom - 50)));
    EXPECT_FALSE(AnyDark(image, QRect(0, 0, 1200, 49)));
    EXPECT_FALSE(AnyDark(image, QRect(extent.right + 1, 0, 1200 - extent.right - 1, 900)));
    EXPECT_FALSE(AnyDark(image, QRect(0, extent.bottom + 1, 1200, 900 - extent.bottom - 1)));
    // Nothing in colour: a page prints the same on a black-and-white printer.
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel))
                << x << "," << y;
        }
}

std::string CommandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    if (!pipe) return out;
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        out.append(buffer, got);
    return out;
}

TEST_F(PrintPages, ThePdfOfTheChannelListHasEveryPageFramedAndEveryChannel) {
    TempFolder folder;
    const std::string path = (folder.path() / "channels.pdf").string();
    int32_t pages = 0;
    ASSERT_EQ(WriteSheetsPdf(path, {"GI_Sheet_IntCh"}, rig.GTex(), State(), 10, &pages),
              PdfResult::Written);
    ASSERT_GT(pages, 1);
    EXPECT_EQ(ReadFile(path).substr(0, 5), "%PDF-");
    EXPECT_FALSE(std::filesystem::exists(path + ".part"));

    // Which channels each page should show: the same pages laid out again.
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, (folder.path() / "unused.pdf").string());
    cuiDeviceTextMeasure measure(printer);
    cuiPrintSheet sheet(rig.GTex(), "GI_Sheet_IntCh", measure, clsSheetServices(), State(), kPdfDpi,
                        kPdfScreenPpi);
    const datPrintTexts texts = ReadPrintTexts(rig.GTex());
    const clsPageFrame frame =
        PageFrameGeometry(PageMarginRect(texts.margins, printer.width(), printer.height(), kPdfDpi),
                          FontPixelHeight(texts.frameFontPoints, kPdfDpi));
    std::vector<clsPageBlock> blocks;
    const bool cancelled = false;
    ProduceSheetPages(sheet, frame.content, PrintFontHeight(10, kPdfDpi), cancelled,
                      [&](const clsProducedPage& page) { blocks.push_back(page.block); });
    ASSERT_EQ(static_cast<int32_t>(blocks.size()), pages);

    if (CommandOutput("command -v pdftotext").empty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::vector<std::string> pageTexts;
    std::stringstream all(CommandOutput("pdftotext -layout '" + path + "' -"));
    for (std::string page; std::getline(all, page, '\f');)
        if (!page.empty()) pageTexts.push_back(page);
    ASSERT_EQ(static_cast<int32_t>(pageTexts.size()), pages);
    for (size_t i = 0; i < pageTexts.size(); ++i) {
        const std::string& text = pageTexts[i];
        EXPECT_NE(text.find(sheet.Sheet().PrintedTitle()), std::string::npos) << i;
        EXPECT_NE(text.find(texts.headerRight), std::string::npos) << i;
        EXPECT_NE(text.find(texts.footerRight), std::string::npos) << i;
        EXPECT_NE(text.find(sheet.Sheet().CellText(0, 0)), std::string::npos) << i;
        const clsPageSpan& rows = blocks[i].rows;
        for (const int32_t row : {rows.first, rows.first + rows.count - 1}) {
            const std::string channel = sheet.Sheet().CellText(0, row);
            EXPECT_NE(text.find(" " + channel + " "), std::string::npos)
                << "page " << i << " row " << row << " '" << channel << "'";
        }
    }
}

TEST_F(PrintPages, ASheetThatCannotBePrintedWritesNoPdf) {
    TempFolder folder;
    const std::string path = (folder.path() / "none.pdf").string();
    int32_t pages = -1;
    EXPECT_EQ(WriteSheetsPdf(path, {"GI_Sheet_EeDebugWin"}, rig.GTex(), State(), 10, &pages),
              PdfResult::NoPages);
    EXPECT_EQ(pages, 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(PrintPages, AFolderThatCannotBeWrittenLeavesNoFileAndSaysSo) {
    const std::string path = "/nonexistent-folder/channels.pdf";
    EXPECT_EQ(WriteSheetsPdf(path, {"GI_Sheet_IntCh"}, rig.GTex(), State(), 10),
              PdfResult::WriteFailed);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
