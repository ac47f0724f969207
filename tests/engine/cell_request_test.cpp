// The engine as sheets and menus call it: parsed cells, request records, and the choice lists
// read from a small overlay.
#include "model/cell_request.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_engine_host.h"
#include "model/overlay_choice_source.h"
#include "overlay/cell_capsule.h"
#include "overlay/cell_obj.h"
#include "overlay/gtex.h"
#include "support/test_paths.h"

class cuiGrid;

namespace {

class CellRequest : public ::testing::Test {
protected:
    CellRequest() : lists(source) {
        EXPECT_TRUE(store.SetSourceFile(TestDataPath("engine/choice_lists.ovl").string()));
        SetMainGTex(&store);
        SetEngineHost(&host);
    }
    ~CellRequest() override {
        SetEngineHost(nullptr);
        SetMainGTex(nullptr);
    }

    static cmcCellObj Cell(const std::string& text) {
        cmcCellObj cell;
        clsSheetVariables variables{};
        cell.ParseCell(text, &variables, nullptr);
        return cell;
    }

    cmcGTex store;
    cmcOverlayChoiceSource source{store};
    cmcChoiceLists lists;
    FakeEngineHost host;
    int gridStandIn = 0;  // the engine only tests the grid for presence
    cuiGrid* grid = reinterpret_cast<cuiGrid*>(&gridStandIn);
};

TEST_F(CellRequest, ChoiceListsAreReadFromTheOverlay) {
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Misc_OnOff", 1, 0), "OFF");
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Misc_OnOff", 1, 1), "ON");
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Misc_OnOff", 1, 2), "error");
    // Two columns: down the first (1, 2), then the second (3, 4); headings have other labels.
    EXPECT_EQ(lists.List("GI_Sheet_Sel_ChATRAll", 1).ScreenOrder(),
              (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(lists.Step("GI_Sheet_Sel_ChATRAll", 1, 4, 1), 1);
    // Sub-list key 2, and the binding's suffix as the text.
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_DscCall_TX_EPIRB", 2, 1), "ON");
    EXPECT_TRUE(lists.List("GI_Sheet_Sel_DscCall_TX_EPIRB", 1).IsEmpty());
    // Indexes counted with a sheet variable start from a zeroed set of variables.
    EXPECT_EQ(lists.List("GI_Sheet_Sel_Counted", 1).ScreenOrder(), (std::vector<int32_t>{0, 2, 1}));
    EXPECT_EQ(lists.Text("GI_Sheet_Sel_Counted", 1, 2), "third");
}

TEST_F(CellRequest, AKeyOnASheetCellChangesTheImageAndNotifiesTheSheet) {
    host.choices.sheets["GI_Sheet_Sel_ChTag"] = {{{1, 0, "-"}}, {{1, 1, "T"}}};
    cmcCellObj cell = Cell("{S(%CT_IntCh.CL_ChList_Tag[9])}");
    cmcCellCapsule capsule;
    capsule.cell = &cell;
    capsule.grid = grid;
    capsule.requestCode = clsKey::kSpace;
    static uint8_t notified = 0;
    capsule.repaintCallback = [](cuiSheet*, uint8_t flags) { notified = flags; };
    indActiveCell context;
    EXPECT_EQ(EvaluateCell(context, capsule, true), 1);
    EXPECT_EQ(host.Byte(0x04B0 + 9), 0x40);
    EXPECT_EQ(capsule.displayText, "T");
    EXPECT_EQ(capsule.moveCategory, CT_IntCh);
    EXPECT_EQ(capsule.moveLabel, CL_ChList_Tag);
    EXPECT_EQ(capsule.moveIndex, 9);
    EXPECT_EQ(notified, clsRepaint::kAlways | clsRepaint::kRecord);
}

TEST_F(CellRequest, ACommittedChoiceComesFromTheChosenListEntry) {
    cmcCellObj cell = Cell("{S(%CT_UsaCh.CL_ChList_Atr[48])}");
    cmcCellObj entry = Cell("{S(%CT_Null.Flex0[1])}Make P");
    cmcCellCapsule item;
    item.cell = &entry;
    cmcCellCapsule commit;
    commit.cell = &cell;
    commit.ownerCapsule = &item;
    commit.mode = clsMode::kCommitted;
    indActiveCell context;
    EvaluateCell(context, commit, false);
    EXPECT_EQ(host.Word(0x0B92), 48);
    EXPECT_EQ(commit.displayText, "P");
}

TEST_F(CellRequest, APositionDialogCommitsThroughATemporaryCell) {
    host.SetByte(0x4160 + 4 * 20, 0xFF);  // waypoint 4 unused
    cmcCellObj latitude = Cell("{S(%CT_Waypoint.CL_Waypt_Lat[4])}");
    cmcCellObj result = Cell("{(%CT_Null.Flex0)}");
    cmcCellCapsule dialog;
    dialog.cell = &result;
    dialog.inputText = std::string(" 35") + char(0xB0) + "41.2345'N";
    cmcCellCapsule commit;
    commit.cell = &latitude;
    commit.ownerCapsule = &dialog;
    commit.mode = clsMode::kCommitted;
    indActiveCell context;
    EvaluateCell(context, commit, false);
    EXPECT_EQ(commit.displayText, std::string("35") + char(0xB0) + "41.2345'N");
    datCh waypoint(&host.image);
    waypoint.LoadRecord(clsRecordGroup::Waypoint, 4);
    EXPECT_TRUE(waypoint.IsInUse());
    EXPECT_EQ(waypoint.latitude, 35 * 600000 + 41 * 10000 + 2345);
}

TEST_F(CellRequest, MenuItemsGetTheirStateInTheCellsOptionFlags) {
    host.environ.Settings().modelType = 6;
    cmcCellObj model6 = Cell("{(%CT_Null.CL_Model[6])}Model 6");
    cmcCellObj model7 = Cell("{(%CT_Null.CL_Model[7])}Model 7");
    RunCellRequest(model6, 0);
    RunCellRequest(model7, 0);
    EXPECT_TRUE(model6.GetOptionFlag(0));  // checked
    EXPECT_FALSE(model7.GetOptionFlag(0));
    RunCellRequest(model7, clsKey::kEnter);
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].command, clsHostCommand::ChangeModel);
    EXPECT_EQ(host.commands[0].argument, 7);

    host.environ.Recent().PushFront("/elsewhere/boat.icf");
    cmcCellObj recent = Cell("{(%CT_Null.CL_Menu_File_Recent[0])}Recent");
    RunCellRequest(recent, 0);
    EXPECT_EQ(recent.GetCaption(), "&1 /elsewhere/boat.icf");
    EXPECT_TRUE(recent.GetOptionFlag(3));  // caption replaced
}

TEST_F(CellRequest, CellTextsForPrintingAndTheSimplexArrow) {
    cmcCellObj yet = Cell("{(%CT_IntCh.CL_INT_ChNo[0])}");
    EXPECT_EQ(GetCellText(yet, 0), "85 *Yet*");
    datCh free(&host.image);
    free.LoadRecord(clsRecordGroup::FreeCh, 0);
    free.rxFrequency = free.txFrequency = 156300000;
    free.StoreRecord();
    cmcCellObj transmit = Cell("{>(%CT_FreeCh.CL_Fch_FreqT[0])}");
    EXPECT_EQ(GetCellText(transmit, 0), "<-");
    EXPECT_EQ(transmit.GetLayoutFlags() & clsCellLayout::kAlignMask, clsCellLayout::kAlignCentre);
}

TEST_F(CellRequest, FixedCellsPaintOliveOnTheCanvas) {
    cmcCellObj fixed = Cell("{(%CT_Null.CL_CannotEdit)}x");
    cmcCellCapsule capsule;
    capsule.cell = &fixed;
    capsule.painting = true;
    indActiveCell context;
    EvaluateCell(context, capsule, false);
    EXPECT_EQ(capsule.fontColour, kFixedTextColour);
    EXPECT_EQ(capsule.decoration, clsCellDecoration::Diagonal);
}

TEST_F(CellRequest, MarksOfOtherCells) {
    host.SetByte(0x0B90, 0xFF);
    host.SetByte(0x0B91, 0x03);
    EXPECT_TRUE(QueryCellError(CT_WxCh, CL_WX_ChAtr, 0));
    EXPECT_FALSE(QueryCellWarning(CT_WxCh, CL_WX_ChAtr, 0));
}

}  // namespace
