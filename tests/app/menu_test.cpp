// The main menu and the popup menus built from the overlay: the level rule, the item states the
// engine answers, the recent-file entries, the Edit menu's items and clicks.
#include "app/menu.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/environ.h"
#include "app/fake_frame.h"
#include "app/radio_controller.h"
#include "app/recording_surfaces.h"
#include "base/event_manager.h"
#include "overlay/cell_ids.h"
#include "overlay/gtex.h"
#include "sheets/sheet_services.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"

namespace {

class MenuTest : public testing::Test {
protected:
    void SetUp() override { m_rig.Main().Setup(&m_frame, {"ktv818x"}); }

    // The main menu of the shipped overlay, built.
    cuiMenu& MainMenu() {
        if (!m_main) {
            m_main =
                std::make_unique<cuiMenu>(m_rig.GTex(), m_rig.Events(), "GI_Menu_Main", m_surface);
            m_main->Build();
        }
        return *m_main;
    }
    const RecordingMenu::Item& ItemOf(int32_t label, int32_t index = 0) {
        for (const auto& [id, item] : m_surface.items) {
            const cmcCellObj* cell = MainMenu().CellOf(id);
            if (cell && cell->GetLabel() == label && cell->GetIndex() == index) return item;
        }
        ADD_FAILURE() << "no item of label " << label << "[" << index << "]";
        static const RecordingMenu::Item none{};
        return none;
    }
    int32_t IdOf(int32_t label, int32_t index = 0) {
        for (const auto& [id, item] : m_surface.items) {
            const cmcCellObj* cell = MainMenu().CellOf(id);
            if (cell && cell->GetLabel() == label && cell->GetIndex() == index) return id;
        }
        return -1;
    }
    // Delivers the posted events.
    void Deliver() { m_scheduler.Advance(kEvManTickMs * 2); }

    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    ControllerRig m_rig{m_serial, m_scheduler, m_scheduler};
    FakeFrame m_frame;
    RecordingMenu m_surface;
    std::unique_ptr<cuiMenu> m_main;
};

TEST_F(MenuTest, LevelsZeroTwoTwoOneZeroGiveTwoItemsTheFirstWithThree) {
    cmcGTex store;
    const std::vector<std::string> lines = {"#Levels_BasicCell",
                                            "{(%CT_Null.CL_Null)}",
                                            "#",
                                            "#Levels_Body",
                                            "+A",
                                            "  +B",
                                            "  +C",
                                            " +D",
                                            "+E",
                                            "#",
                                            "#End_Of_Ovl"};
    store.SetSourceLines(lines);
    RecordingMenu surface;
    cuiMenu menu(store, m_rig.Events(), "Levels", surface);
    menu.Build();
    EXPECT_EQ(surface.Captions(cuiMenuSurface::kMenuRoot), (std::vector<std::string>{"A", "E"}));
    const std::vector<int32_t> top = menu.SubItems(cuiMenuSurface::kMenuRoot);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(surface.Captions(top[0]), (std::vector<std::string>{"B", "C", "D"}));
    EXPECT_TRUE(menu.SubItems(top[1]).empty());
}

TEST_F(MenuTest, TheMainMenuComesFromTheOverlayWithSeparatorsAndShortcuts) {
    MainMenu();
    EXPECT_EQ(m_surface.Captions(cuiMenuSurface::kMenuRoot),
              (std::vector<std::string>{"&File", "&Edit", "&View", "&Port", "&Clone", "&Model",
                                        "&Help"}));
    EXPECT_EQ(ItemOf(CL_Menu_File_New).look.shortcut, "Ctrl+N");
    EXPECT_EQ(ItemOf(CL_Menu_File_New).look.imageIndex, 0);
    int32_t separators = 0;
    for (const auto& [id, item] : m_surface.items)
        separators += item.look.separator ? 1 : 0;
    EXPECT_GT(separators, 3);
    EXPECT_EQ(MainMenu().FindByLabel(CL_Menu_File_Exit), IdOf(CL_Menu_File_Exit));
    EXPECT_EQ(MainMenu().FindByLabel(CL_Menu_Debug_Window), -1);
}

TEST_F(MenuTest, SettingsChangedRefreshesTheCheckedItems) {
    MainMenu();
    m_rig.Environ().Settings().comPort = 2;
    m_rig.Environ().Settings().comSpeedHigh = 1;
    m_rig.Events().Send(cmcEvCode::SettingsChanged, 0, 0);
    EXPECT_FALSE(ItemOf(CL_Menu_Port_Com, 1).checked);
    EXPECT_TRUE(ItemOf(CL_Menu_Port_Com, 2).checked);
    EXPECT_TRUE(ItemOf(CL_Menu_Port_SpeedHigh, 1).checked);
    EXPECT_FALSE(ItemOf(CL_Menu_Port_SpeedHigh, 0).checked);
    EXPECT_TRUE(ItemOf(CL_Model, m_rig.Main().ModelType()).checked);

    m_rig.Environ().Settings().comPort = 9;
    m_rig.Events().Send(cmcEvCode::RefreshMenus, 0, 0);
    EXPECT_FALSE(ItemOf(CL_Menu_Port_Com, 2).checked);
    EXPECT_TRUE(ItemOf(CL_Menu_Port_Usb).checked);
}

TEST_F(MenuTest, WithAnEmptyRecentListOnlyTheFirstEntryShowsAndIsDisabled) {
    MainMenu().Refresh();
    const RecordingMenu::Item& first = ItemOf(CL_Menu_File_Recent, 0);
    EXPECT_TRUE(first.visible);
    EXPECT_FALSE(first.enabled);
    EXPECT_EQ(first.look.caption, "(No recent files)");
    for (int32_t n = 1; n < 10; ++n) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(ItemOf(CL_Menu_File_Recent, n).visible);
        EXPECT_FALSE(ItemOf(CL_Menu_File_Recent, n).enabled);
    }
}

