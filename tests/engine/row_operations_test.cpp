#include "model/row_operations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/channel_record.h"
#include "support/fake_engine_host.h"

namespace {

constexpr int32_t kWaypoints = 0x4160;

class RowOperations : public ::testing::Test {
protected:
    void SetUp() override {
        // Every waypoint unused, then a few named ones.
        for (int32_t i = 0; i < kWaypointRows; ++i)
            host.SetByte(kWaypoints + 20 * i, 0xFF);
    }

    void Name(int32_t row, const std::string& name) {
        datCh record(&host.image);
        record.LoadRecord(clsRecordGroup::Waypoint, row);
        std::memset(record.waypointName, ' ', 10);
        std::memcpy(record.waypointName, name.data(), name.size());
        record.recordFlags |= datCh::kInUse;
        record.latitude = row;
        record.StoreRecord();
    }
    // The name of a waypoint, "-" when unused.
    std::string NameOf(int32_t row) {
        datCh record(&host.image);
        record.LoadRecord(clsRecordGroup::Waypoint, row);
        if (!record.IsInUse()) return "-";
        std::string name(record.waypointName, record.waypointName + 10);
        return name.substr(0, name.find_last_not_of(' ') + 1);
    }

    // Runs one popup command on a row, with a selection when low <= high.
    clsCellCall Run(int32_t command, clsRecordGroup group, int32_t row, int32_t low = 1,
                    int32_t high = 0) {
        clsCellCall call(host, record);
        record.LoadRecord(group, row);
        call.argument = command;
        if (low <= high) {
            call.sheetFlags = clsSheetFlag::kRangeActive;
            call.rangeLow = low;
            call.rangeHigh = high;
        }
        RunRowOperation(call);
        host.Deliver();
        return call;
    }

