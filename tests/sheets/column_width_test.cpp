#include <gtest/gtest.h>

#include "sheet_fixture.h"

namespace {

// Column 0 a fixed row number, columns 1 and 2 data, column 3 a one-pixel separator.
std::vector<std::string> WidthSheet(const std::string& key) {
    return {"#" + key + "_Style",
            "(FixedCols=1)(FixedRows=1)(ColSizing)",
            "#",
            "#" + key + "_BasicCell",
            "{($Basic)}",
            "#",
            "#" + key + "_Cells",
            "{($Head)}No|{($Head)}Name|{($Head)}Value|{}|",
            ":(LoopFrom 3)",
            "{($Head)}1|{($Val)}abc|{($Val)}abcdefghij|{}|",
            ":(LoopTo)",
            "#"};
}

const char* kKey = "Software\\Orva\\KT-V818X\\Display\\Widths\\colwidth";

std::optional<int32_t> Stored(SheetFixture& fixture, const char* key, const std::string& name) {
    const auto& contents = fixture.settings.Current();
    const auto found = contents.find(key);
    if (found == contents.end()) return std::nullopt;
    const auto value = found->second.find(name);
    if (value == found->second.end()) return std::nullopt;
    return std::get<int32_t>(value->second);
}

TEST(ColumnWidths, LoadClampedAndSavedForListedSheets) {
    SheetFixture fixture(WidthSheet("GI_Sheet_W"));
    fixture.settings.WriteInt(kKey, "1", 700);
    fixture.settings.WriteInt(kKey, "2", 3);
    fixture.settings.WriteInt(kKey, "0", 400);  // not a data column: ignored
    auto sheet = fixture.Page("GI_Sheet_W");
    EXPECT_EQ(fixture.grid.ColWidth(1), kMaxColumnWidth);
    EXPECT_EQ(fixture.grid.ColWidth(2), kMinColumnWidth);
    EXPECT_EQ(fixture.grid.ColWidth(0), 2 * FakeTextMeasure::kCharWidth + 8);
    EXPECT_EQ(fixture.grid.ColWidth(3), 1);
    // Saved straight back, data columns only.
    EXPECT_EQ(Stored(fixture, kKey, "1"), kMaxColumnWidth);
    EXPECT_EQ(Stored(fixture, kKey, "2"), kMinColumnWidth);
    EXPECT_EQ(Stored(fixture, kKey, "0"), 400);
    EXPECT_EQ(Stored(fixture, kKey, "3"), std::nullopt);
}

TEST(ColumnWidths, AnAbsentWidthLeavesTheColumnAsBuilt) {
    SheetFixture fixture(WidthSheet("GI_Sheet_W"));
    auto sheet = fixture.Page("GI_Sheet_W");
    EXPECT_EQ(fixture.grid.ColWidth(2), 10 * FakeTextMeasure::kCharWidth + 8);
    EXPECT_EQ(Stored(fixture, kKey, "2"), 10 * FakeTextMeasure::kCharWidth + 8);

    SheetFixture unlisted(WidthSheet("GI_Sheet_Unlisted"));
    auto other = unlisted.Page("GI_Sheet_Unlisted");
    EXPECT_TRUE(unlisted.settings.Current().empty());
}

TEST(ColumnWidths, ChangedWidthsStayWithinTheClientArea) {
    SheetFixture fixture(WidthSheet("GI_Sheet_W"));
    auto sheet = fixture.Page("GI_Sheet_W");
    fixture.grid.SetClientSize(300, 200);
    fixture.grid.SetColWidth(1, 500);
    fixture.grid.SetColWidth(2, 2);
    sheet->ColumnWidthsChanged();
    EXPECT_EQ(fixture.grid.ColWidth(1), 300 - fixture.grid.ColWidth(0));
    EXPECT_EQ(fixture.grid.ColWidth(2), kMinColumnWidth);
    EXPECT_EQ(Stored(fixture, kKey, "1"), 300 - fixture.grid.ColWidth(0));
    // A client narrower than the fixed columns still leaves the minimum.
    fixture.grid.SetClientSize(5, 200);
    sheet->ColumnWidthsChanged();
    EXPECT_EQ(fixture.grid.ColWidth(1), kMinColumnWidth);
}

TEST(ColumnWidths, AResetDeletesTheWidthsOfEveryListedSheet) {
    SheetFixture fixture(WidthSheet("GI_Sheet_W"));
    const char* other = "Software\\Orva\\KT-V818X\\Display\\Other\\colwidth";
    fixture.settings.WriteInt(kKey, "1", 300);
    fixture.settings.WriteInt(other, "1", 77);
    iuiSheet sheet(fixture.grid, fixture.store, "GI_Sheet_W", fixture.measure, fixture.Services(),
                   {});
    sheet.RequestWidthReset();
    sheet.Build();
    const int32_t built = 4 * FakeTextMeasure::kCharWidth + 8;  // "Name"
    EXPECT_EQ(fixture.grid.ColWidth(1), built);
    EXPECT_EQ(Stored(fixture, other, "1"), std::nullopt);
    EXPECT_EQ(Stored(fixture, kKey, "1"), built);  // saved anew
}

TEST(ColumnWidths, PrintingScalesTheStoredWidthAndNeverWidens) {
    SheetFixture fixture(WidthSheet("GI_Sheet_W"));
    fixture.settings.WriteInt(kKey, "1", 40);
    fixture.settings.WriteInt(kKey, "2", 100);
    fixture.environ.Settings().fontSizePrinter = 10;
    fixture.environ.Settings().fontSizePercentage = 100;
    iuiSheet sheet(fixture.grid, fixture.store, "GI_Sheet_W", fixture.measure, fixture.Services(),
                   {});
    sheet.SetPrinter(192, 96);  // scale 2
    sheet.Build();
    // Built at scale 2: "Name" 4 * 7 + 16 = 44; stored 40 * 10 * 2 * 16 / 16 * 0.1 = 80.
    EXPECT_EQ(fixture.grid.ColWidth(1), 44);
    // Built "abcdefghij" 10 * 7 + 16 = 86; stored 100 gives 200: the built width stays.
    EXPECT_EQ(fixture.grid.ColWidth(2), 86);
    fixture.settings.WriteInt(kKey, "2", 30);  // 60, narrower than built
    sheet.Build();
    EXPECT_EQ(fixture.grid.ColWidth(2), 60);
    EXPECT_EQ(Stored(fixture, kKey, "2"), 30);  // printing stores nothing
    // A stored width of no pixels would hide the column: it is not taken.
    fixture.settings.WriteInt(kKey, "1", 0);
    sheet.Build();
    EXPECT_EQ(fixture.grid.ColWidth(1), 44);
}

}  // namespace

