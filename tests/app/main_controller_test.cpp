// Start-up, model types and modes of the main controller, over the real overlay and initial
// files, with a scripted desktop and a fake main window.
#include "app/main_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/fake_frame.h"
#include "app/image_identity.h"
#include "app/radio_controller.h"
#include "app/sheet_history.h"
#include "model/channel_record.h"
#include "model/clone_file.h"
#include "overlay/cell_ids.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/fatal_trap.h"
#include "support/manual_scheduler.h"

namespace {

class MainControllerTest : public testing::Test {
protected:
    void Start(std::vector<std::string> arguments = {"ktv818x"}) {
        m_rig.Main().Setup(&m_frame, arguments);
    }
    indMain& Main() { return m_rig.Main(); }

    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    ControllerRig m_rig{m_serial, m_scheduler, m_scheduler};
    FakeFrame m_frame;
};

TEST_F(MainControllerTest, EachModelTypeStartsWithItsOwnTemplate) {
    for (int32_t type = 0; type < kModelTypeCount; ++type) {
        SCOPED_TRACE(type);
        m_rig.Environ().Settings().modelType = type;
        Main().LoadTemplate(type);
        EXPECT_EQ(Main().TemplateImage().GetByte(kModelTypeAddress), type);
        EXPECT_EQ(Main().TemplateImage().GetByte(kLayoutAddress), kMapRevision);
    }
    EXPECT_TRUE(m_rig.host.messages.empty());
}

TEST_F(MainControllerTest, AModelTypeOutOfRangeStartsAsTheFirst) {
    for (const int32_t stored : {16, -1}) {
        SCOPED_TRACE(stored);
        ControllerRig rig{m_serial, m_scheduler, m_scheduler};
        FakeFrame frame;
        rig.Environ().Settings().modelType = stored;
        rig.Main().Setup(&frame, {"ktv818x"});
        EXPECT_EQ(rig.Main().ModelType(), 0);
        EXPECT_EQ(rig.Main().WorkingImage().GetByte(kModelTypeAddress), 0);
        EXPECT_FALSE(rig.Main().IsModified());
        EXPECT_EQ(frame.tree->firstNodeText, "KT-V818X" + rig.Line("GI_AppInd_Model", 0));
    }
}

TEST_F(MainControllerTest, AMissingInitialFileEndsTheProgram) {
    // A program folder with the overlay but without the initial files.
    TempFolder folder;
    for (const char* name : {"KTV818X.OVL", "KTV818XH.OVL"}) {
        std::filesystem::copy_file(BinPath(name), folder / name);
    }
    ControllerRig lonely{m_serial, m_scheduler, m_scheduler};
    lonely.host.executablePath = (folder / "ktv818x").string();
    const std::optional<std::string> fatal = CatchFatal([&] { lonely.Main().LoadTemplate(0); });
    ASSERT_TRUE(fatal.has_value());
    EXPECT_EQ(*fatal, "Cannot open '" + (folder / "initial/model_00.icf").string() + "'.");
}

TEST_F(MainControllerTest, TheMakerSwitchInCapitalsAsksTheCaution) {
    m_rig.host.answers = {cmcMessageAnswer::Cancel};
    Start({"ktv818x", "/TAMBLOR"});
    ASSERT_EQ(m_rig.host.messages.size(), 1u);
    EXPECT_EQ(m_rig.host.messages[0].text, m_rig.MultiLine("GI_Mess_Maker_Caution"));
    EXPECT_EQ(m_rig.host.messages[0].buttons, cmcMessageButtons::OkCancel);
    EXPECT_FALSE(Main().IsMakerMode());
    EXPECT_EQ(m_frame.treesBuilt, 1);
    EXPECT_TRUE(m_frame.modePanels.empty());

    // The access word typed inside a longer sequence in the About box asks again; OK enters.
    m_rig.host.answers = {cmcMessageAnswer::Ok};
    for (const char c : std::string("xxTaMbLoRyy"))
        Main().OnAboutKey(c);
    EXPECT_TRUE(Main().IsMakerMode());
    EXPECT_EQ(m_frame.treesBuilt, 2);
    EXPECT_EQ(m_frame.tree->IndexOfSheet("GI_Sheet_Maker") >= 0, true);
    EXPECT_EQ(Main().ModeText(), m_rig.Line("GI_StatusPanel_Maker"));

    // Once on, the word asks nothing.
    for (const char c : std::string("tamblor"))
        Main().OnAboutKey(c);
    EXPECT_EQ(m_rig.host.messages.size(), 2u);
}

TEST_F(MainControllerTest, ConvertModeAsksNothingAndAddsItsPanel) {
    m_rig.host.answers = {cmcMessageAnswer::Ok};
    Start({"ktv818x", "/Convert", "/tamblor"});
    EXPECT_TRUE(Main().IsConvertMode());
    EXPECT_TRUE(Main().IsMakerMode());
    EXPECT_EQ(m_rig.host.messages.size(), 1u);  // the maker caution only
    ASSERT_EQ(m_frame.modePanels.size(), 2u);
    EXPECT_EQ(m_frame.modePanels[0], "[ CONVERT ]");
    EXPECT_EQ(m_frame.modePanels[1], "[ CONVERT ]" + m_rig.Line("GI_StatusPanel_Maker"));
}

TEST_F(MainControllerTest, TheTreeShowsTheChannelBanksOfTheImage) {
    Start();
    Main().WorkingImage().SetByte(kChannelGroupsAddress, kWeatherGroupBit);
    m_rig.Events().Send(cmcEvCode::SheetsChanged, 0, 0);
    const std::vector<std::string> sheets = m_frame.tree->Sheets();
    const auto at = std::find(sheets.begin(), sheets.end(), "GI_Sheet_IntCh");
    ASSERT_NE(at + 1, sheets.end());
    EXPECT_EQ(*(at + 1), "GI_Sheet_WxCh");
    EXPECT_EQ(std::count(sheets.begin(), sheets.end(), "GI_Sheet_UsaCh"), 0);
    EXPECT_EQ(std::count(sheets.begin(), sheets.end(), "GI_Sheet_CanCh"), 0);
    EXPECT_EQ(std::count(sheets.begin(), sheets.end(), "GI_Sheet_Maker"), 0);
    // Model type 0 is of class A and B: the pages of the other classes go.
    EXPECT_EQ(std::count(sheets.begin(), sheets.end(), "GI_Sheet_ClassA"), 0);
    EXPECT_EQ(std::count(sheets.begin(), sheets.end(), "GI_Sheet_ClassB"), 0);

    Main().WorkingImage().SetByte(kChannelGroupsAddress, kUsaGroupBit | kCanadaGroupBit);
    Main().BuildTree();
    const std::vector<std::string> rebuilt = m_frame.tree->Sheets();
    const auto intCh = std::find(rebuilt.begin(), rebuilt.end(), "GI_Sheet_IntCh");
    ASSERT_LT(intCh + 2, rebuilt.end());
    EXPECT_EQ(*(intCh + 1), "GI_Sheet_UsaCh");
    EXPECT_EQ(*(intCh + 2), "GI_Sheet_CanCh");
    EXPECT_EQ(std::count(rebuilt.begin(), rebuilt.end(), "GI_Sheet_WxCh"), 0);
}

TEST_F(MainControllerTest, TheTickReopensAPageAndTheHistoryKeepsItsPlace) {
    Start();
    m_scheduler.Advance(kControllerTickMs);
    EXPECT_EQ(m_frame.tree->activations, 1);  // the tree's selected node opens its page

    Main().OpenSheet("GI_Sheet_Common");
    m_frame.sheet->place = {3, 7, 1, 5};
    Main().OpenSheet("GI_Sheet_IntCh");
    Main().OpenSheet("GI_Sheet_Common");
    ASSERT_TRUE(m_frame.sheet->opening.place.has_value());
    EXPECT_EQ(m_frame.sheet->opening.place->row, 7);
    EXPECT_EQ(m_frame.sheet->opening.place->topRow, 5);
    // Byte for byte: another argument is another page.
    Main().OpenSheet("GI_Sheet_Common,1");
    EXPECT_FALSE(m_frame.sheet->opening.place.has_value());

    // An edit re-checks the tree's warning marks 250 ms later, once.
    const int32_t checks = m_frame.tree->warningChecks;
    Main().RefreshAfterEdit();
    m_scheduler.Advance(200);
    EXPECT_EQ(m_frame.tree->warningChecks, checks);
    m_scheduler.Advance(100);
    EXPECT_EQ(m_frame.tree->warningChecks, checks + 1);
    m_scheduler.Advance(1000);
    EXPECT_EQ(m_frame.tree->warningChecks, checks + 1);
}

TEST_F(MainControllerTest, SettingsAndStatusEventsReachTheirViews) {
    Start();
    std::vector<cmcEvCode> seen;
    auto listener = [](void* context, const cmcEvent& event) {
        static_cast<std::vector<cmcEvCode>*>(context)->push_back(event.code);
    };
    m_rig.Events().AddListener(listener, &seen);
    m_rig.Events().Send(cmcEvCode::SettingsChanged, 0, 0);
    EXPECT_NE(std::find(seen.begin(), seen.end(), cmcEvCode::RefreshMenus), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), cmcEvCode::RefreshToolbar), seen.end());
    m_rig.Events().RemoveListener(listener, &seen);

    m_rig.Events().SendText(cmcEvCode::StatusMessage, 0x0000FF, 0x00FFFF, "Channel 16");
    EXPECT_EQ(Main().MessageText(), "Channel 16");
    EXPECT_EQ(Main().MessageTextColour(), 0x0000FFu);
    EXPECT_EQ(Main().MessageBackgroundColour(), 0x00FFFFu);
    EXPECT_EQ(m_frame.statusRepaints, 1);
}

