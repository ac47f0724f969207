// Pages of the shipped overlay on screen, offscreen: what the grid paints, checked by the pixels
// that matter, and the keys, the in-place editor and the mouse working through the sheet on the
// working image.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "app/environ.h"
#include "app/main_controller.h"
#include "model/eeprom.h"
#include "overlay/cell_ids.h"
#include "sheets/qt/grid_editor.h"
#include "sheets/qt/qt_grid.h"
#include "sheets/qt/title_panel.h"
#include "sheets/sheet_keys.h"
#include "support/qt/page_rig.h"

namespace {

constexpr int kIntChComment = 6;
constexpr int kIntChAttribute = 1;

QPoint Centre(const clsCellRect& rect) {
    return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// How many pixels of the rectangle differ from colour: text and marks drawn on a background.
int PixelsOtherThan(const QImage& image, const clsCellRect& rect, const QColor& colour) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (image.pixelColor(x, y) != colour) ++count;
        }
    }
    return count;
}

// The grid row of an International channel slot (the header is row 0); the slots run 0, 1000,
// 2000, 1, 1001, ...
int IntChRow(int slot) {
    return slot + 1;
}

// Clicks a cell of the page's grid.
void Click(cuiSheetPage& page, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(page.Grid().viewport(), button, Qt::NoModifier,
                      Centre(page.Grid().CellRect(col, row)));
}

class SheetPageTest : public testing::Test {
protected:
    PageRig rig;
};

TEST_F(SheetPageTest, CurrentCellIsInTheHighlightWhileFocusedAndInTheTintWhenNot) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    ASSERT_NE(page.TitlePanel(), nullptr);
    EXPECT_EQ(page.TitlePanel()->Text(), "International channels");
    ASSERT_TRUE(rig.FocusGrid());
    const clsCellRect current = page.Grid().CellRect(page.Grid().Col(), page.Grid().Row());
    const clsCellRect below = page.Grid().CellRect(page.Grid().Col(), page.Grid().Row() + 1);
    QImage image = rig.Render();
    EXPECT_EQ(image.pixelColor(current.left + 2, current.top + 2), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(below.left + 2, below.top + 2), QColor(255, 255, 255));

    auto* elsewhere = new QLineEdit(&rig.window);
    elsewhere->show();
    elsewhere->setFocus();
    QApplication::processEvents();
    ASSERT_FALSE(page.Grid().HasFocus());
    image = rig.Render();
    // (3 x window + window text + 2) / 4 per channel.
    EXPECT_EQ(image.pixelColor(current.left + 2, current.top + 2), QColor(191, 191, 191));
}

TEST_F(SheetPageTest, CurrentRowIsTintedOnColorSelectLinePages) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    const QImage image = rig.Render();
    const clsCellRect other = page.Grid().CellRect(kIntChComment, page.Grid().Row());
    const clsCellRect rowBelow = page.Grid().CellRect(kIntChComment, page.Grid().Row() + 1);
    // (7 x window + window text + 4) / 8 per channel.
    EXPECT_EQ(image.pixelColor(other.right - 3, other.top + 2), QColor(223, 223, 223));
    EXPECT_EQ(image.pixelColor(rowBelow.right - 3, rowBelow.top + 2), QColor(255, 255, 255));
}

TEST_F(SheetPageTest, FixedRowAndColumnStayWhileTheRestScrolls) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh", 1280, 400);
    cuiQtGrid& grid = page.Grid();
    const QImage before = rig.Render();
    const clsCellRect header = grid.CellRect(kIntChComment, 0);
    const clsCellRect number = grid.CellRect(0, IntChRow(3));
    grid.verticalScrollBar()->setValue(100);
    ASSERT_EQ(grid.TopRow(), 101);
    const QImage after = rig.Render();
    EXPECT_EQ(grid.CellRect(kIntChComment, 0).top, 0);
    // The header row is painted as before; the numbers below it have moved on.
    EXPECT_EQ(before.copy(QRect(header.left, header.top, header.right - header.left,
                                header.bottom - header.top)),
              after.copy(QRect(header.left, header.top, header.right - header.left,
                               header.bottom - header.top)));
    const QRect numberArea(number.left, number.top, number.right - number.left,
                           number.bottom - number.top);
    EXPECT_NE(before.copy(numberArea), after.copy(numberArea));
    EXPECT_GT(PixelsOtherThan(after, grid.CellRect(0, 101), QColor(240, 240, 240)), 0);
}

