// The Qt grid alone: what it does with and without the handlers a sheet sets, and how the cell
// painter draws a paint decision.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include "sheets/qt/cell_painter.h"
#include "sheets/qt/image_list.h"
#include "sheets/qt/qt_grid.h"
#include "sheets/sheet_keys.h"
#include "support/manual_scheduler.h"

namespace {

// A shown grid of 4 x 6 cells, 40 x 20 pixels each, over a white background.
class QtGridTest : public testing::Test {
protected:
    QtGridTest() : grid(nullptr, &scheduler) {
        grid.resize(200, 150);
        grid.SetSize(4, 6);
        grid.SetFixed(1, 1);
        for (int c = 0; c < 4; ++c)
            grid.SetColWidth(c, 40);
        for (int r = 0; r < 6; ++r)
            grid.SetRowHeight(r, 20);
        grid.SetBackground(0xFFFFFF);
        grid.show();
        QApplication::processEvents();
    }

    QImage Render() {
        QImage image(grid.viewport()->size(), QImage::Format_RGB32);
        grid.viewport()->render(&image);
        return image;
    }

    ManualScheduler scheduler;
    cuiQtGrid grid;
};

TEST_F(QtGridTest, WithoutADrawHandlerTheCellsStayEmpty) {
    const QImage image = Render();
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_EQ(image.pixelColor(x, y), QColor(255, 255, 255)) << x << "," << y;
    }
}

TEST_F(QtGridTest, TheDrawHandlerPaintsTheExposedCellsOnly) {
    std::vector<std::pair<int, int>> drawn;
    grid.Handlers().drawCell = [&](QPainter& painter, int32_t c, int32_t r,
                                   const clsCellRect& rect) {
        drawn.emplace_back(c, r);
        painter.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                         Qt::red);
    };
    const QImage image = Render();
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(drawn.size(), 24u);
    drawn.clear();
    QImage part(QSize(40, 20), QImage::Format_RGB32);
    grid.viewport()->render(&part, QPoint(), QRegion(80, 40, 40, 20));
    EXPECT_EQ(drawn, (std::vector<std::pair<int, int>>{{2, 2}}));
}

TEST_F(QtGridTest, SelectHandlerGetsTrueAndDecidesWhetherAClickMovesTheCurrentCell) {
    std::vector<bool> presets;
    bool allow = false;
    grid.Handlers().selectCell = [&](int32_t, int32_t, bool& answer) {
        presets.push_back(answer);
        answer = allow;
    };
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    EXPECT_EQ(grid.Col(), 0);
    allow = true;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(presets, (std::vector<bool>{true, true}));
    // A handler that leaves the answer alone lets the move happen.
    grid.Handlers().selectCell = [](int32_t, int32_t, bool&) {};
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(QtGridTest, TheWidthsHandlerRunsAfterTheGridAppliedTheDraggedWidth) {
    grid.SetColSizing(true);
    int seen = 0;
    grid.Handlers().colWidthsChanged = [&] { seen = grid.ColWidth(1); };
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
    QTest::mouseMove(grid.viewport(), QPoint(105, 10));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(105, 10));
    EXPECT_EQ(grid.ColWidth(1), 65);
    EXPECT_EQ(seen, 65);
}

TEST_F(QtGridTest, WithoutColumnSizingAnEdgeDragIsAClick) {
    int changes = 0;
    grid.Handlers().colWidthsChanged = [&] { ++changes; };
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
    QTest::mouseMove(grid.viewport(), QPoint(105, 10));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(105, 10));
    EXPECT_EQ(grid.ColWidth(1), 40);
    EXPECT_EQ(changes, 0);
}

TEST_F(QtGridTest, ScrollingByTheBarMovesTheTopLeftAndTellsTheHandler) {
    int told = 0;
    grid.Handlers().topLeftChanged = [&] { ++told; };
    grid.resize(120, 80);
    QApplication::processEvents();
    grid.verticalScrollBar()->setValue(2);
    EXPECT_EQ(grid.TopRow(), 3);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(grid.CellRect(0, 0).top, 0);
    EXPECT_EQ(grid.CellRect(1, 3).top, 20);
    // Never beyond where the last rows fill the view.
    grid.SetTopLeft(1, 5);
    EXPECT_EQ(grid.TopRow(), grid.verticalScrollBar()->maximum() + 1);
}