    FakeEngineHost host;
    datCh record{&host.image};
};

TEST_F(RowOperations, CopyThreeWaypointsAndPasteNearTheEndWritesOnlyTheRowsLeft) {
    Name(10, "TEN");
    Name(11, "ELEVEN");
    Name(12, "TWELVE");
    Name(50, "LAST");
    clsCellCall copy = Run(CL_PMenu_Copy, clsRecordGroup::Waypoint, 10, 10, 12);
    EXPECT_EQ(host.clipboard.Count(), 3);
    EXPECT_TRUE(copy.sheetFlags & clsSheetFlag::kSelectRange);
    EXPECT_EQ(copy.rangeLow, 10);
    EXPECT_EQ(copy.rangeHigh, 12);
    EXPECT_EQ(host.EventsOf(cmcEvCode::StatusMessage).back().Text(), "<GI_AppMess_S_Copy>");

    clsCellCall paste = Run(CL_PMenu_Paste, clsRecordGroup::Waypoint, 49);
    EXPECT_EQ(host.confirmations, std::vector<std::string>{"GI_AppMess_Conv_Overwrite"});
    EXPECT_EQ(NameOf(48), "-");
    EXPECT_EQ(NameOf(49), "TEN");
    EXPECT_EQ(NameOf(50), "ELEVEN");
    EXPECT_EQ(paste.rangeLow, 49);
    EXPECT_EQ(paste.rangeHigh, 50);
    EXPECT_TRUE(paste.record.IsInUse());  // the row record is reloaded
    EXPECT_EQ(host.EventsOf(cmcEvCode::RepaintAll).size(), 1u);
}

TEST_F(RowOperations, PasteOnEmptyRowsAsksNothingAndCancelChangesNothing) {
    Name(3, "THREE");
    Run(CL_PMenu_Copy, clsRecordGroup::Waypoint, 3);
    Run(CL_PMenu_Paste, clsRecordGroup::Waypoint, 20);
    EXPECT_TRUE(host.confirmations.empty());
    EXPECT_EQ(NameOf(20), "THREE");
    EXPECT_EQ(host.EventsOf(cmcEvCode::RepaintIndex).back().second, 20);

    Name(21, "KEEP");
    host.confirmAnswer = false;
    Run(CL_PMenu_Paste, clsRecordGroup::Waypoint, 21);
    EXPECT_EQ(NameOf(21), "KEEP");
}

TEST_F(RowOperations, AClipboardOfAnotherGroupPastesNothing) {
    host.image.SetByte(0x22E0, 12);  // DSC ID 0 in use
    Run(CL_PMenu_Copy, clsRecordGroup::DscIndId, 0);
    EXPECT_FALSE(host.clipboard.CanPaste(clsRecordGroup::Waypoint));
    Run(CL_PMenu_Paste, clsRecordGroup::Waypoint, 0);
    EXPECT_EQ(NameOf(0), "-");
    EXPECT_TRUE(host.EventsOf(cmcEvCode::RepaintIndex).empty());
}

TEST_F(RowOperations, ChannelBanksCopyAndPasteOnlyRowZero) {
    Run(CL_PMenu_Copy, clsRecordGroup::IntCh, 5);
    EXPECT_EQ(host.clipboard.Group(), clsRecordGroup::None);
    Run(CL_PMenu_Copy, clsRecordGroup::IntCh, 0, 0, 8);  // the selection is cut to row 0
    EXPECT_EQ(host.clipboard.Count(), 1);
    Run(CL_PMenu_Clear, clsRecordGroup::IntCh, 0);
    EXPECT_TRUE(host.confirmations.empty());  // banks may not be cleared
}

TEST_F(RowOperations, DeleteMovesTheRestUpAndBlanksTheLastRow) {
    Name(0, "ZERO");
    Name(1, "ONE");
    Name(50, "LAST");
    clsCellCall call = Run(CL_PMenu_Delete, clsRecordGroup::Waypoint, 0);
    EXPECT_EQ(host.confirmations, std::vector<std::string>{"GI_AppMess_Conv_Delete"});
    EXPECT_EQ(NameOf(0), "ONE");
    EXPECT_EQ(NameOf(49), "LAST");
    EXPECT_EQ(NameOf(50), "-");
    EXPECT_EQ(call.moveRequest, 1);
    EXPECT_EQ(call.moveIndex, 0);
    EXPECT_FALSE(call.sheetFlags & clsSheetFlag::kSelectRange);
    datCh moved(&host.image);
    moved.LoadRecord(clsRecordGroup::Waypoint, 0);
    EXPECT_EQ(moved.latitude, 1);  // positions move with their names
}

TEST_F(RowOperations, DeletingUnusedRowsAsksNothing) {
    Name(5, "FIVE");
    Run(CL_PMenu_Delete, clsRecordGroup::Waypoint, 2, 2, 3);
    EXPECT_TRUE(host.confirmations.empty());
    EXPECT_EQ(NameOf(3), "FIVE");
}

TEST_F(RowOperations, InsertAsksAboutTheRowPushedOutAndMovesTheRestDown) {
    Name(0, "ZERO");
    Name(49, "NEXT");
    Name(50, "LAST");
    host.confirmAnswer = false;
    Run(CL_PMenu_Insert, clsRecordGroup::Waypoint, 0);
    EXPECT_EQ(host.confirmations, std::vector<std::string>{"GI_AppMess_Conv_Overflow"});
    EXPECT_EQ(NameOf(0), "ZERO");
    host.confirmAnswer = true;
    clsCellCall call = Run(CL_PMenu_Insert, clsRecordGroup::Waypoint, 0);
    EXPECT_EQ(NameOf(0), "-");
    EXPECT_EQ(NameOf(1), "ZERO");
    EXPECT_EQ(NameOf(50), "NEXT");
    EXPECT_EQ(call.rangeLow, 0);
    EXPECT_EQ(call.rangeHigh, 0);
}

TEST_F(RowOperations, ClearAsksAndBlanksTheSelection) {
    Name(7, "SEVEN");
    Name(8, "EIGHT");
    host.confirmAnswer = false;
    Run(CL_PMenu_Clear, clsRecordGroup::Waypoint, 7, 7, 8);
    EXPECT_EQ(NameOf(7), "SEVEN");
    host.confirmAnswer = true;
    Run(CL_PMenu_Clear, clsRecordGroup::Waypoint, 7, 7, 8);
    EXPECT_EQ(NameOf(7), "-");
    EXPECT_EQ(NameOf(8), "-");
    EXPECT_EQ(host.EventsOf(cmcEvCode::RepaintIndex).size(), 2u);
}

TEST_F(RowOperations, MovesSwapTheBlockWithItsNeighbour) {
    Name(4, "FOUR");
    Name(5, "FIVE");
    Name(6, "SIX");
    clsCellCall up = Run(CL_PMenu_CarryUp, clsRecordGroup::Waypoint, 5, 5, 6);
    EXPECT_EQ(NameOf(4), "FIVE");
    EXPECT_EQ(NameOf(5), "SIX");
    EXPECT_EQ(NameOf(6), "FOUR");
    EXPECT_EQ(up.moveIndex, 4);
    EXPECT_EQ(up.rangeLow, 4);
    clsCellCall down = Run(CL_PMenu_CarryDown, clsRecordGroup::Waypoint, 4, 4, 5);
    EXPECT_EQ(NameOf(4), "FOUR");
    EXPECT_EQ(NameOf(5), "FIVE");
    EXPECT_EQ(NameOf(6), "SIX");
    EXPECT_EQ(down.moveIndex, 6);
    Run(CL_PMenu_CarryUp, clsRecordGroup::Waypoint, 0);  // nothing above row 0
    Run(CL_PMenu_CarryDown, clsRecordGroup::Waypoint, 50);
    EXPECT_EQ(NameOf(50), "-");
}

}  // namespace