TEST_F(SheetPageTest, AContinuedGroupCellIsDrawnAcrossBothColumns) {
    cuiSheetPage& page = rig.Open("GI_Sheet_ComCom");
    cuiQtGrid& grid = page.Grid();
    const clsCellRect first = grid.CellRect(0, 0);
    const clsCellRect second = grid.CellRect(1, 0);
    const QImage image = rig.Render();
    const QColor background = image.pixelColor(first.left + 1, first.bottom - 2);
    // One background over both, without the rule between them.
    EXPECT_EQ(image.pixelColor(first.right - 1, first.bottom - 3), background);
    EXPECT_EQ(image.pixelColor(second.right - 3, second.bottom - 3), background);
    EXPECT_GT(PixelsOtherThan(image, first, background), 0);  // the group's caption
}

TEST_F(SheetPageTest, ADuplicateIdShowsTheWarningMarkWhereTheSheetPlacesIt) {
    cuiImageList marks(12);
    QPixmap warning(12, 12);
    warning.fill(QColor(255, 0, 255));
    marks.Set(cuiImageList::kWarningImage, warning);
    rig.images = &marks;
    cuiSheetPage& page = rig.Open("GI_Sheet_DscIndId");
    ASSERT_TRUE(rig.FocusGrid());
    for (int row : {1, 2}) {
        ASSERT_TRUE(page.Sheet().SelectCell(1, row));
        QTest::keyClick(&page.Grid(), Qt::Key_2);
        ASSERT_TRUE(page.Grid().IsEditorShown());
        QTest::keyClicks(page.Grid().Editor(), "11234567");
        QTest::keyClick(page.Grid().Editor(), Qt::Key_Return);
    }
    ASSERT_TRUE(page.Sheet().SelectCell(3, 4));
    rig.DeliverEvents();
    const clsCellPaint paint = page.Sheet().Paint(1, 2);
    ASSERT_EQ(paint.mark, clsCellPaint::Mark::Warning);
    const QImage image = rig.Render();
    const clsCellRect cell = page.Grid().CellRect(1, 2);
    EXPECT_EQ(image.pixelColor(paint.markX + 6, paint.markY + 6), QColor(255, 0, 255));
    EXPECT_EQ(paint.markSize, 12);
    EXPECT_EQ(paint.markY + 12, cell.bottom - 1);  // one pixel above the bottom
    // Only the mark is drawn from the image: the cell's other side shows none of it.
    const int markLeft = paint.markX - cell.left;
    const int otherX = markLeft > (cell.right - cell.left) / 2 ? cell.left + 2 : cell.right - 3;
    EXPECT_NE(image.pixelColor(otherX, paint.markY + 6), QColor(255, 0, 255));
    EXPECT_EQ(page.Sheet().Paint(1, 3).mark, clsCellPaint::Mark::None);
}

TEST_F(SheetPageTest, TypingIntoACommentAndEnterChangesTheWorkingImage) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    ASSERT_TRUE(rig.FocusGrid());
    ASSERT_TRUE(page.Sheet().SelectCell(kIntChComment, IntChRow(3)));
    cmcEeprom before;
    before.Assign(rig.rig.Main().WorkingImage());
    QTest::keyClick(&page.Grid(), Qt::Key_H);
    ASSERT_TRUE(page.Grid().IsEditorShown());
    cuiGridEditor* editor = page.Grid().Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->hasFocus());
    QTest::keyClicks(editor, "ARBOUR");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(page.Grid().IsEditorShown());
    EXPECT_TRUE(page.Grid().HasFocus());
    EXPECT_EQ(page.Sheet().CellText(kIntChComment, IntChRow(3)), "HARBOUR");
    EXPECT_TRUE(rig.rig.Main().WorkingImage().Differs(before));
}

TEST_F(SheetPageTest, EscapeDropsAnEditAndCharactersOutsideLatin1AreRefused) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    ASSERT_TRUE(rig.FocusGrid());
    ASSERT_TRUE(page.Sheet().SelectCell(kIntChComment, IntChRow(3)));
    const std::string was = page.Sheet().CellText(kIntChComment, IntChRow(3));
    QTest::keyClick(&page.Grid(), Qt::Key_A);
    cuiGridEditor* editor = page.Grid().Editor();
    ASSERT_NE(editor, nullptr);
    const QString typed = editor->toPlainText();
    editor->insertPlainText(QString::fromUtf8("B\u20AC\u4E2DC\u00E9"));
    EXPECT_EQ(editor->toPlainText(), typed + QString::fromUtf8("BC\u00E9"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(page.Grid().IsEditorShown());
    EXPECT_EQ(page.Sheet().CellText(kIntChComment, IntChRow(3)), was);
}

TEST_F(SheetPageTest, TheEditorTakesAtMost1024Characters) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    ASSERT_TRUE(page.Sheet().SelectCell(kIntChComment, IntChRow(3)));
    QTest::keyClick(&page.Grid(), Qt::Key_A);
    cuiGridEditor* editor = page.Grid().Editor();
    ASSERT_NE(editor, nullptr);
    editor->insertPlainText(QString(2000, QLatin1Char('x')));
    EXPECT_EQ(editor->toPlainText().size(), kEditorMaxLength);
}

