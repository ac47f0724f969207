#include "dialogs/qt/f_text_gps.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <vector>

#include "base/event_manager.h"
#include "dialogs/entry_mask.h"
#include "dialogs/qt/masked_line_edit.h"
#include "model/cell_call.h"
#include "model/position_codec.h"
#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"

namespace {

// The texts the engine was handed to commit.
std::vector<std::string> g_committed;

int32_t RecordingEngine(indActiveCell&, cmcCellCapsule& capsule, bool) {
    if (capsule.mode == clsMode::kCommitted && capsule.ownerCapsule != nullptr)
        g_committed.push_back(capsule.ownerCapsule->inputText);
    return 0;
}

class EntryDialogTest : public testing::Test {
protected:
    EntryDialogTest() {
        g_committed.clear();
        store.SetSourceFile(std::string(KTV_SOURCE_DIR) + "/data/KTV818X.OVL");
        cell.ParseCell("{(%CT_Waypoint.CL_Waypt_Lat[0])}", nullptr, nullptr);
        host.setGeometry(100, 100, 400, 300);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    // Opens the dialog as the engine would, after the key code on the cell.
    cuiFTextGps* OpenDialog(const std::string& value, int32_t mode, int32_t code = clsKey::kEnter) {
        owner.cell = &cell;
        owner.rectangle = &rect;
        owner.requestCode = code;
        cuiFTextGps* dialog =
            cuiFTextGps::Open(owner, value, mode, &host, {&store, &events, &RecordingEngine});
        if (dialog != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }

    std::string Shown(cuiFTextGps* dialog) { return ToCoreText(dialog->Edit()->text()); }

    cmcGTex store;
    cmcEvMan events;
    cmcCellObj cell;
    clsCellRect rect{40, 60, 140, 78};
    cmcCellCapsule owner;
    QWidget host;
};

struct RoundTrip {
    int32_t mode;
    const char* value;
    const char* typed;  // after the cursor went Home
    const char* committed;
};

const RoundTrip kRoundTrips[] = {
    {clsEntryMode::kDate, "2026/12/11", "2701", "2027/01/11"},
    {clsEntryMode::kDateMonthFirst, "2026/12/11", "0704", "2026/07/04"},
    {clsEntryMode::kDateDayFirst, "2026/12/11", "0704", "2026/04/07"},
    {clsEntryMode::kTime, "12:00:00", "0930", "09:30:00"},
    {clsEntryMode::kLatitudeSeconds,
     " 12\xB0"
     "34'56\"N",
     "45",
     "045\xB0"
     "34'56\"N"},
    {clsEntryMode::kLongitudeSeconds,
     "123\xB0"
     "45'06\"W",
     "09901",
     "099\xB0"
     "01'06\"W"},
    {clsEntryMode::kLatitude,
     " 12\xB0"
     "34.5678'S",
     "8959",
     "089\xB0"
     "59.5678'S"},
    {clsEntryMode::kLongitude,
     "123\xB0"
     "45.6789'E",
     "17959999",
     "179\xB0"
     "59.9999'E"},
};

TEST_F(EntryDialogTest, EveryModeTypesAndCommitsTheEnginesValueText) {
    for (const RoundTrip& r : kRoundTrips) {
        SCOPED_TRACE(r.mode);
        g_committed.clear();
        cuiFTextGps* dialog = OpenDialog(r.value, r.mode);
        ASSERT_NE(dialog, nullptr);
        QPointer<cuiFTextGps> alive(dialog);
        QTest::keyClick(dialog->Edit(), Qt::Key_Home);
        QTest::keyClicks(dialog->Edit(), QString::fromLatin1(r.typed));
        EXPECT_TRUE(dialog->OkButton()->isEnabled());
        QTest::keyClick(dialog->Edit(), Qt::Key_Return);
        EXPECT_EQ(g_committed, std::vector<std::string>{r.committed});
        EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }));  // closed and gone
    }
}

