#include "dialogs/qt/f_bits_r.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "base/event_manager.h"
#include "dialogs/bits_sheet.h"
#include "model/cell_call.h"
#include "sheets/qt/qt_grid.h"
#include "support/qt/qt_events.h"

namespace {

constexpr int32_t kByteShift = 18;

// The texts the engine was handed to commit.
std::vector<std::string> g_committed;

int32_t RecordingEngine(indActiveCell&, cmcCellCapsule& capsule, bool) {
    if (capsule.mode == clsMode::kCommitted && capsule.ownerCapsule != nullptr)
        g_committed.push_back(capsule.ownerCapsule->inputText);
    return 0;
}

std::string ByteText(uint32_t byte) {
    return std::to_string(byte << kByteShift);
}

class BitsDialogTest : public testing::Test {
protected:
    BitsDialogTest() {
        g_committed.clear();
        store.SetSourceFile(std::string(KTV_SOURCE_DIR) + "/data/KTV818X.OVL");
        SetMainGTex(&store);
        owner.rectangle = &rect;
        host.setGeometry(100, 100, 400, 300);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    ~BitsDialogTest() override { SetMainGTex(nullptr); }

    cuiFBitsR* Open(uint8_t byte, clsBitMark mark = clsBitMark::Letter, QWidget* on = nullptr) {
        cuiFBitsR* dialog =
            cuiFBitsR::Open(owner, on != nullptr ? on : &host, uint32_t{byte} << kByteShift,
                            std::nullopt, {&store, &events, nullptr, &RecordingEngine}, mark);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        return dialog;
    }
    static bool Gone(const QPointer<cuiFBitsR>& dialog) {
        return RunEventsUntil([&] { return dialog.isNull(); });
    }

    cmcGTex store;
    cmcEvMan events;
    clsCellRect rect{40, 60, 140, 78};
    cmcCellCapsule owner;
    QWidget host;
};

TEST_F(BitsDialogTest, TogglingBitSevenOfTheByteAndOkCommitsTheNewValue) {
    QPointer<cuiFBitsR> dialog = Open(0x05);
    cuiQtGrid& grid = dialog->Grid();
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 1);
    // The whole sheet shows, above the buttons.
    int32_t sheetWidth = 0;
    for (int32_t col = 0; col < grid.ColCount(); ++col)
        sheetWidth += grid.ColWidth(col);
    EXPECT_EQ(grid.viewport()->width(), sheetWidth);
    EXPECT_EQ(grid.viewport()->height(), grid.RowHeight(0) + grid.RowHeight(1));
    EXPECT_LT(grid.geometry().bottom(), dialog->OkButton()->geometry().top());
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(dialog->Sheet().Value(), 0x85u << kByteShift);
    dialog->grab().save("/tmp/d2/f_bits_r.png");
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(g_committed, std::vector<std::string>{ByteText(0x85)});
    EXPECT_TRUE(Gone(dialog));
}

TEST_F(BitsDialogTest, EnterCommitsAndEscapeOrCancelDoNot) {
    struct Case {
        const char* what;
        std::function<void(cuiFBitsR&)> finish;
        std::vector<std::string> committed;
    };
    const Case cases[] = {
        {"Enter",
         [](cuiFBitsR& d) { QTest::keyClick(&d.Grid(), Qt::Key_Return); },
         {ByteText(0x04)}},
        {"Escape", [](cuiFBitsR& d) { QTest::keyClick(&d.Grid(), Qt::Key_Escape); }, {}},
        {"Cancel", [](cuiFBitsR& d) { QTest::mouseClick(d.CancelButton(), Qt::LeftButton); }, {}},
        {"closing", [](cuiFBitsR& d) { d.close(); }, {ByteText(0x04)}},
    };
    for (const Case& c : cases) {
        g_committed.clear();
        QPointer<cuiFBitsR> dialog = Open(0x05);
        dialog->Grid().MoveCurrent(7, 1, true);
        QTest::keyClick(&dialog->Grid(), Qt::Key_Space);  // bit 0 off
        c.finish(*dialog);
        EXPECT_EQ(g_committed, c.committed) << c.what;
        EXPECT_TRUE(Gone(dialog)) << c.what;
    }
}

TEST_F(BitsDialogTest, ClickingElsewhereCommitsOnce) {
    QPointer<cuiFBitsR> dialog = Open(0x01);
    QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(-30, -30));
    EXPECT_TRUE(Gone(dialog));
    EXPECT_EQ(g_committed, std::vector<std::string>{ByteText(0x01)});
}

TEST_F(BitsDialogTest, TheHostGoingAwayClosesWithoutCommitting) {
    auto* child = new QWidget(&host);
    child->show();
    QPointer<cuiFBitsR> dialog = Open(0x01, clsBitMark::Letter, child);
    delete child;
    EXPECT_TRUE(Gone(dialog));
    EXPECT_TRUE(g_committed.empty());
}

TEST_F(BitsDialogTest, ACheckMarkIsDrawnInASetBitsCell) {
    QPointer<cuiFBitsR> dialog = Open(0x80, clsBitMark::CheckMark);
    cuiQtGrid& grid = dialog->Grid();
    const QImage image = grid.viewport()->grab().toImage();
    auto darkPixels = [&](int32_t col) {
        const clsCellRect cell = grid.CellRect(col, 1);
        int dark = 0;
        for (int y = cell.top + 1; y < cell.bottom - 1; ++y)
            for (int x = cell.left + 1; x < cell.right - 1; ++x)
                if (qGray(image.pixel(x, y)) < 100) ++dark;
        return dark;
    };
    EXPECT_GT(darkPixels(0), 5);  // bit 7 set: a tick
    EXPECT_EQ(darkPixels(1), 0);  // bit 6 clear: empty
    dialog->grab().save("/tmp/d2/f_bits_r_check.png");
    dialog->close();
}

}  // namespace