TEST_F(SheetPageTest, ArrowsCrossTheHolesOfASettingsPage) {
    cuiSheetPage& page = rig.Open("GI_Sheet_ComCom");
    cuiQtGrid& grid = page.Grid();
    const int column = grid.Col();
    int previous = grid.Row();
    int moves = 0;
    for (;;) {
        QTest::keyClick(&grid, Qt::Key_Down);
        if (grid.Row() == previous) break;
        // Every stop is a selectable cell; the group rows between are passed over.
        EXPECT_GT(grid.Row(), previous);
        EXPECT_TRUE(page.Sheet().CanSelect(grid.Col(), grid.Row()));
        for (int r = previous + 1; r < grid.Row(); ++r)
            EXPECT_FALSE(page.Sheet().CanSelect(column, r)) << r;
        previous = grid.Row();
        ++moves;
    }
    EXPECT_GT(moves, 5);
    EXPECT_EQ(grid.Col(), column);
    QTest::keyClick(&grid, Qt::Key_Home);
    QTest::keyClick(&grid, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(grid.Row(), previous);
}

TEST_F(SheetPageTest, PageDownMovesTenRowsAndKeepsTheCurrentCellInView) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh", 1280, 300);
    cuiQtGrid& grid = page.Grid();
    const int start = grid.Row();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.Row(), start + 20);
    const clsCellRect rect = grid.CellRect(grid.Col(), grid.Row());
    EXPECT_GT(rect.bottom, rect.top);
    EXPECT_LE(rect.bottom, grid.viewport()->height());
    QTest::keyClick(&grid, Qt::Key_PageUp);
    EXPECT_EQ(grid.Row(), start + 10);
}

TEST_F(SheetPageTest, RightButtonMakesTheCellCurrentAndOpensItsPopupMenu) {
    cuiSheetPage& page = rig.Open("GI_Sheet_Waypoint");
    ASSERT_TRUE(rig.FocusGrid());
    Click(page, 1, 5, Qt::RightButton);
    EXPECT_EQ(page.Grid().Row(), 5);
    EXPECT_EQ(page.Grid().Col(), 1);
    ASSERT_FALSE(rig.popups.built.empty());
    EXPECT_EQ(rig.popups.built.back(), "GI_PMenu_Waypoint");
    EXPECT_EQ(rig.popupsShown.size(), 1u);
}

TEST_F(SheetPageTest, ClearFromThePopupMenuAsksAndClearsTheRow) {
    cuiSheetPage& page = rig.Open("GI_Sheet_Waypoint");
    ASSERT_TRUE(rig.FocusGrid());
    ASSERT_TRUE(page.Sheet().SelectCell(1, 3));
    QTest::keyClick(&page.Grid(), Qt::Key_M);
    ASSERT_TRUE(page.Grid().IsEditorShown());
    QTest::keyClicks(page.Grid().Editor(), "OORING");
    QTest::keyClick(page.Grid().Editor(), Qt::Key_Return);
    ASSERT_EQ(page.Sheet().CellText(1, 3), "MOORING");

    rig.rig.host.answers = {cmcMessageAnswer::Cancel};
    page.Sheet().PopupCommand(CL_PMenu_Clear);
    ASSERT_EQ(rig.rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.rig.host.messages[0].text, rig.rig.MultiLine("GI_AppMess_Conv_Clear"));
    EXPECT_EQ(page.Sheet().CellText(1, 3), "MOORING");

    rig.rig.host.answers = {cmcMessageAnswer::Ok};
    page.Sheet().PopupCommand(CL_PMenu_Clear);
    EXPECT_EQ(rig.rig.host.messages.size(), 2u);
    EXPECT_NE(page.Sheet().CellText(1, 3), "MOORING");
    EXPECT_EQ(rig.rig.host.unscripted, 0);
}

TEST_F(SheetPageTest, AColumnDraggedWiderIsStoredAndComesBackWithThePage) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    QWidget* viewport = page.Grid().viewport();
    const clsCellRect header = page.Grid().CellRect(kIntChComment, 0);
    const int width = page.Grid().ColWidth(kIntChComment);
    const QPoint edge(header.right, (header.top + header.bottom) / 2);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, edge);
    QTest::mouseMove(viewport, edge + QPoint(80, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, edge + QPoint(80, 0));
    EXPECT_EQ(page.Grid().ColWidth(kIntChComment), width + 80);
    indEnviron& environ = rig.rig.Environ();
    EXPECT_EQ(
        environ.ReadRegistryInt(environ.ColumnWidthKey("IntCh"), std::to_string(kIntChComment)),
        width + 80);

    rig.Close();
    cuiSheetPage& again = rig.Open("GI_Sheet_IntCh");
    EXPECT_EQ(again.Grid().ColWidth(kIntChComment), width + 80);
}

