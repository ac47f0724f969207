// A new document shows every cell of every page: for each model type's initial image, every
// bound cell of every page of the tree gets a real text from the cell value engine (never
// "error", the text of a value its choice list lacks, so every list holds the values the images
// store), and no check finds an error, so that a new document can be written into a radio as
// it is.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/normalise_image.h"
#include "overlay/cell_registry.h"
#include "sheets/sheet_listing.h"
#include "shipped_overlay.h"

namespace {

constexpr int32_t kDscCallRecords = 0x20F7;
constexpr int32_t kDscCallRecordSize = 7;
constexpr int32_t kSpace = 32;  // steps a setting to its next value

// The memory dump belongs to the maker tools, whose labels the engine leaves unimplemented.
bool IsMakerToolLabel(int32_t label) {
    return label >= CL_EeDebugWin_Adr && label <= CL_EeDebugWin_F;
}

class NewDocument : public testing::TestWithParam<int32_t> {
protected:
    void SetUp() override { ASSERT_TRUE(m_host.LoadInitialImage(GetParam())); }

    clsShippedOverlay m_overlay;
    clsShippedHost m_host{m_overlay};
};

// Every bound cell of a page, built as the program builds it, gets a real text from the engine.
void ExpectValuesShown(cuiSheetListing& listing, const std::string& sheet) {
    for (int32_t row = 0; row < listing.RowCount(); ++row) {
        for (int32_t col = 0; col < listing.ColCount(); ++col) {
            const int32_t label = listing.Cell(col, row).GetLabel();
            if (label == CL_None || IsMakerToolLabel(label)) continue;
            const std::string text = listing.Text(col, row);
            EXPECT_NE(text, "error") << sheet << " row " << row << " " << LabelName(label) << "["
                                     << listing.Cell(col, row).GetIndex() << "]";
            EXPECT_EQ(text.find("*Yet*"), std::string::npos)
                << sheet << " row " << row << ": " << text;
        }
    }
}

// Every page of the tree, the settings and maker pages included, and the radio information.
TEST_P(NewDocument, EveryPageShowsItsValues) {
    std::vector<std::string> sheets = m_overlay.TreeSheets();
    sheets.push_back("GI_Sheet_CloneInfo");
    for (const std::string& sheet : sheets) {
        cuiSheetListing listing(m_overlay.store, sheet, RadioSheetState(m_host));
        ExpectValuesShown(listing, sheet);
    }
    EXPECT_EQ(sheets.size(), 20u);
}

TEST_P(NewDocument, NoCheckFindsAnError) {
    clsSheetVariables variables{};
    for (const std::string& line : m_overlay.Lines("GI_WarningCheckList")) {
        cmcCellObj check;
        check.ParseCell(line, &variables, nullptr);
        EXPECT_FALSE(QueryCellError(check.GetCategory(), check.GetLabel(), check.GetIndex()))
            << check.GetSuffix();
        EXPECT_FALSE(QueryCellWarning(check.GetCategory(), check.GetLabel(), check.GetIndex()))
            << check.GetSuffix();
    }
}

// Where the DSC call page shows a fixed transmit setting, the model's image holds that setting.
TEST_P(NewDocument, FixedDscTransmitSettingsMatchTheImage) {
    cuiSheetListing listing(m_overlay.store, "GI_Sheet_DscCall", RadioSheetState(m_host));
    int fixed = 0;
    for (int32_t row = 0; row < listing.RowCount(); ++row) {
        for (int32_t col = 0; col < listing.ColCount(); ++col) {
            const cmcCellObj& cell = listing.Cell(col, row);
            if (cell.GetLabel() != CL_DscCall_Tx_ON && cell.GetLabel() != CL_DscCall_Tx_OFF) {
                continue;
            }
            const int32_t address = kDscCallRecords + kDscCallRecordSize * cell.GetIndex();
            EXPECT_EQ(m_host.WorkingImage().GetByte(address), cell.GetLabel() == CL_DscCall_Tx_ON)
                << "category " << cell.GetIndex();
            ++fixed;
        }
    }
    EXPECT_GT(fixed, 0);
}

// What a user types into the cells that take text; every other cell steps to its next value.
const std::map<int32_t, const char*> kTypedEntries = {
    {CL_ChList_Comment, "MARINA"},   {CL_DSC_Comment, "RACE CTRL"},
    {CL_WX_ChComment, "LOCAL WX"},   {CL_Fch_FreqR, "155.500"},
    {CL_Fch_FreqT, "160.1125"},      {CL_Fch_ChName, "L1"},
    {CL_DscIndId_Id, "211234560"},   {CL_DscIndId_Comment, "HARBOUR"},
    {CL_Waypt_Name, "HOME"},         {CL_ComCom_CloneComment, "Skipper's boat"},
    {CL_ComDsc_SelfId, "211234560"}, {CL_ComAtis_AtisId, "9211234560"},
    {CL_ComConf_UtcOffset, "+1:00"}, {CL_ComDsc_TScanTimer, "90"},
    {CL_ComCom_TotTimer, "300"},     {CL_ComConf_HornFreq, "650"},
    {CL_ComCom_RemoteID, "7"},       {CL_DscCall_Alarm_Min, "50"},
    {CL_DscCall_Alarm_Max, "90"},    {CL_ComCom_PowSave1st, "10"},
};

// A page offers only what the model type lets the user change: the program brings every image
// in line with the model's template before it is saved or written, and a setting the page let
// the user change must come through that unchanged, or the user's change is silently lost. Every
// cell of every page the tree shows is changed at once, as a user editing the page would.
TEST_P(NewDocument, EveryChangeAPageOffersSurvivesSaving) {
    cmcEeprom templ;
    templ.Assign(m_host.WorkingImage());
    size_t changes = 0;
    for (const std::string& sheet : m_overlay.ShownSheets(GetParam(), templ)) {
        cuiSheetListing listing(m_overlay.store, sheet, RadioSheetState(m_host));
        std::map<std::pair<int32_t, int32_t>, std::string> changed;
        for (int32_t row = 0; row < listing.RowCount(); ++row) {
            for (int32_t col = 0; col < listing.ColCount(); ++col) {
                const int32_t label = listing.Cell(col, row).GetLabel();
                if (label == CL_None || IsMakerToolLabel(label)) continue;
                const std::string before = listing.Text(col, row);
                const auto typed = kTypedEntries.find(label);
                if (typed == kTypedEntries.end()) {
                    listing.Sheet().Request(col, row, kSpace, 0);
                } else {
                    const std::string text = typed->second;
                    listing.Sheet().Request(col, row, 0, 0, &text);
                }
                const std::string after = listing.Text(col, row);
                if (after != before) changed[{col, row}] = after;
            }
        }
        NormaliseImage(m_host.WorkingImage(), templ, GetParam(), clsNormaliseMode::kBeforeWrite);
        for (const auto& [cell, text] : changed) {
            const auto [col, row] = cell;
            EXPECT_EQ(listing.Text(col, row), text)
                << sheet << " row " << row << " " << LabelName(listing.Cell(col, row).GetLabel())
                << "[" << listing.Cell(col, row).GetIndex() << "]";
        }
        changes += changed.size();
        m_host.WorkingImage().Assign(templ);
    }
    EXPECT_GT(changes, 500u);
}

INSTANTIATE_TEST_SUITE_P(EveryModelType, NewDocument, testing::Range(0, kModelTypeCount));

}  // namespace