TEST_F(EntryDialogTest, APositionComesBackAsTheValueTheEngineReads) {
    constexpr int32_t kValue = -(45 * 600000 + 7 * 10000 + 1234);  // 45°07.1234'S
    cuiFTextGps* dialog =
        OpenDialog(PositionDialogText(kValue, clsAxis::Latitude), clsEntryMode::kLatitude);
    EXPECT_EQ(Shown(dialog),
              " 45\xB0"
              "07.1234'S");
    QTest::keyClick(dialog->Edit(), Qt::Key_End);
    QTest::keyClick(dialog->Edit(), Qt::Key_Backspace);
    QTest::keyClicks(dialog->Edit(), "n");
    dialog->OkButton()->click();
    ASSERT_EQ(g_committed.size(), 1u);
    EXPECT_EQ(ParsePositionDialogText(g_committed[0], clsAxis::Latitude), -kValue);
}

TEST_F(EntryDialogTest, InvalidEntriesKeepOkDisabledAndEnterDoesNothing) {
    struct Invalid {
        const char* name;
        int32_t mode;
        const char* value;
        const char* typed;
    };
    const Invalid invalid[] = {
        {"month 13", clsEntryMode::kDate, "2026/12/11", "2613"},
        {"hour 24", clsEntryMode::kTime, "12:00:00", "24"},
        {"minute 60", clsEntryMode::kLatitude,
         " 12\xB0"
         "34.5678'N",
         "1260"},
        {"E as a latitude", clsEntryMode::kLatitude,
         " 12\xB0"
         "34.5678'N",
         "12345678E"},
    };
    for (const Invalid& c : invalid) {
        SCOPED_TRACE(c.name);
        g_committed.clear();
        cuiFTextGps* dialog = OpenDialog(c.value, c.mode);
        EXPECT_TRUE(dialog->OkButton()->isEnabled());
        QTest::keyClicks(dialog->Edit(), QString::fromLatin1(c.typed));
        EXPECT_FALSE(dialog->OkButton()->isEnabled());
        QTest::keyClick(dialog->Edit(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(g_committed.empty());
        dialog->CancelButton()->click();
        EXPECT_TRUE(g_committed.empty());
    }
}

TEST_F(EntryDialogTest, ClickingOutsideCommitsAValidDateAndKeepsTheCellForAnInvalidOne) {
    struct Outside {
        const char* typed;
        const char* committed;
    };
    const Outside cases[] = {{"2701", "2027/01/11"}, {"2613", "2026/12/11"}};
    for (const Outside& c : cases) {
        SCOPED_TRACE(c.typed);
        g_committed.clear();
        QPointer<cuiFTextGps> dialog = OpenDialog("2026/12/11", clsEntryMode::kDate);
        QTest::keyClicks(dialog->Edit(), c.typed);
        QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, QPoint(390, 290));
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }));
        EXPECT_EQ(g_committed, std::vector<std::string>{c.committed});
    }
}

TEST_F(EntryDialogTest, TypingADigitOpensTheDateWithItInPlace) {
    cuiFTextGps* dialog = OpenDialog("2026/12/11", clsEntryMode::kDate, '7');
    EXPECT_EQ(Shown(dialog), "2076/12/11");
    EXPECT_EQ(dialog->Edit()->cursorPosition(), 3);
    QTest::keyClicks(dialog->Edit(), "AB1");  // no letters where digits go
    EXPECT_EQ(Shown(dialog), "2071/12/11");
    dialog->close();
    EXPECT_EQ(g_committed, std::vector<std::string>{"2071/12/11"});
}

TEST_F(EntryDialogTest, EscapeAndCancelCloseWithoutCommitting) {
    QPointer<cuiFTextGps> escaped = OpenDialog("12:00:00", clsEntryMode::kTime);
    QTest::keyClicks(escaped->Edit(), "13");
    QTest::keyClick(escaped->Edit(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return escaped.isNull(); }));
    QPointer<cuiFTextGps> cancelled = OpenDialog("12:00:00", clsEntryMode::kTime);
    QTest::keyClicks(cancelled->Edit(), "13");
    cancelled->CancelButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return cancelled.isNull(); }));
    EXPECT_TRUE(g_committed.empty());
}

