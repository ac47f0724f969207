// The toolbar built from the overlay: buttons in line order, gaps, a second row after "/", and
// the button states on event 20.
#include "app/tool_bar.h"

#include <gtest/gtest.h>

#include "app/environ.h"
#include "app/fake_frame.h"
#include "app/radio_controller.h"
#include "app/recording_surfaces.h"
#include "base/event_manager.h"
#include "overlay/gtex.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"

namespace {

class ToolBarTest : public testing::Test {
protected:
    void SetUp() override { m_rig.Main().Setup(&m_frame, {"ktv818x"}); }

    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    ControllerRig m_rig{m_serial, m_scheduler, m_scheduler};
    FakeFrame m_frame;
    RecordingToolBar m_surface;
};

TEST_F(ToolBarTest, ButtonsAfterASlashGoOnTheSecondRow) {
    cmcGTex store;
    const std::vector<std::string> lines = {"#Bar_BasicCell",
                                            "{(%CT_Null.CL_Null)}",
                                            "#",
                                            "#Bar_Body",
                                            "New{(%CL_Menu_File_New)(ImageIndex=0)}",
                                            "-",
                                            "Open{(%CL_Menu_File_Open)(ImageIndex=1)}",
                                            "/",
                                            "Read{(%CL_Menu_Clone_Read)(ImageIndex=7)}",
                                            "#",
                                            "#End_Of_Ovl"};
    store.SetSourceLines(lines);
    cuiToolBar bar(store, m_rig.Events(), "Bar", m_surface);
    bar.Build();
    ASSERT_EQ(m_surface.buttons.size(), 3u);
    EXPECT_EQ(m_surface.buttons[0].hint, "New");
    EXPECT_EQ(m_surface.buttons[0].row, 0);
    EXPECT_EQ(m_surface.buttons[1].hint, "Open");
    EXPECT_EQ(m_surface.buttons[1].row, 0);
    EXPECT_EQ(m_surface.buttons[2].hint, "Read");
    EXPECT_EQ(m_surface.buttons[2].row, 1);
    EXPECT_EQ(m_surface.buttons[2].image, 7);
    EXPECT_EQ(m_surface.separators, (std::vector<int32_t>{cuiToolBar::kSeparatorWidth}));
    EXPECT_EQ(bar.CellOf(1), nullptr);
    EXPECT_EQ(bar.CellOf(3), nullptr);
}

TEST_F(ToolBarTest, ThePortButtonsFollowTheSettingOnEventTwenty) {
    cuiToolBar bar(m_rig.GTex(), m_rig.Events(), "GI_ToolBar_Main", m_surface);
    bar.Build();
    EXPECT_EQ(m_surface.buttons.size(), 10u);
    m_rig.Environ().Settings().comPort = 3;
    m_rig.Events().Send(cmcEvCode::SettingsChanged, 0, 0);
    EXPECT_TRUE(m_surface.Find("Clone through COM3")->checked);
    EXPECT_FALSE(m_surface.Find("Clone through COM1")->checked);
    EXPECT_FALSE(m_surface.Find("New document")->checked);
    EXPECT_TRUE(m_surface.Find("New document")->enabled);

    m_rig.Environ().Settings().comPort = 1;
    m_rig.Events().Send(cmcEvCode::RefreshToolbar, 0, 0);
    EXPECT_TRUE(m_surface.Find("Clone through COM1")->checked);
    EXPECT_FALSE(m_surface.Find("Clone through COM3")->checked);
}

TEST_F(ToolBarTest, AClickPerformsTheButtonsLabel) {
    cuiToolBar bar(m_rig.GTex(), m_rig.Events(), "GI_ToolBar_Main", m_surface);
    bar.Build();
    bar.Click(m_surface.Find("Clone through COM4")->button);
    EXPECT_EQ(m_rig.Environ().Settings().comPort, 4);
    EXPECT_TRUE(m_surface.Find("Clone through COM4")->checked);
}

}  // namespace
