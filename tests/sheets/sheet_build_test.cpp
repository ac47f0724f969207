#include <gtest/gtest.h>

#include "model/eeprom.h"
#include "sheet_fixture.h"
#include "support/fatal_trap.h"

namespace {

// A sheet key with its style, basic cell and body.
std::vector<std::string> Sheet(const std::string& key, const std::string& style,
                               const std::vector<std::string>& body,
                               const std::string& basic = "{($Basic)}") {
    std::vector<std::string> lines = {"#" + key + "_Style",     style, "#",
                                      "#" + key + "_BasicCell", basic, "#",
                                      "#" + key + "_Cells"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back("#");
    return lines;
}

std::vector<int32_t> ColumnIndexes(cuiSheet& sheet, int32_t col) {
    std::vector<int32_t> indexes;
    for (int32_t r = sheet.FixedRows(); r < sheet.RowCount(); ++r)
        indexes.push_back(sheet.Cell(col, r).GetIndex());
    return indexes;
}

TEST(SheetBuild, ABodyOfDirectivesAloneHasNoCells) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "", {":(SelectOFF)", ":(LoopFrom 2)(LoopTo)"}));
    EXPECT_EQ(CatchFatal([&] { fixture.Page("GI_Sheet_T"); }), "Illegal Cell assign");
}

TEST(SheetBuild, ALoopTooLargeForAnySheetIsRefusedAsAFault) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "", {":(LoopFrom 2000000000)", "{S}a|", ":(LoopTo)"}));
    EXPECT_EQ(CatchFatal([&] { fixture.Page("GI_Sheet_T"); }), "Illegal Cell assign");
}

TEST(SheetBuild, AOneLineLoopCopiesTheRowAboveWithTheNextIndex) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "(FixedRows=1)",
                               {"{($Head)}No.|{($Head)}Value|", ":(LoopFrom 3)",
                                "{S(%CL_Null[5])}a|{($Val)(%CL_Null[40])}|", ":(LoopTo)"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    ASSERT_EQ(sheet->RowCount(), 4);
    EXPECT_EQ(ColumnIndexes(*sheet, 0), (std::vector<int32_t>{5, 6, 7}));
    EXPECT_EQ(ColumnIndexes(*sheet, 1), (std::vector<int32_t>{40, 41, 42}));
    EXPECT_EQ(sheet->Cell(0, 3).GetCaption(), "a");
    EXPECT_EQ(sheet->RowAttributes(3).line, 2);
    // Copied rows keep the height the first one was fitted to.
    EXPECT_EQ(fixture.grid.RowHeight(3), fixture.grid.RowHeight(1));
    EXPECT_GT(fixture.grid.RowHeight(1), 1);
}

TEST(SheetBuild, ALongerLoopIsParsedAgainWithTheSheetVariables) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "",
                               {":(LoopFrom 2)", "{S(@ch0++)(%CL_Null[@ch0])}a|",
                                "{S(%CL_Null[@ch0])}b\\(@ch0+10)|", ":(LoopTo)"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    ASSERT_EQ(sheet->RowCount(), 4);
    EXPECT_EQ(ColumnIndexes(*sheet, 0), (std::vector<int32_t>{1, 1, 2, 2}));
    EXPECT_EQ(sheet->Cell(0, 1).GetCaption(), "b11");
    EXPECT_EQ(sheet->Cell(0, 3).GetCaption(), "b12");
    std::vector<int32_t> lines;
    for (int32_t r = 0; r < 4; ++r)
        lines.push_back(sheet->RowAttributes(r).line);
    EXPECT_EQ(lines, (std::vector<int32_t>{1, 2, 1, 2}));
}