TEST_F(QtGridTest, TheTimedScrollHandlerReplacesScrollingWhileTheMouseIsHeldOutside) {
    std::vector<uint8_t> directions;
    grid.Handlers().timedScroll = [&](uint8_t d) { directions.push_back(d); };
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 30));
    QTest::mouseMove(grid.viewport(), QPoint(60, -10));
    scheduler.Advance(cuiQtGrid::kTimedScrollMs * 2);
    EXPECT_EQ(directions, (std::vector<uint8_t>{clsScrollDirection::kUp, clsScrollDirection::kUp}));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(60, -10));
    scheduler.Advance(cuiQtGrid::kTimedScrollMs * 2);
    EXPECT_EQ(directions.size(), 2u);
}

// Draws paint clipped to each of the given cells in turn, as the grid does for a continued cell.
QImage DrawInParts(const clsCellPaint& paint, const std::vector<clsCellRect>& parts) {
    QImage image(120, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const clsCellRect& part : parts)
        DrawCellPaint(painter, paint, part, nullptr, false);
    return image;
}

clsCellPaint ContinuedCaption() {
    clsCellPaint paint;
    paint.draw = true;
    paint.area = {0, 0, 120, 30};
    paint.background = 0x00C0FF;  // orange
    paint.textColour = 0x000000;
    paint.font.height = -14;
    paint.lines.push_back({"WWWWWWWWWWWWWW", 4, 6, false});
    return paint;
}

TEST(CellPainter, ACellDrawnInItsPartsLooksAsDrawnAtOnce) {
    const clsCellPaint paint = ContinuedCaption();
    const QImage whole = DrawInParts(paint, {{0, 0, 120, 30}});
    const QImage parts = DrawInParts(paint, {{0, 0, 60, 30}, {60, 0, 120, 30}});
    EXPECT_EQ(whole, parts);
    // The caption runs across the border between the two cells.
    int dark = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 60; x < 70; ++x)
            dark += whole.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    }
    EXPECT_GT(dark, 0);
    EXPECT_EQ(whole.pixelColor(118, 28), QColor(255, 192, 0));
    // Only its share: the second part alone leaves the first half white.
    const QImage second = DrawInParts(paint, {{60, 0, 120, 30}});
    EXPECT_EQ(second.pixelColor(10, 28), QColor(Qt::white));
}

TEST(CellPainter, RulesAndDecorationsGoWhereTheDecisionPutsThem) {
    clsCellPaint paint = ContinuedCaption();
    paint.lines.clear();
    paint.bottomRule = true;
    paint.rightRule = clsCellPaint::Rule::Lower;
    paint.rightRuleArea = {119, 21, 120, 30};
    paint.ruleColour = 0x808080;
    paint.decoration = clsCellDecoration::QuarterPillar;
    const QImage image = DrawInParts(paint, {{0, 0, 120, 30}});
    EXPECT_EQ(image.pixelColor(119, 25), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(119, 5), QColor(255, 192, 0));
    EXPECT_EQ(image.pixelColor(50, 29), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(50, 24), QColor(128, 128, 128));  // the pillar's lowest tenths
    EXPECT_EQ(image.pixelColor(50, 15), QColor(255, 192, 0));
}

TEST(CellPainter, MarksComeFromTheImageListOnScreenAndAsSymbolsOnPaper) {
    clsCellPaint paint = ContinuedCaption();
    paint.lines.clear();
    paint.mark = clsCellPaint::Mark::Error;
    paint.markX = 100;
    paint.markY = 10;
    paint.markSize = 12;
    cuiImageList images(12);
    QPixmap error(12, 12);
    error.fill(Qt::magenta);
    images.Set(cuiImageList::kErrorImage, error);
    QImage screen(120, 30, QImage::Format_RGB32);
    QImage paper(120, 30, QImage::Format_RGB32);
    {
        QPainter onScreen(&screen);
        DrawCellPaint(onScreen, paint, paint.area, &images, false);
        QPainter onPaper(&paper);
        DrawCellPaint(onPaper, paint, paint.area, &images, true);
    }
    EXPECT_EQ(screen.pixelColor(105, 15), QColor(Qt::magenta));
    EXPECT_EQ(screen.pixelColor(95, 15), QColor(255, 192, 0));
    EXPECT_EQ(paper.pixelColor(106, 16), QColor(Qt::black));    // the cross's middle
    EXPECT_EQ(paper.pixelColor(101, 11), QColor(255, 192, 0));  // outside its arms
}

TEST(CellPainter, NothingIsDrawnForADecisionNotToDraw) {
    clsCellPaint paint = ContinuedCaption();
    paint.draw = false;
    const QImage image = DrawInParts(paint, {{0, 0, 120, 30}});
    EXPECT_EQ(image.pixelColor(60, 15), QColor(Qt::white));
}

}  // namespace