TEST_F(MainControllerTest, RenumberingKeepsTheCursorOnAChannelTheSheetShows) {
    Start();
    // Channels 10-12 hidden (inhibited, neither P nor C), 13 shown.
    datCh record(&Main().WorkingImage());
    for (int32_t i = 10; i <= 13; ++i) {
        record.LoadRecord(clsRecordGroup::IntCh, i);
        record.markers = 0;
        record.channelFlags = i < 13 ? datCh::kInhibited : 0;
        record.StoreRecord();
    }
    Main().OpenSheet("GI_Sheet_IntCh");
    m_frame.sheet->cursor = datCellBinding{CT_IntCh, 7, 10};
    const int32_t listType = m_rig.Environ().Settings().chListType;
    m_rig.Events().Send(cmcEvCode::ChannelNumbering, 1, 0);
    EXPECT_EQ(m_rig.Environ().Settings().chListType, 1 - listType);
    EXPECT_EQ(m_frame.sheetsOpened.size(), 2u);  // the sheet was built again
    ASSERT_TRUE(m_frame.sheet->movedTo.has_value());
    EXPECT_EQ(m_frame.sheet->movedTo->index, 13);
    EXPECT_EQ(m_frame.sheet->movedTo->label, 7);
}

TEST_F(MainControllerTest, TheModifiedFlagStaysUntilSaved) {
    Start();
    EXPECT_FALSE(Main().IsModified());
    const uint8_t before = Main().WorkingImage().GetByte(0x1000);
    Main().WorkingImage().SetByte(0x1000, static_cast<uint8_t>(before + 1));
    EXPECT_TRUE(Main().IsModified());
    Main().WorkingImage().SetByte(0x1000, before);
    EXPECT_TRUE(Main().IsModified());
    Main().MarkSaved();
    EXPECT_FALSE(Main().IsModified());
}