TEST_F(EntryDialogTest, EndEditingCommitsOnceAndTheHostGoingAwayDoesNot) {
    QPointer<cuiFTextGps> dialog = OpenDialog("12:00:00", clsEntryMode::kTime);
    QTest::keyClicks(dialog->Edit(), "08");
    events.Send(cmcEvCode::EndEditing, 0, 0);
    events.Send(cmcEvCode::EndEditing, 0, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }));
    EXPECT_EQ(g_committed, std::vector<std::string>{"08:00:00"});

    g_committed.clear();
    auto* goingHost = new QWidget;
    goingHost->show();
    owner.cell = &cell;
    owner.rectangle = &rect;
    QPointer<cuiFTextGps> orphan = cuiFTextGps::Open(
        owner, "12:00:00", clsEntryMode::kTime, goingHost, {&store, &events, &RecordingEngine});
    QTest::keyClicks(orphan->Edit(), "08");
    delete goingHost;
    EXPECT_TRUE(QTest::qWaitFor([&] { return orphan.isNull(); }));
    EXPECT_TRUE(g_committed.empty());
}

TEST_F(EntryDialogTest, OpensBelowTheCellWithTheFocusInTheEditAndTheOverlaysTexts) {
    cuiFTextGps* dialog = OpenDialog(
        " 12\xB0"
        "34.5678'N",
        clsEntryMode::kLatitude);
    const QPoint cellTopLeft = host.mapToGlobal(QPoint(rect.left, rect.top));
    // Below the cell, 8 pixels in; the offscreen platform may shift a window by its 2-pixel frame.
    const QPoint offset = dialog->pos() - (cellTopLeft + QPoint(8, rect.bottom - rect.top));
    EXPECT_LE(std::abs(offset.x()), 2);
    EXPECT_LE(std::abs(offset.y()), 2);
    EXPECT_TRUE(dialog->Edit()->hasFocus());
    EXPECT_EQ(dialog->OkButton()->text(),
              FromCoreText(store.GetLine("GI_AppInd_Button_OkCancel", 0)));
    EXPECT_EQ(dialog->CancelButton()->text(),
              FromCoreText(store.GetLine("GI_AppInd_Button_OkCancel", 1)));
    EXPECT_EQ(dialog->windowTitle(), FromCoreText(store.GetFirstLine("GI_Sys_AppTitle")));
    EXPECT_EQ(Shown(dialog),
              " 12\xB0"
              "34.5678'N");
    QTest::keyClick(dialog, Qt::Key_Tab);
    EXPECT_TRUE(dialog->OkButton()->hasFocus());
    QTest::keyClick(dialog, Qt::Key_Tab);
    EXPECT_TRUE(dialog->CancelButton()->hasFocus());
    dialog->reject();
}

TEST_F(EntryDialogTest, AClickPutsTheCursorOnTheNearestEditablePosition) {
    cuiFTextGps* dialog = OpenDialog("2026/12/11", clsEntryMode::kDate);
    QTest::keyClick(dialog->Edit(), Qt::Key_End);
    QTest::mouseClick(dialog->Edit(), Qt::LeftButton, {}, QPoint(1, dialog->Edit()->height() / 2));
    EXPECT_EQ(dialog->Edit()->cursorPosition(), 2);  // not on the fixed "20"
    QTest::keyClicks(dialog->Edit(), "9");
    EXPECT_EQ(Shown(dialog), "2096/12/11");
    dialog->reject();
}

TEST_F(EntryDialogTest, AModeOutsideTheEightOpensNothing) {
    EXPECT_EQ(OpenDialog("2026/12/11", 8), nullptr);
    EXPECT_EQ(OpenDialog("2026/12/11", -1), nullptr);
}

TEST_F(EntryDialogTest, UntypedPositionsShowAsUnderscoresAndTheDegreeSignAsItself) {
    cuiFTextGps* dialog = OpenDialog("", clsEntryMode::kLongitudeSeconds);
    EXPECT_EQ(dialog->Edit()->text(), QString::fromUtf8("___°__'__\"_"));
    EXPECT_FALSE(dialog->OkButton()->isEnabled());
    dialog->reject();
}

}  // namespace
