// The popup menu builder the pages are given: a QMenu from an overlay menu key whose chosen items
// reach the page's command with their labels once the click is over.
#include "app/qt/popup_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>

#include "overlay/cell_ids.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"
#include "support/qt/qt_events.h"

namespace {

TEST(PopupMenuTest, BuiltFromTheKeyItsItemsCallTheCommandWithTheirLabels) {
    ManualScheduler scheduler;
    FakeSerialBackend serial{scheduler};
    ControllerRig rig{serial, scheduler, scheduler};
    std::vector<int32_t> labels;
    cuiQtPopupMenu popup(rig.GTex(), rig.Events(), nullptr,
                         [&](int32_t label) { labels.push_back(label); });
    EXPECT_FALSE(popup.IsBuilt());
    popup.Build("GI_PMenu_Waypoint");
    ASSERT_TRUE(popup.IsBuilt());
    const QList<QAction*> actions = popup.Widget()->actions();
    ASSERT_GE(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Edit..."));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->shortcut(), QKeySequence(QKeySequence::Copy));

    actions[2]->trigger();
    EXPECT_TRUE(labels.empty());  // not while the click runs
    EXPECT_TRUE(RunEventsUntil([&] { return !labels.empty(); }));
    EXPECT_EQ(labels, (std::vector<int32_t>{CL_PMenu_Copy}));

    popup.Remove();
    EXPECT_FALSE(popup.IsBuilt());
    EXPECT_EQ(popup.Widget(), nullptr);
}

}  // namespace
