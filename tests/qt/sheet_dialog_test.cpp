#include "dialogs/qt/sheet_dialog.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "base/event_manager.h"
#include "model/cell_call.h"
#include "overlay/gtex.h"
#include "sheets/qt/qt_grid.h"
#include "support/qt/qt_events.h"

namespace {

// Answers every cell with its label's name, as the clone information would show its values.
int32_t NamingEngine(indActiveCell&, cmcCellCapsule& capsule, bool) {
    if (capsule.cell != nullptr)
        capsule.displayText = "value " + std::to_string(capsule.cell->GetLabel());
    return 0;
}

class SheetDialogTest : public testing::Test {
protected:
    SheetDialogTest() {
        store.SetSourceFile(std::string(KTV_SOURCE_DIR) + "/data/KTV818X.OVL");
        SetMainGTex(&store);
        owner.setGeometry(100, 100, 600, 400);
        owner.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }
    ~SheetDialogTest() override { SetMainGTex(nullptr); }

    cuiSheetDialog* Open() {
        cuiSheetDialog* dialog =
            cuiSheetDialog::Open(&owner, "Radio", "GI_Sheet_CloneInfo", clsRadioSheetState{},
                                 {&store, &events, nullptr, &NamingEngine});
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        return dialog;
    }
    static bool Gone(const QPointer<cuiSheetDialog>& dialog) {
        return RunEventsUntil([&] { return dialog.isNull(); });
    }

    cmcGTex store;
    cmcEvMan events;
    QWidget owner;
};

TEST_F(SheetDialogTest, ShowsTheWholeSheetCentredOverTheDisabledOwner) {
    QPointer<cuiSheetDialog> dialog = Open();
    cuiQtGrid& grid = dialog->Grid();
    int32_t width = 0;
    for (int32_t col = 0; col < grid.ColCount(); ++col)
        width += grid.ColWidth(col);
    int32_t height = 0;
    for (int32_t row = 0; row < grid.RowCount(); ++row)
        height += grid.RowHeight(row);
    EXPECT_EQ(grid.viewport()->size(), QSize(width, height));
    EXPECT_EQ(grid.TopRow(), grid.FixedRows());
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), QString("Radio"));
    // Centred over the owner; the offscreen platform may shift a window by its 2-pixel frame.
    EXPECT_LE(std::abs(dialog->geometry().center().x() - owner.frameGeometry().center().x()), 3);
    EXPECT_LE(std::abs(dialog->geometry().center().y() - owner.frameGeometry().center().y()), 3);
    EXPECT_TRUE(dialog->Button()->hasFocus());
    EXPECT_EQ(dialog->Button()->text(), QString("OK"));
    EXPECT_EQ(dialog->width() - dialog->Button()->geometry().right() - 1, 5);
    dialog->grab().save("/tmp/d2/sheet_dialog.png");
    dialog->close();
    EXPECT_TRUE(Gone(dialog));
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(SheetDialogTest, EnterEscapeAndTheButtonCloseItAndEnableTheOwner) {
    const std::function<void(cuiSheetDialog&)> ways[] = {
        [](cuiSheetDialog& d) { QTest::keyClick(d.Button(), Qt::Key_Return); },
        [](cuiSheetDialog& d) { QTest::keyClick(d.Button(), Qt::Key_Escape); },
        [](cuiSheetDialog& d) { QTest::mouseClick(d.Button(), Qt::LeftButton); },
    };
    for (const auto& close : ways) {
        QPointer<cuiSheetDialog> dialog = Open();
        close(*dialog);
        EXPECT_TRUE(Gone(dialog));
        EXPECT_TRUE(owner.isEnabled());
    }
}

}  // namespace