TEST_F(MenuTest, RecentEntriesGetTheirDigitAndShowAnAmpersandOnce) {
    const std::string inFolder = (m_rig.documents.path() / "Sea & Sky.icf").string();
    const std::string elsewhere = "/srv/boats/b&b.icf";
    m_rig.Environ().Recent().PushFront(elsewhere);
    m_rig.Environ().Recent().PushFront(inFolder);
    MainMenu().Refresh();
    EXPECT_EQ(ItemOf(CL_Menu_File_Recent, 0).look.caption, "&1 Sea && Sky.icf");
    EXPECT_EQ(ItemOf(CL_Menu_File_Recent, 1).look.caption, "&2 /srv/boats/b&&b.icf");
    EXPECT_TRUE(ItemOf(CL_Menu_File_Recent, 1).enabled);
    EXPECT_TRUE(ItemOf(CL_Menu_File_Recent, 1).visible);
    EXPECT_FALSE(ItemOf(CL_Menu_File_Recent, 2).visible);
}

TEST_F(MenuTest, AClickReachesTheEngineAndTheMenuRefreshes) {
    MainMenu().Refresh();
    ASSERT_TRUE(ItemOf(CL_Menu_View_ToolBar).checked);
    MainMenu().Click(IdOf(CL_Menu_View_ToolBar));
    EXPECT_EQ(m_rig.Environ().Settings().toolbarVisible, 0);
    EXPECT_FALSE(ItemOf(CL_Menu_View_ToolBar).checked);

    MainMenu().Click(IdOf(CL_Menu_Port_Com, 3));
    EXPECT_EQ(m_rig.Environ().Settings().comPort, 3);
    EXPECT_TRUE(ItemOf(CL_Menu_Port_Com, 3).checked);
}

TEST_F(MenuTest, TheEditMenuFallsBackToTheNoItemListOnce) {
    const int32_t edit = MainMenu().FindByLabel(CL_Menu_Edit_Top);
    for (int round = 0; round < 3; ++round) {
        MainMenu().Refresh();
        Deliver();
    }
    const std::vector<int32_t> items = MainMenu().SubItems(edit);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(MainMenu().CellOf(items[0])->GetLabel(), CL_PMenu_NoItem);
    EXPECT_EQ(MainMenu().CellOf(items[0])->GetCategory(), CT_PopupMenu);
    MainMenu().Refresh();
    EXPECT_FALSE(m_surface.items.at(MainMenu().SubItems(edit)[0]).enabled);
}

TEST_F(MenuTest, TheSheetsItemsInTheEditMenuGoToItsHandlerAndLeaveOnEventTen) {
    std::vector<int32_t> chosen;
    MainMenu().SetHandler(kMenuHandlerSheet,
                          [&](const cmcCellObj& cell) { chosen.push_back(cell.GetLabel()); });
    const int32_t edit = MainMenu().FindByLabel(CL_Menu_Edit_Top);
    m_rig.Events().SendText(cmcEvCode::MenuSetItems, kMenuHandlerSheet, CL_Menu_Edit_Top,
                            "GI_PMenu_Edit");
    const std::vector<int32_t> items = MainMenu().SubItems(edit);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(m_surface.Captions(edit),
              (std::vector<std::string>{"&Edit...", "-", "&Help on This Item"}));
    EXPECT_EQ(m_surface.items.at(items[0]).look.shortcut, "Enter");
    MainMenu().Click(items[2]);
    EXPECT_EQ(chosen, (std::vector<int32_t>{CL_PMenu_Help}));

    m_rig.Events().Send(cmcEvCode::MenuClearItems, 0, CL_Menu_Edit_Top);
    EXPECT_TRUE(MainMenu().SubItems(edit).empty());
    EXPECT_TRUE(m_surface.Captions(edit).empty());
}

TEST_F(MenuTest, TheActiveCellTravelsBackAsACellOfItsBinding) {
    struct Answerer {
        static void OnEvent(void* context, const cmcEvent& event) {
            if (event.code != cmcEvCode::QueryActiveCell) return;
            const int32_t binding[3] = {CT_IntCh, CL_ChList_Comment, 48};
            static_cast<cmcEvMan*>(context)->AnswerData(binding, sizeof binding);
        }
    };
    EXPECT_EQ(QueryActiveCell(m_rig.Events()), nullptr);
    m_rig.Events().AddListener(&Answerer::OnEvent, &m_rig.Events());
    const std::unique_ptr<cmcCellObj> cell = QueryActiveCell(m_rig.Events());
    m_rig.Events().RemoveListener(&Answerer::OnEvent, &m_rig.Events());
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetCategory(), CT_IntCh);
    EXPECT_EQ(cell->GetLabel(), CL_ChList_Comment);
    EXPECT_EQ(cell->GetIndex(), 48);
}

}  // namespace