namespace {

TEST(ColumnWidths, ADoubleClickOnAHeadingEdgeFitsTheColumn) {
    SheetFixture fixture(WidthSheet("GI_Sheet_W"));
    auto sheet = fixture.Page("GI_Sheet_W");
    const int32_t fitted = 10 * FakeTextMeasure::kCharWidth + 8;  // "abcdefghij"
    fixture.grid.SetColWidth(2, 300);
    clsCellRect heading = fixture.grid.CellRect(2, 0);
    sheet->DoubleClick(heading.right - 2, heading.top + 1);  // near its right edge
    EXPECT_EQ(fixture.grid.ColWidth(2), fitted);
    EXPECT_EQ(Stored(fixture, kKey, "2"), fitted);

    fixture.grid.SetColWidth(2, 300);
    heading = fixture.grid.CellRect(3, 0);
    sheet->DoubleClick(heading.left, heading.top + 1);  // on the left edge of the next
    EXPECT_EQ(fixture.grid.ColWidth(2), fitted);

    fixture.grid.SetColWidth(2, 300);
    heading = fixture.grid.CellRect(2, 0);
    sheet->DoubleClick(heading.left + 100, heading.top + 1);  // in the middle: nothing
    EXPECT_EQ(fixture.grid.ColWidth(2), 300);
}

}  // namespace