TEST(SheetBuild, ALoopRepeatsItsRowLinesAndNotTheDirectivesBetweenThem) {
    SheetFixture fixture(
        Sheet("GI_Sheet_T", "", {":(LoopFrom 2)", "{S}a|", ":(SelectOFF)", "{S}b|", ":(LoopTo)"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    ASSERT_EQ(sheet->RowCount(), 4);
    std::vector<std::string> captions;
    for (int32_t r = 0; r < 4; ++r)
        captions.push_back(sheet->Cell(0, r).GetCaption());
    EXPECT_EQ(captions, (std::vector<std::string>{"a", "b", "a", "b"}));
    EXPECT_EQ(sheet->RowAttributes(3).line, 3);
}

TEST(SheetBuild, FixedRowsAndColumnsLeaveOneScrollingLine) {
    SheetFixture fixture(
        Sheet("GI_Sheet_T", "(FixedRows=5)(FixedCols=9)", {"{S}a|b|", "{S}c|", "{S}d|e|f|"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    EXPECT_EQ(sheet->RowCount(), 3);
    EXPECT_EQ(sheet->ColCount(), 3);  // the widest row
    EXPECT_EQ(sheet->FixedRows(), 2);
    EXPECT_EQ(sheet->FixedCols(), 2);
    EXPECT_EQ(fixture.grid.FixedRows(), 2);
}

TEST(SheetBuild, StyleSettings) {
    SheetFixture fixture(Sheet("GI_Sheet_T",
                               "x(TitleString=Waypoints)y(TitleColor=clNavy)(TitleFont=,,clWhite,,"
                               "12,fsBold,)(NoPrint)(PrintFontRatio=80)(MultiSelect=Line)"
                               "(ColSizing)(ColorSelectLine)(TitleString=)",
                               {"{S}a|"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    EXPECT_EQ(sheet->Title(), "Waypoints");
    EXPECT_EQ(sheet->TitleColour(), 0x800000u);
    EXPECT_EQ(sheet->TitleFont().colour, 0xFFFFFFu);
    EXPECT_EQ(sheet->TitleFont().styles, datCellFont::kBold);
    EXPECT_FALSE(sheet->IsPrintable());
    EXPECT_EQ(sheet->PrintFontRatio(), 80);
    EXPECT_EQ(sheet->MultiSelectMode(), 2);
    EXPECT_TRUE(fixture.grid.ColSizing());

    SheetFixture other(Sheet("GI_Sheet_T", "(MultiSelect=Rows)", {"{S}a|"}));
    auto plain = other.Page("GI_Sheet_T");
    EXPECT_FALSE(plain->HasTitle());
    EXPECT_TRUE(plain->IsPrintable());
    EXPECT_EQ(plain->MultiSelectMode(), 0);
    EXPECT_FALSE(other.grid.ColSizing());
}

TEST(SheetBuild, CellsWidenTheirColumnAndRowToTheirCaption) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "",
                               {"{W}Hello|{H}a\\nbb\\nc|{WH}x|{}wide caption but no fit|",
                                "{W}Hi|{}|{W}three\\nlines\\nhere|"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    constexpr int32_t w = FakeTextMeasure::kCharWidth;
    constexpr int32_t h = FakeTextMeasure::kLineHeight;
    EXPECT_EQ(fixture.grid.ColWidth(0), 5 * w + 8);  // widths only grow: "Hi" keeps it
    EXPECT_EQ(fixture.grid.ColWidth(1), 1);          // H does not widen
    EXPECT_EQ(fixture.grid.ColWidth(2), 5 * w + 8);  // the widest of three lines
    EXPECT_EQ(fixture.grid.ColWidth(3), 1);
    EXPECT_EQ(fixture.grid.RowHeight(0), 3 * h + 2);
    EXPECT_EQ(fixture.grid.RowHeight(1), 1);  // W does not heighten
}

TEST(SheetBuild, TheBasicCellTakesTheFontSizeAndThePrintRatio) {
    const auto lines = Sheet("GI_Sheet_T", "(PrintFontRatio=50)", {"{S}a|"});
    SheetFixture fixture(lines);
    fixture.environ.Settings().fontSizePercentage = 200;
    auto screen = fixture.Page("GI_Sheet_T");
    EXPECT_EQ(screen->BasicCell().GetFont()->height, -30);

    iuiSheet printed(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure, fixture.Services(),
                     {});
    printed.SetPrinter(600, 96);
    printed.Build();
    EXPECT_EQ(printed.BasicCell().GetFont()->height, -15);

    iuiSheet explicitHeight(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure,
                            fixture.Services(), {});
    explicitHeight.SetExplicitFontHeight(-20);
    explicitHeight.Build();
    EXPECT_EQ(explicitHeight.BasicCell().GetFont()->height, -20);
}

TEST(SheetBuild, SelectOffRowsTakeNoPartInRangeSelection) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "(MultiSelect=Cell)",
                               {"{S}a|", ":(SelectOFF)", "{S}b|", ":(SelectON)", "{S}c|"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    EXPECT_TRUE(sheet->RowAttributes(0).flags & clsSheeRowAtr::kSelectable);
    EXPECT_FALSE(sheet->RowAttributes(1).flags & clsSheeRowAtr::kSelectable);
    EXPECT_TRUE(sheet->Slot(0, 2).flags & clsSheetCellId::kInRange);
    EXPECT_FALSE(sheet->Slot(0, 1).flags & clsSheetCellId::kInRange);
}

TEST(SheetBuild, TheFirstCurrentCell) {
    const auto lines = Sheet("GI_Sheet_T", "(FixedRows=1)",
                             {"{S}head|", "{}a|{S(%CL_Null[1])}b|", "{S(%CL_Null[2])}c|{}d|",
                              "{S(%Flex0[2])}e|{S(%Flex0[3])}f|"});
    SheetFixture fixture(lines);
    auto first = fixture.Page("GI_Sheet_T");  // fixed rows never become current
    EXPECT_EQ(std::make_pair(fixture.grid.Col(), fixture.grid.Row()), std::make_pair(1, 1));
    EXPECT_TRUE(fixture.grid.IsEnabled());

    iuiSheet byLabel(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure, fixture.Services(),
                     {}, Flex0, 3);
    byLabel.Build();
    EXPECT_EQ(std::make_pair(fixture.grid.Col(), fixture.grid.Row()), std::make_pair(1, 3));

    iuiSheet saved(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure, fixture.Services(),
                   {}, Flex0, 3);
    saved.SetSavedPosition(0, 2, 0, 2);
    saved.Build();
    EXPECT_EQ(std::make_pair(fixture.grid.Col(), fixture.grid.Row()), std::make_pair(0, 2));
    // A saved cell that cannot be current falls back to the initial label.
    saved.SetSavedPosition(0, 1, 0, 1);
    saved.Build();
    EXPECT_EQ(std::make_pair(fixture.grid.Col(), fixture.grid.Row()), std::make_pair(1, 3));
}

TEST(SheetBuild, ASheetWithoutSelectableCellsDisablesTheGrid) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "", {"a|b|", "c|"}));
    auto sheet = fixture.Page("GI_Sheet_T");
    EXPECT_FALSE(fixture.grid.IsEnabled());
}

TEST(SheetBuild, CellsOutsideTheGridAreAFault) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "", {"{S}a|b|"}));
    iuiSheet unbuilt(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure, fixture.Services(),
                     {});
    EXPECT_EQ(CatchFatal([&] { unbuilt.Slot(0, 0); }), "Illegal Cell selection");
    auto sheet = fixture.Page("GI_Sheet_T");
    EXPECT_EQ(CatchFatal([&] { sheet->Slot(2, 0); }), "Illegal Cell selection");
    EXPECT_EQ(CatchFatal([&] { sheet->Slot(0, -1); }), "Illegal Cell selection");
    EXPECT_EQ(CatchFatal([&] { sheet->Request(0, 1, 13, 0); }), "Illegal Cell selection");
    EXPECT_EQ(CatchFatal([&] { sheet->Slot(1, 0); }), std::nullopt);
}

TEST(SheetBuild, TheNameSpecGivesKeyAndArgument) {
    SheetFixture fixture(Sheet("GI_Sheet_T", "", {"{S}a|"}));
    iuiSheet sheet(fixture.grid, fixture.store, "[Maker]GI_Sheet_T,12", fixture.measure,
                   fixture.Services(), {});
    sheet.Build();
    EXPECT_EQ(sheet.Key(), "GI_Sheet_T");
    EXPECT_EQ(sheet.Argument(), "12");
    EXPECT_EQ(sheet.NameSpec(), "[Maker]GI_Sheet_T,12");
}

TEST(PageSheet, ModelConditionsSkipTheirLines) {
    const auto lines = Sheet(
        "GI_Sheet_T", "",
        {"{S}always|", ":(Only_Mobile 2)", "{S}mobile|", "{S}mobile too|", ":(Only_HH 1)",
         "{S}handheld|", ":(OnlyVolt 1)", "{S}volt|", ":(OnlyTemp 1)", "{S}thermo|",
         ":(Only_NoiseCancelON 1)", "{S}noise|", ":(Only_UsaAusExpModel 1)", "{S}usa|",
         ":(Only_MobileUsa1Model 1)", "{S}usa1|", ":(Only_NotMobileUsa1Model 1)", "{S}not usa1|"});
    struct Case {
        int32_t modelType;
        uint8_t features;
        bool noiseCancel;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {0, 0, false, {"always", "mobile", "mobile too", "usa", "not usa1"}},
        {7,
         clsRadioSheetState::kVoltage,
         true,
         {"always", "handheld", "volt", "noise", "usa", "not usa1"}},
        {8, 0x04, false, {"always", "handheld", "thermo", "not usa1"}},
        {15, 0x08, false, {"always", "mobile", "mobile too", "thermo", "usa", "usa1"}},
    };
    for (const Case& c : cases) {
        SheetFixture fixture(lines);
        fixture.image.SetByte(0x0B99, c.noiseCancel ? 0x08 : 0x00);
        clsRadioSheetState state;
        state.modelType = c.modelType;
        state.featureFlags = c.features;
        auto sheet = fixture.Page("GI_Sheet_T", state);
        std::vector<std::string> rows;
        for (int32_t r = 0; r < sheet->RowCount(); ++r)
            rows.push_back(sheet->Cell(0, r).GetCaption());
        EXPECT_EQ(rows, c.rows) << "model type " << c.modelType;
    }
}

// The International bank: flag bytes from 0x04B0, bit 7 inhibited; P and C words.
constexpr int32_t kIntFlags = 0x04B0;
constexpr int32_t kIntP = 0x0B94;
constexpr int32_t kIntC = 0x0A92;

std::vector<std::string> ChannelSheet() {
    return Sheet("GI_Sheet_IntCh", "(TitleString=International)(FixedRows=1)(WithUsable)",
                 {"{($Head)}Channel|{($Head)}Comment|", ":(LoopFrom)",
                  "{($Val)(%CL_ChList_No[0])}|{($Val)(%CL_ChList_Comment[0])}|", ":(LoopTo)"},
                 "{($Basic)(%CT_IntCh.)}");
}

TEST(PageSheet, TheChannelLoopListsEverySlotOfTheBank) {
    SheetFixture fixture(ChannelSheet());
    auto sheet = fixture.Page("GI_Sheet_IntCh");
    EXPECT_EQ(sheet->RowCount(), 1 + 421);
    EXPECT_EQ(sheet->Cell(1, 421).GetIndex(), 420);
    EXPECT_EQ(sheet->Title(), "International");
}

TEST(PageSheet, TheUsableViewSkipsInhibitedChannelsButKeepsPAndC) {
    SheetFixture fixture(ChannelSheet());
    for (int32_t n = 0; n < 421; ++n)
        fixture.image.SetByte(kIntFlags + n, 0x80);
    for (int32_t shown : {10, 20, 420})
        fixture.image.SetByte(kIntFlags + shown, 0x00);
    fixture.image.SetByte(kIntP, 5);   // P: channel slot 5, inhibited
    fixture.image.SetByte(kIntC, 7);   // C: channel slot 7, inhibited
    fixture.image.SetByte(0x0B92, 9);  // the USA bank's P is not this bank's
    clsRadioSheetState state;
    state.usableView = true;
    auto sheet = fixture.Page("GI_Sheet_IntCh", state);
    EXPECT_EQ(ColumnIndexes(*sheet, 0), (std::vector<int32_t>{5, 7, 10, 20, 420}));
    EXPECT_EQ(ColumnIndexes(*sheet, 1), (std::vector<int32_t>{5, 7, 10, 20, 420}));
    EXPECT_EQ(sheet->Title(), "International (usable channels only)");
    EXPECT_EQ(sheet->TitleFont().colour, 0x00FFFFu);

    // Other sheets do not take the view.
    state.usableView = false;
    auto all = fixture.Page("GI_Sheet_IntCh", state);
    EXPECT_EQ(all->RowCount(), 422);
    EXPECT_EQ(all->Title(), "International");
}

}  // namespace
