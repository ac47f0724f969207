#include <gtest/gtest.h>

#include <cstring>

#include "model/cell_call.h"
#include "sheet_fixture.h"
#include "sheets/sheet_keys.h"
#include "support/manual_scheduler.h"

namespace {

constexpr int32_t kIntFlags = 0x04B0;  // the International bank's flag bytes
constexpr uint8_t kTagBit = 0x40;
constexpr int32_t kNames = 0x0F10;  // ten bytes per channel, shared by the banks
constexpr int32_t kDscIds = 0x22E0;

std::vector<std::string> Sections() {
    return {
        "#GI_Sheet_IntCh_Style",
        "(FixedCols=1)(FixedRows=1)",
        "#",
        "#GI_Sheet_IntCh_BasicCell",
        "{($Basic)(%CT_IntCh.)}",
        "#",
        "#GI_Sheet_IntCh_Cells",
        "{($Head)}Ch|{($Head)}Tag|{($Head)}Comment|",
        ":(LoopFrom 6)",
        "{($Head)(%CL_ChList_No[0])}|{($Val)(%CL_ChList_Tag[0])}|{($Val)(%CL_ChList_Comment[0])}|",
        ":(LoopTo)",
        "#",
        "#GI_Sheet_DscIndId_Style",
        "(FixedCols=1)(FixedRows=1)",
        "#",
        "#GI_Sheet_DscIndId_BasicCell",
        "{($Basic)(%CT_DscIndId.)}",
        "#",
        "#GI_Sheet_DscIndId_Cells",
        "{($Head)}No|{($Head)}MMSI|{($Head)}Name|",
        ":(LoopFrom 3)",
        "{($Head)(%CT_Null.CL_Misc_ChNo_1Base[0])}|{($Val)(%CL_DscIndId_Id[0])}|"
        "{($Val)(%CL_DscIndId_Comment[0])}|",
        ":(LoopTo)",
        "#",
        "#GI_Sheet_Waypoint_Style",
        "(FixedCols=1)(FixedRows=1)(MultiSelect=Line)",
        "#",
        "#GI_Sheet_Waypoint_BasicCell",
        "{($Basic)(%CT_Waypoint.)}",
        "#",
        "#GI_Sheet_Waypoint_Cells",
        "{($Head)}No.|{($Head)}Name|{($Head)}Latitude|",
        ":(LoopFrom 6)",
        "{($Head)(%CT_Null.CL_Misc_ChNo_1Base[0])}|{($Val)(%CL_Waypt_Name[0])}|"
        "{($Val)(%CL_Waypt_Lat[0])}|",
        ":(LoopTo)",
        "#"};
}

// The tag cell of channel slot 4 on the International sheet, as the owner of a selection list.
struct TagList {
    explicit TagList(SheetFixture& fixture) : page(fixture.Page("GI_Sheet_IntCh")) {
        owner.cell = &page->Cell(1, 5);
        list = std::make_unique<cuiSheet>(listGrid, fixture.store, "GI_Sheet_Sel_ChTag",
                                          fixture.measure, fixture.Services(), &owner);
        list->SetSelectionList(true);
        list->Build();
    }
    std::unique_ptr<iuiSheet> page;
    cmcCellCapsule owner;
    FakeGrid listGrid;
    std::unique_ptr<cuiSheet> list;
};

TEST(SelectionList, EnterOnTheCurrentItemCommitsToTheOwnerCellAndCloses) {
    SheetFixture fixture(Sections());
    TagList tags(fixture);
    ASSERT_EQ(tags.page->Cell(1, 5).GetIndex(), 4);
    tags.list->KeyDown(clsSheetKey::kDown, 0);
    tags.list->KeyPress('\r');
    EXPECT_EQ(fixture.image.GetByte(kIntFlags + 4) & kTagBit, kTagBit);
    EXPECT_EQ(fixture.host.hidden, 1);
    EXPECT_EQ(fixture.image.GetByte(kIntFlags + 5) & kTagBit, 0);

    // A double-click on the current item, and a release over it, commit too.
    tags.list->KeyDown(clsSheetKey::kUp, 0);
    const clsCellRect first = tags.listGrid.CellRect(0, 0);
    tags.list->DoubleClick(first.left + 1, first.top);
    EXPECT_EQ(fixture.image.GetByte(kIntFlags + 4) & kTagBit, 0);
    const clsCellRect second = tags.listGrid.CellRect(0, 1);
    tags.list->MouseMove(second.left + 1, second.top);  // hovering makes the item current
    EXPECT_EQ(tags.listGrid.Row(), 1);
    tags.list->MouseDown(second.left + 1, second.top, false, 0);
    tags.list->MouseUp(second.left + 1, second.top, false);
    EXPECT_EQ(fixture.image.GetByte(kIntFlags + 4) & kTagBit, kTagBit);
    EXPECT_EQ(fixture.host.hidden, 3);
}

TEST(SelectionList, EscapeClosesWithoutCommitting) {
    SheetFixture fixture(Sections());
    TagList tags(fixture);
    tags.list->KeyDown(clsSheetKey::kDown, 0);
    tags.list->KeyDown(clsSheetKey::kEscape, 0);
    EXPECT_EQ(fixture.host.hidden, 1);
    EXPECT_EQ(fixture.image.GetByte(kIntFlags + 4), 0);
}

TEST(SheetRequest, TypingOpensTheEditorAndCommittingWritesTheImage) {
    SheetFixture fixture(Sections());
    auto sheet = fixture.Page("GI_Sheet_IntCh");
    sheet->KeyDown(clsSheetKey::kDown, 0);
    sheet->KeyDown(clsSheetKey::kRight, 0);
    ASSERT_EQ(fixture.grid.Col(), 2);
    ASSERT_EQ(fixture.grid.Row(), 2);
    sheet->KeyPress('K');
    ASSERT_TRUE(fixture.grid.IsEditorShown());
    EXPECT_EQ(fixture.grid.EditorText(), "K");
    EXPECT_EQ(fixture.grid.EditorSelectionStart(), 1);
    fixture.grid.SetEditorText("KESTREL");
    sheet->EditorKeyDown(clsSheetKey::kDown);  // commits and moves on
    EXPECT_FALSE(fixture.grid.IsEditorShown());
    std::string name;
    for (int32_t i = 0; i < 7; ++i)
        name += static_cast<char>(fixture.image.GetByte(kNames + 10 + i));
    EXPECT_EQ(name, "KESTREL");
    EXPECT_EQ(fixture.grid.Row(), 3);

    // Escape drops an edit; the end-editing event commits one.
    sheet->KeyPress('X');
    sheet->EditorKeyDown(clsSheetKey::kEscape);
    EXPECT_EQ(fixture.image.GetByte(kNames + 10 * 2), 0);
    sheet->KeyPress('Y');
    fixture.events.Send(cmcEvCode::EndEditing, 0, 0);
    EXPECT_EQ(fixture.image.GetByte(kNames + 10 * 2), 'Y');
}

TEST(SheetRequest, AKeyOnAnEmptyIdRowMovesToItsIdAndRepeatsThereAfterAPause) {
    SheetFixture fixture(Sections());
    for (int32_t n = 0; n < 3; ++n)
        for (int32_t b = 0; b < 5; ++b)
            fixture.image.SetByte(kDscIds + 16 * n + b, 0xFF);
    ManualScheduler scheduler;
    clsSheetServices services = fixture.Services();
    services.timers = &scheduler;
    iuiSheet sheet(fixture.grid, fixture.store, "GI_Sheet_DscIndId", fixture.measure, services, {});
    sheet.Build();
    sheet.KeyDown(clsSheetKey::kDown, 0);
    sheet.KeyDown(clsSheetKey::kRight, 0);
    ASSERT_EQ(fixture.grid.Col(), 2);
    sheet.KeyPress('2');
    EXPECT_EQ(fixture.grid.Col(), 1);  // moved to the ID of the same row
    EXPECT_EQ(fixture.grid.Row(), 2);
    EXPECT_FALSE(fixture.grid.IsEditorShown());
    scheduler.Advance(kRepeatPauseMs - 1);
    EXPECT_FALSE(fixture.grid.IsEditorShown());
    scheduler.Advance(1);
    ASSERT_TRUE(fixture.grid.IsEditorShown());
    EXPECT_EQ(fixture.grid.EditorText(), "2");
}

TEST(SheetRequest, ARowCommandActsOnTheRangeAndTheEngineSelectsTheNewRows) {
    constexpr int32_t kWaypoints = 0x4160;  // 20 bytes each, the name first
    SheetFixture fixture(Sections());
    for (int32_t n = 0; n < 51; ++n)
        fixture.image.SetByte(kWaypoints + 20 * n, 0xFF);
    const std::string buoy = "BUOY      ";
    for (int32_t i = 0; i < 10; ++i)
        fixture.image.SetByte(kWaypoints + 20 + i,
                              static_cast<uint8_t>(buoy[static_cast<size_t>(i)]));
    auto sheet = fixture.Page("GI_Sheet_Waypoint");
    sheet->KeyDown(clsSheetKey::kDown, 0);
    sheet->KeyDown(clsSheetKey::kDown, clsKeyModifier::kShift);
    ASSERT_TRUE(sheet->IsRangeActive());
    ASSERT_TRUE(sheet->IsSelected(2, 2));  // line mode: the whole row
    sheet->PopupCommand(CL_PMenu_Insert);  // two blank waypoints at 1 and 2
    EXPECT_EQ(fixture.image.GetByte(kWaypoints + 20 * 3), 'B');
    EXPECT_EQ(fixture.image.GetByte(kWaypoints + 20 * 1), 0xFF);
    EXPECT_TRUE(sheet->IsRangeActive());
    for (int32_t r = 1; r <= 6; ++r) {
        EXPECT_EQ(sheet->IsSelected(1, r), r == 2 || r == 3) << r;
        EXPECT_EQ(sheet->IsSelected(2, r), r == 2 || r == 3) << r;
    }
}

TEST(SheetRequest, EngineRepaintsReachTheGrid) {
    SheetFixture fixture(Sections());
    auto sheet = fixture.Page("GI_Sheet_IntCh");
    fixture.grid.ForgetRepaints();
    fixture.events.Post(cmcEvCode::RepaintLabel, 0, CL_ChList_Tag);
    fixture.events.Post(cmcEvCode::RepaintIndex, 0, 3);
    fixture.events.Tick();
    std::set<std::pair<int32_t, int32_t>> expected;
    for (int32_t r = 1; r <= 6; ++r)
        expected.insert({1, r});
    expected.insert({0, 4});
    expected.insert({2, 4});
    EXPECT_EQ(fixture.grid.invalidated, expected);
    // Space toggles the tag; the engine asks for the cell to be repainted.
    fixture.grid.ForgetRepaints();
    ASSERT_EQ(fixture.grid.Col(), 1);
    sheet->KeyPress(' ');
    EXPECT_TRUE(fixture.grid.invalidated.count({1, 1}) || fixture.grid.invalidatedAll > 0);
    EXPECT_EQ(fixture.image.GetByte(kIntFlags + 0) & kTagBit, kTagBit);
}

TEST(SheetRequest, TheActiveCellQueryIsAnsweredWithTheCurrentBinding) {
    SheetFixture fixture(Sections());
    auto sheet = fixture.Page("GI_Sheet_IntCh");
    fixture.grid.SetFocus(true);
    sheet->KeyDown(clsSheetKey::kDown, 0);
    const cmcEvAnswer* answer = fixture.events.Query(cmcEvCode::QueryActiveCell, 0, 0);
    ASSERT_NE(answer, nullptr);
    ASSERT_EQ(answer->Data().size(), 3 * sizeof(int32_t));
    int32_t binding[3];
    std::memcpy(binding, answer->Data().data(), sizeof binding);
    EXPECT_EQ(binding[0], CT_IntCh);
    EXPECT_EQ(binding[1], CL_ChList_Tag);
    EXPECT_EQ(binding[2], 1);
}

}  // namespace