TEST_F(MainControllerTest, ChangingTheModelAsksAndStartsAnUntitledDocument) {
    Start();
    Main().WorkingImage().SetByte(0x1000, 0x55);
    m_rig.host.answers = {cmcMessageAnswer::Cancel};
    Main().RunCommand(clsHostCommand::ChangeModel, 7, "");
    EXPECT_EQ(Main().ModelType(), 0);
    EXPECT_EQ(m_rig.host.messages.back().text, m_rig.MultiLine("GI_AppMess_ChangeModel"));

    m_rig.host.answers = {cmcMessageAnswer::Ok};
    Main().RunCommand(clsHostCommand::ChangeModel, 7, "");
    EXPECT_EQ(Main().ModelType(), 7);
    EXPECT_EQ(Main().WorkingImage().GetByte(kModelTypeAddress), 7);
    EXPECT_FALSE(Main().IsModified());
    EXPECT_TRUE(Main().IsUntitled());
    EXPECT_EQ(m_frame.tree->firstNodeText, "KT-V818X" + m_rig.Line("GI_AppInd_Model", 7));
}

TEST_F(MainControllerTest, ClosingStoresTheWindowOrAsksFirst) {
    Start();
    m_rig.host.mainWindowRect = cmcRect{10, 20, 810, 620};
    EXPECT_TRUE(Main().QueryClose());
    Main().OnClose();
    const datSettings& settings = m_rig.Environ().Settings();
    EXPECT_EQ(settings.left, 10);
    EXPECT_EQ(settings.top, 20);
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 600);
    EXPECT_EQ(settings.splitterV, 180);
}

TEST_F(MainControllerTest, TheWindowStaysOnTheWorkArea) {
    datSettings& settings = m_rig.Environ().Settings();
    settings.left = 2000;
    settings.top = -50;
    settings.width = 800;
    settings.height = 600;
    const cmcRect rect = Main().InitialWindowRect();
    EXPECT_EQ(rect.left, 1024 - 16);
    EXPECT_EQ(rect.top, 0);
    settings.left = -900;
    settings.top = 900;
    const cmcRect other = Main().InitialWindowRect();
    EXPECT_EQ(other.left, 16 - 800);
    EXPECT_EQ(other.top, 768 - 16);
}

}  // namespace