TEST_F(SheetPageTest, TheWheelScrollsButNotWhileTheWindowIsDisabled) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh", 1280, 400);
    cuiQtGrid& grid = page.Grid();
    auto wheel = [&] {
        const QPoint at = Centre(grid.CellRect(2, 5));
        QWheelEvent event(at, grid.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid.viewport(), &event);
    };
    const int top = grid.TopRow();
    rig.window.setEnabled(false);
    wheel();
    EXPECT_EQ(grid.TopRow(), top);
    rig.window.setEnabled(true);
    wheel();
    EXPECT_EQ(grid.TopRow(), top + cuiQtGrid::kWheelRows);
}

TEST_F(SheetPageTest, AHeldMouseBelowTheCellsMovesTheCurrentCellDownStepByStep) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh", 1280, 400);
    cuiQtGrid& grid = page.Grid();
    QWidget* viewport = grid.viewport();
    const QPoint start = Centre(grid.CellRect(2, IntChRow(2)));
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    const int row = grid.Row();
    QTest::mouseMove(viewport, QPoint(start.x(), viewport->height() + 20));
    ASSERT_TRUE(grid.IsTimedScrolling());
    rig.scheduler.Advance(cuiQtGrid::kTimedScrollMs * 3);
    EXPECT_EQ(grid.Row(), row + 3);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier,
                        QPoint(start.x(), viewport->height() + 20));
    EXPECT_FALSE(grid.IsTimedScrolling());
}

TEST_F(SheetPageTest, ADarkPaletteGivesADarkReadablePage) {
    rig.window.setPalette(clsTestPalette::Dark());
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    const clsCellRect cell = page.Grid().CellRect(kIntChComment, IntChRow(6));
    const QImage image = rig.Render();
    const QColor base(30, 30, 30);
    EXPECT_EQ(image.pixelColor(cell.right - 3, cell.top + 2), base);
    int light = 0;
    for (int y = cell.top; y < cell.bottom; ++y) {
        for (int x = cell.left; x < cell.right; ++x) {
            if (image.pixelColor(x, y).lightness() > 150) ++light;
        }
    }
    EXPECT_GT(light, 10);  // the comment's text
    // Switching the desktop's theme while the page shows repaints it.
    rig.window.setPalette(clsTestPalette::Light());
    EXPECT_EQ(rig.Render().pixelColor(cell.right - 3, cell.top + 2), QColor(255, 255, 255));
}

TEST_F(SheetPageTest, ATinyWindowPaintsAndTakesKeysWithoutHarm) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh", 3, 3);
    rig.Render();
    QTest::keyClick(&page.Grid(), Qt::Key_PageDown);
    QTest::keyClick(&page.Grid(), Qt::Key_Right);
    rig.window.resize(1, 1);
    QApplication::processEvents();
    rig.Render();
    EXPECT_GE(page.Grid().TopRow(), page.Grid().FixedRows());
}

TEST_F(SheetPageTest, AScreenReaderFindsATableWhoseCellsSayWhatTheyShow) {
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    ASSERT_TRUE(rig.FocusGrid());
    ASSERT_TRUE(page.Sheet().SelectCell(kIntChComment, IntChRow(6)));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&page.Grid());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(grid->text(QAccessible::Name), "International channels");
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), page.Grid().RowCount());
    EXPECT_EQ(table->columnCount(), 7);
    QAccessibleInterface* focus = grid->focusChild();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->text(QAccessible::Name).toStdString(),
              page.Sheet().CellText(kIntChComment, IntChRow(6)));
    EXPECT_EQ(focus->text(QAccessible::Description), "Comment");
    QAccessibleTableCellInterface* cell = focus->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rowIndex(), IntChRow(6));
    EXPECT_EQ(cell->columnIndex(), kIntChComment);
    ASSERT_EQ(cell->rowHeaderCells().size(), 1);
    EXPECT_EQ(cell->rowHeaderCells()[0]->text(QAccessible::Name).toStdString(),
              page.Sheet().CellText(0, IntChRow(6)));
    EXPECT_TRUE(focus->state().focused);
    EXPECT_EQ(grid->indexOfChild(focus), IntChRow(6) * 7 + kIntChComment);
    QTest::keyClick(&page.Grid(), Qt::Key_Down);
    EXPECT_EQ(grid->focusChild()->tableCellInterface()->rowIndex(), IntChRow(7));
}

}  // namespace
