#include "dialogs/qt/f_lector.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "base/event_manager.h"
#include "dialogs/qt/cell_host.h"
#include "model/cell_call.h"
#include "overlay/gtex.h"
#include "sheets/qt/qt_grid.h"
#include "support/qt/qt_events.h"

namespace {

// The indexes of the entries the list committed.
std::vector<int32_t> g_committed;

// Answers every cell with its caption and records what a list commits to its owner.
int32_t CaptionEngine(indActiveCell&, cmcCellCapsule& capsule, bool) {
    if (capsule.mode == clsMode::kCommitted && capsule.ownerCapsule != nullptr) {
        g_committed.push_back(capsule.ownerCapsule->cell->GetIndex());
        return 0;
    }
    if (capsule.cell != nullptr) capsule.displayText = capsule.cell->GetCaption();
    return 0;
}

// The shipped overlay with a list longer than any screen.
std::vector<std::string> OverlayWithLongList() {
    std::ifstream file(std::string(KTV_SOURCE_DIR) + "/data/KTV818X.OVL", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    const std::vector<std::string> longList = {
        "#GI_Sheet_Sel_TestLong_Style",     "(FixedRows=0)", "#",
        "#GI_Sheet_Sel_TestLong_BasicCell", "{($Choice)}",   "#",
        "#GI_Sheet_Sel_TestLong_Cells"};
    lines.insert(lines.begin(), longList.begin(), longList.end());
    auto at = lines.begin() + static_cast<long>(longList.size());
    for (int i = 0; i < 400; ++i) {
        at = lines.insert(at, "{(%Flex0[" + std::to_string(i) + "])}Entry number " +
                                  std::to_string(i) + "|") +
             1;
    }
    lines.insert(at, "#");
    return lines;
}

class SelectionListTest : public testing::Test {
protected:
    SelectionListTest() {
        g_committed.clear();
        store.SetSourceLines(lines);  // the store reads them where they are
        SetMainGTex(&store);
        owner.rectangle = &rect;
        host.setGeometry(100, 100, 400, 300);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    ~SelectionListTest() override { SetMainGTex(nullptr); }

    cuiFlector* Open(const std::string& key, int32_t value) {
        cuiFlector* list = cuiFlector::Open(owner, &host, key, Flex0, value,
                                            {&store, &events, nullptr, &CaptionEngine});
        EXPECT_TRUE(QTest::qWaitForWindowExposed(list));
        return list;
    }
    static bool Gone(const QPointer<cuiFlector>& list) {
        return RunEventsUntil([&] { return list.isNull(); });
    }
    static QPoint CentreOf(cuiFlector* list, int32_t row) {
        const clsCellRect cell = list->Grid().CellRect(0, row);
        return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }

    const std::vector<std::string> lines = OverlayWithLongList();
    cmcGTex store;
    cmcEvMan events;
    clsCellRect rect{40, 60, 140, 78};
    cmcCellCapsule owner;
    QWidget host;
};

constexpr const char* kOnOff = "GI_Sheet_Sel_Misc_OnOff";

TEST_F(SelectionListTest, OpensBelowTheCellSizedToItsSheetWithTheValueCurrent) {
    QPointer<cuiFlector> list = Open(kOnOff, 1);
    cuiQtGrid& grid = list->Grid();
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_TRUE(grid.IsEnabled());
    EXPECT_FALSE(list->HasScrollBars());
    EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // The whole sheet shows: the window is the two rows and the column plus its frame.
    EXPECT_EQ(list->height(), grid.RowHeight(0) + grid.RowHeight(1) + 6);
    EXPECT_EQ(list->width(), grid.ColWidth(0) + 6);
    EXPECT_EQ(grid.viewport()->height(), grid.RowHeight(0) + grid.RowHeight(1));
    // Below the cell, 8 pixels in; the offscreen platform may shift a window by its 2-pixel frame.
    const QPoint cell = host.mapToGlobal(QPoint(rect.left, rect.top));
    const QPoint offset = list->pos() - QPoint(cell.x() + 8, cell.y() + rect.bottom - rect.top);
    EXPECT_LE(std::abs(offset.x()), 2);
    EXPECT_LE(std::abs(offset.y()), 2);
    EXPECT_TRUE(grid.hasFocus());
    list->grab().save("/tmp/d2/f_lector.png");
    list->close();
}

TEST_F(SelectionListTest, HoverSelectsAndReleasingTheButtonCommitsAndCloses) {
    QPointer<cuiFlector> list = Open(kOnOff, 0);
    QWidget* viewport = list->Grid().viewport();
    QMouseEvent hover(QEvent::MouseMove, CentreOf(list, 1),
                      viewport->mapToGlobal(CentreOf(list, 1)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &hover);
    EXPECT_EQ(list->Grid().Row(), 1);
    EXPECT_TRUE(g_committed.empty());
    QTest::mousePress(viewport, Qt::LeftButton, {}, CentreOf(list, 1));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, CentreOf(list, 1));
    EXPECT_EQ(g_committed, std::vector<int32_t>{1});
    EXPECT_TRUE(Gone(list));
}

TEST_F(SelectionListTest, KeysCommitOrCancel) {
    struct Case {
        Qt::Key key;
        std::vector<int32_t> committed;
    };
    for (const Case& c :
         {Case{Qt::Key_Return, {0}}, Case{Qt::Key_Enter, {0}}, Case{Qt::Key_Escape, {}}}) {
        g_committed.clear();
        QPointer<cuiFlector> list = Open(kOnOff, 1);
        QTest::keyClick(&list->Grid(), Qt::Key_Up);
        QTest::keyClick(&list->Grid(), c.key);
        EXPECT_EQ(g_committed, c.committed) << c.key;
        EXPECT_TRUE(Gone(list)) << c.key;
    }
}

TEST_F(SelectionListTest, DoubleClickCommitsTheEntry) {
    QPointer<cuiFlector> list = Open(kOnOff, 0);
    QWidget* viewport = list->Grid().viewport();
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, CentreOf(list, 0));
    ASSERT_FALSE(g_committed.empty());
    EXPECT_EQ(g_committed.front(), 0);
    EXPECT_TRUE(Gone(list));
}

TEST_F(SelectionListTest, AValueOutsideTheListStillOpensWithEveryEntry) {
    QPointer<cuiFlector> list = Open(kOnOff, 7);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->Grid().RowCount(), 2);
    EXPECT_EQ(list->Sheet().Paint(0, 1).lines.at(0).text, "ON");
    EXPECT_TRUE(g_committed.empty());
    list->close();
}

TEST_F(SelectionListTest, AListTallerThanTheWorkAreaScrollsInsideIt) {
    QPointer<cuiFlector> list = Open("GI_Sheet_Sel_TestLong", 399);
    const QRect area = list->screen()->availableGeometry();
    EXPECT_TRUE(list->HasScrollBars());
    EXPECT_EQ(list->Grid().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_LE(list->height(), area.height());
    EXPECT_TRUE(area.adjusted(-2, -2, 2, 2).contains(list->geometry()));
    // The last entry is current, and scrolled into view.
    EXPECT_EQ(list->Grid().Row(), 399);
    EXPECT_GT(list->Grid().TopRow(), 0);
    list->close();
}

TEST_F(SelectionListTest, TheWheelNeverReachesTheHost) {
    QPointer<cuiFlector> list = Open(kOnOff, 0);
    int hostWheels = 0;
    struct WheelCounter : QObject {
        int* count;
        explicit WheelCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Wheel) ++*count;
            return false;
        }
    } counter(&hostWheels);
    host.installEventFilter(&counter);
    const QPoint at = CentreOf(list, 0);
    QWheelEvent wheel(at, list->Grid().viewport()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->Grid().viewport(), &wheel);
    EXPECT_EQ(hostWheels, 0);
    EXPECT_TRUE(list->isVisible());
    host.removeEventFilter(&counter);
    list->close();
}

TEST_F(SelectionListTest, ClosesWithoutCommittingWhenTheHostGoesOrACommandRuns) {
    QPointer<cuiFlector> list = Open(kOnOff, 0);
    events.Send(cmcEvCode::EndEditing, 0, 0);
    EXPECT_TRUE(Gone(list));

    auto* child = new QWidget(&host);
    child->show();
    list = cuiFlector::Open(owner, child, kOnOff, Flex0, 0,
                            {&store, &events, nullptr, &CaptionEngine});
    delete child;
    EXPECT_TRUE(Gone(list));
    EXPECT_TRUE(g_committed.empty());
}

TEST_F(SelectionListTest, ClickingElsewhereClosesTheList) {
    QPointer<cuiFlector> list = Open(kOnOff, 0);
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_TRUE(Gone(list));
    EXPECT_TRUE(g_committed.empty());
}

TEST(CellHost, IsTheViewportOfTheAskingGridOnScreen) {
    cuiQtGrid grid(nullptr);
    cmcCellCapsule capsule;
    EXPECT_EQ(CellHostOf(capsule), nullptr);
    capsule.grid = &grid;
    EXPECT_EQ(CellHostOf(capsule), grid.viewport());
}

}  // namespace
