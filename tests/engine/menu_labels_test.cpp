#include <gtest/gtest.h>

#include "model/cell_engine.h"
#include "model/channel_record.h"
#include "support/fake_engine_host.h"

namespace {

class MenuLabels : public ::testing::Test {
protected:
    // A menu request: no grid, Enter to activate, nothing to ask for the state.
    clsCellCall Item(int32_t label, int32_t parameter, int32_t code = clsKey::kNone,
                     const std::string& suffix = "") {
        clsCellCall call(host, record);
        call.category = CT_Null;
        call.label = label;
        call.index = parameter;
        call.code = code;
        call.caption = "caption";
        call.suffix = suffix;
        EvaluateCall(call);
        host.Deliver();
        return call;
    }

    FakeEngineHost host;
    datCh record{&host.image};
};

TEST_F(MenuLabels, CommandsRunOnEnterOnly) {
    Item(CL_Menu_File_Open, 0);
    EXPECT_TRUE(host.commands.empty());
    Item(CL_Menu_File_Open, 0, clsKey::kEnter);
    Item(CL_Menu_Clone_Write, 0, clsKey::kDoubleClick);
    Item(CallSheet, 0, clsKey::kEnter, "GI_Sheet_WxCh");
    ASSERT_EQ(host.commands.size(), 3u);
    EXPECT_EQ(host.commands[0].command, clsHostCommand::FileOpen);
    EXPECT_EQ(host.commands[1].command, clsHostCommand::CloneWrite);
    EXPECT_EQ(host.commands[2].command, clsHostCommand::OpenSheet);
    EXPECT_EQ(host.commands[2].text, "GI_Sheet_WxCh");
}

TEST_F(MenuLabels, CheckedStatesFollowTheSettings) {
    host.environ.Settings().modelType = 6;
    host.environ.Settings().comPort = 7;
    EXPECT_EQ(Item(CL_Model, 6).itemState, clsItemState::kChecked);
    EXPECT_EQ(Item(CL_Model, 7).itemState, 0);
    EXPECT_EQ(Item(CL_Menu_Port_Com, 3).itemState, 0);
    EXPECT_EQ(Item(CL_Menu_Port_Usb, 0).itemState, clsItemState::kChecked);
    Item(CL_Menu_Port_Com, 3, clsKey::kEnter);
    EXPECT_EQ(host.environ.Settings().comPort, 3);
    EXPECT_EQ(host.EventsOf(cmcEvCode::SettingsChanged).size(), 1u);
    EXPECT_EQ(Item(CL_Menu_Port_Usb, 0).itemState, 0);
    const clsCellCall font = Item(CL_Menu_View_FontSize, 150, clsKey::kEnter);
    EXPECT_EQ(font.itemState, clsItemState::kChecked);
    EXPECT_EQ(host.commands.back().command, clsHostCommand::ReopenSheet);
    host.canPrint = false;
    EXPECT_EQ(Item(CL_Menu_File_Print_Current, 0).itemState, clsItemState::kDisabled);
}

TEST_F(MenuLabels, RecentFilesShowTheirNamesAndHideEmptyEntries) {
    host.environ.Recent().PushFront("/home/skipper/radios/R&D.icf");
    const clsCellCall first = Item(CL_Menu_File_Recent, 0);
    EXPECT_EQ(first.text, "&1 R&&D.icf");
    EXPECT_EQ(first.itemState, clsItemState::kCaptionReplaced);
    EXPECT_EQ(Item(CL_Menu_File_Recent, 1).itemState,
              clsItemState::kDisabled | clsItemState::kHidden);
    host.environ.Recent().Remove("/home/skipper/radios/R&D.icf");
    EXPECT_EQ(Item(CL_Menu_File_Recent, 0).itemState, clsItemState::kDisabled);
}

}  // namespace
