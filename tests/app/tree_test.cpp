// The page tree built from the overlay: groups, ensuring and removing nodes, the warning marks
// with the collapsed-folder rule, re-selecting the page in view and the tree's events.
#include "app/tree.h"

#include <gtest/gtest.h>

#include "app/environ.h"
#include "app/fake_frame.h"
#include "app/radio_controller.h"
#include "app/recording_surfaces.h"
#include "app/warning_check.h"
#include "base/event_manager.h"
#include "overlay/gtex.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"

namespace {

class TreeTest : public testing::Test {
protected:
    void SetUp() override { m_rig.Main().Setup(&m_frame, {"ktv818x"}); }

    std::unique_ptr<cuiTree> MakeTree(cmcGTex& store, const std::string& key) {
        auto tree = std::make_unique<cuiTree>(store, m_rig.Events(), key, m_surface,
                                              [this] { return m_currentSheet; });
        tree->Populate();
        return tree;
    }
    std::vector<std::string> Sheets(const cuiTree& tree) {
        std::vector<std::string> sheets;
        for (const int32_t node : tree.Nodes())
            sheets.push_back(tree.CellOf(node)->GetSuffix());
        return sheets;
    }

    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    ControllerRig m_rig{m_serial, m_scheduler, m_scheduler};
    FakeFrame m_frame;
    RecordingTree m_surface;
    std::string m_currentSheet;
};

TEST_F(TreeTest, TheShippedTreeHasEveryPageBelowTheFirstNodeWhichIsExpanded) {
    std::unique_ptr<cuiTree> tree = MakeTree(m_rig.GTex(), "GI_Tree_Main");
    const std::vector<int32_t> nodes = tree->Nodes();
    ASSERT_EQ(nodes.size(), 19u);
    EXPECT_EQ(tree->TextOf(nodes[0]), "KT-V818X");
    EXPECT_TRUE(m_surface.IsNodeExpanded(nodes[0]));
    EXPECT_EQ(m_surface.children[nodes[0]].size(), 18u);
    EXPECT_EQ(tree->FindBySheet("GI_Sheet_WxCh"), nodes[4]);
    EXPECT_EQ(tree->IndexOfSheet("GI_Sheet_IntCh"), 0);
    EXPECT_EQ(tree->IndexOfSheet("GI_Sheet_Nowhere"), -1);
    EXPECT_EQ(tree->ChangeDelayMs(), 300);
}

TEST_F(TreeTest, RemovingAGroupAndEnsuringANodeAtAPosition) {
    std::unique_ptr<cuiTree> tree = MakeTree(m_rig.GTex(), "GI_Tree_Main");
    tree->RemoveGroup(clsTreeGroup::kMaker);
    tree->RemoveGroup(clsTreeGroup::kUsa);
    tree->RemoveGroup(clsTreeGroup::kWeather);
    EXPECT_EQ(tree->FindBySheet("GI_Sheet_MakerAdj"), -1);
    EXPECT_EQ(tree->FindBySheet("GI_Sheet_EeDebugWin"), -1);
    EXPECT_EQ(tree->FindBySheet("GI_Sheet_UsaCh"), -1);
    EXPECT_EQ(tree->IndexOfSheet("GI_Sheet_CanCh"), 1);

    tree->EnsureNode("GI_Sheet_WxCh", 1);
    EXPECT_EQ(tree->IndexOfSheet("GI_Sheet_WxCh"), 1);
    EXPECT_EQ(tree->IndexOfSheet("GI_Sheet_CanCh"), 2);
    const int32_t first = tree->Nodes()[0];
    EXPECT_EQ(m_surface.children[first][1], tree->FindBySheet("GI_Sheet_WxCh"));
    // A node already there stays where it is, once.
    tree->EnsureNode("GI_Sheet_WxCh", 0);
    EXPECT_EQ(tree->IndexOfSheet("GI_Sheet_WxCh"), 1);
    EXPECT_EQ(tree->Nodes().size(), 15u);
}

TEST_F(TreeTest, ACollapsedFolderCarriesTheMarkOfAChildUntilItIsExpanded) {
    cmcGTex store;
    const std::vector<std::string> lines = {"#T_BasicCell",
                                            "{(%CT_Null.CallSheet)}",
                                            "#",
                                            "#T_Body",
                                            "+Radio{(%CallSheet:GI_Sheet_Top)}",
                                            " +Folder{(%CallSheet:GI_Sheet_Folder)}",
                                            "  +Child{(%CallSheet:GI_Sheet_Child)}",
                                            " +Other{(%CallSheet:GI_Sheet_Other)}",
                                            "#",
                                            "#End_Of_Ovl"};
    store.SetSourceLines(lines);
    std::unique_ptr<cuiTree> tree = MakeTree(store, "T");
    const int32_t radio = tree->FindBySheet("GI_Sheet_Top");
    const int32_t folder = tree->FindBySheet("GI_Sheet_Folder");
    const int32_t child = tree->FindBySheet("GI_Sheet_Child");
    const int32_t other = tree->FindBySheet("GI_Sheet_Other");

    EXPECT_EQ(tree->Mark(radio, {"GI_Sheet_Child"}, clsTreeMark::kDuplicate), 2);
    EXPECT_EQ(m_surface.nodes[folder].mark, clsTreeMark::kDuplicate);
    EXPECT_EQ(m_surface.nodes[child].mark, clsTreeMark::kDuplicate);
    EXPECT_EQ(m_surface.nodes[radio].mark, clsTreeMark::kNone);  // expanded
    EXPECT_EQ(m_surface.nodes[other].mark, clsTreeMark::kNone);

    m_surface.expanded.insert(folder);
    tree->ClearMarks(radio);
    EXPECT_EQ(tree->Mark(radio, {"GI_Sheet_Child"}, clsTreeMark::kDuplicate), 1);
    EXPECT_EQ(m_surface.nodes[folder].mark, clsTreeMark::kNone);
    EXPECT_EQ(m_surface.nodes[child].mark, clsTreeMark::kDuplicate);

    // An attention mark replaces a duplicate mark on the same node.
    tree->Mark(radio, {"GI_Sheet_Child"}, clsTreeMark::kAttention);
    EXPECT_EQ(m_surface.nodes[child].mark, clsTreeMark::kAttention);
}

TEST_F(TreeTest, TheWarningCheckMarksThePagesItNames) {
    std::unique_ptr<cuiTree> tree = MakeTree(m_rig.GTex(), "GI_Tree_Main");
    tree->CheckWarnings();
    const datWarningCheck check = RunWarningCheck(m_rig.GTex());
    int32_t marked = 0;
    for (const int32_t node : tree->Nodes()) {
        const std::string& sheet = tree->CellOf(node)->GetSuffix();
        const bool attention = std::find(check.attention.begin(), check.attention.end(), sheet) !=
                               check.attention.end();
        const bool duplicate = std::find(check.duplicates.begin(), check.duplicates.end(), sheet) !=
                               check.duplicates.end();
        const int32_t expected = attention   ? clsTreeMark::kAttention
                                 : duplicate ? clsTreeMark::kDuplicate
                                             : clsTreeMark::kNone;
        EXPECT_EQ(tree->MarkOf(node), expected) << sheet;
        marked += expected != clsTreeMark::kNone ? 1 : 0;
    }
    EXPECT_EQ(tree->AttentionCount() + tree->DuplicateCount(), marked);
}

TEST_F(TreeTest, SelectingThePageInViewAgainDoesNotReopenIt) {
    std::unique_ptr<cuiTree> tree = MakeTree(m_rig.GTex(), "GI_Tree_Main");
    const int32_t dsc = tree->FindBySheet("GI_Sheet_DscCh");
    tree->OnSelected(dsc);
    tree->OnSelectionSettled();
    ASSERT_EQ(m_frame.sheetsOpened.back(), "GI_Sheet_DscCh");
    const size_t opened = m_frame.sheetsOpened.size();
    m_currentSheet = "GI_Sheet_DscCh";
    tree->OnSelected(dsc);
    tree->OnSelectionSettled();
    EXPECT_EQ(m_frame.sheetsOpened.size(), opened);
    tree->OnSelected(tree->FindBySheet("GI_Sheet_Waypoint"));
    tree->OnSelectionSettled();
    EXPECT_EQ(m_frame.sheetsOpened.back(), "GI_Sheet_Waypoint");
}

TEST_F(TreeTest, TheTreeAnswersWithItsSelectionAndSelectsTheSheetNamed) {
    std::unique_ptr<cuiTree> tree = MakeTree(m_rig.GTex(), "GI_Tree_Main");
    const cmcEvAnswer* answer = m_rig.Events().Query(cmcEvCode::QueryTreeSelection, 0, 0);
    ASSERT_NE(answer, nullptr);
    EXPECT_TRUE(answer->Data().empty());
    m_rig.Events().SendText(cmcEvCode::SelectTreeSheet, 0, 0, "GI_Sheet_Waypoint");
    EXPECT_EQ(m_surface.selected, tree->FindBySheet("GI_Sheet_Waypoint"));
    answer = m_rig.Events().Query(cmcEvCode::QueryTreeSelection, 0, 0);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->Text(), "Waypoints");
}

}  // namespace
