#include <gtest/gtest.h>

#include <string>

#include "engine_call.h"
#include "model/cell_engine.h"
#include "model/channel_record.h"
#include "model/labels_settings.h"
#include "support/fake_engine_host.h"

namespace {

constexpr int32_t kBands = 0x0B98;
constexpr int32_t kFunctions = 0x0B99;
constexpr int32_t kSpeakers = 0x0E80;
constexpr int32_t kDscCalls = 0x20F7;
constexpr int32_t kSelfId = 0x20E0;
// Stands for the sub-list key of the evaluated cell's own row in a chosen-entry request.
constexpr int32_t kOwnList = -2;

// A list of count entries "<key> 0" ... under one sub-list key.
FakeChoiceSource::Sheet Entries(const std::string& key, int32_t count, int32_t subKey = 1) {
    FakeChoiceSource::Sheet sheet;
    for (int32_t v = 0; v < count; ++v)
        sheet.push_back({{subKey, v, key + " " + std::to_string(v)}});
    return sheet;
}

class SettingsLabels : public ::testing::Test {
protected:
    SettingsLabels() {
        for (const char* key :
             {"GI_Sheet_Sel_Misc_OnOff", "GI_Sheet_Sel_Misc_Able", "GI_Sheet_Sel_Ch70WatchU",
              "GI_Sheet_Sel_Ch70WatchE", "GI_Sheet_Sel_DSC_ALM_Shutdown",
              "GI_Sheet_Sel_UserSetLcdUsa", "GI_Sheet_Sel_UserSetLcdInt_E"}) {
            host.choices.sheets[key] = Entries(key, 16);
        }
        for (const char* key : {"GI_Sheet_Sel_KeyAs_SkeyMU", "GI_Sheet_Sel_KeyAs_SkeyHE"})
            host.choices.sheets[key] = Entries(key, 13, 2);
        host.texts["GI_AppInd_Dsc_SelfIdOff"] = {"Not set"};
        host.texts["GI_AppInd_TimerOff"] = {"OFF"};
    }

    using Request = EngineRequest;
    static Request Key(int32_t code) { return Request::Key(code); }
    static Request Typed(const std::string& text) { return Request::Typed(text); }
    static Request Painting() { return Request::Painting(); }
    // The entry of the cell's own selection list holding value.
    static Request Chosen(int32_t value) { return Request::Chosen(kOwnList, value); }

    clsCellCall Eval(int32_t label, int32_t index = 0,
                     const Request& request = Key(clsKey::kNone)) {
        Request asked = request;
        if (asked.ownerLabel == kOwnList) asked.ownerLabel = FindRow(label).subKey;
        return EvaluateForTest(host, record, CT_Null, label, index, asked);
    }
    static const clsSettingRow& FindRow(int32_t label) {
        for (const clsSettingRow& row : SettingRows())
            if (row.label == label) return row;
        ADD_FAILURE() << "no row for label " << label;
        return SettingRows()[0];
    }
    bool HasError(int32_t label, int32_t index = 0) {
        return Eval(label, index).state & clsCellState::kError;
    }
    void SetModelType(int32_t type) { host.environ.Settings().modelType = type; }

    FakeEngineHost host;
    datCh record{&host.image};
};

TEST_F(SettingsLabels, ConvertedNumbersShowTheDerivedValueAndStoreItsInverse) {
    EXPECT_EQ(Eval(CL_ComCom_RemoteID).text, "1");
    Eval(CL_ComCom_RemoteID, 0, Typed("69"));
    EXPECT_EQ(host.Byte(0x0AEC), 68);
    Eval(CL_ComCom_RemoteID, 0, Typed("0"));
    EXPECT_EQ(host.Byte(0x0AEC), 0) << "clamped to the first ID";

    host.SetByte(0x0BA2, 45);
    EXPECT_EQ(Eval(CL_ComConf_HornFreq).text, "450");
    const struct {
        const char* typed;
        uint8_t stored;
    } horn[] = {{"625", 65}, {"100", 20}, {"5000", 70}, {"574", 55}};
    for (const auto& c : horn) {
        Eval(CL_ComConf_HornFreq, 0, Typed(c.typed));
        EXPECT_EQ(host.Byte(0x0BA2), c.stored) << c.typed;
    }

    // Power save: the word holds hundredths of the shown value; the maker timers tenths.
    host.SetByte(0x0E8E, 0x88);  // 5000
    host.SetByte(0x0E8F, 0x13);
    EXPECT_EQ(Eval(CL_ComCom_PowSave1st).text, "  5.000");
    Eval(CL_ComCom_PowSave1st, 0, Typed("25.5"));
    EXPECT_EQ(host.Word(0x0E8E), 25500);
    Eval(CL_MakerR_DwTw_Timer, 0, Typed("0.9"));
    EXPECT_EQ(host.Word(0x0BA4), 900);
    EXPECT_EQ(Eval(CL_MakerR_DwTw_Timer).text, "  0.900");
}

TEST_F(SettingsLabels, ChannelSeventyWatchMapsOneValueOntoTwoBytes) {
    const struct {
        uint8_t modes;
        uint8_t second;
        int32_t value;
    } reads[] = {{0, 0, 0}, {0, 1, 1}, {0, 7, 0}, {2, 1, 3}, {1, 0, 2}, {5, 1, 2}, {255, 0, 2}};
    SetModelType(9);
    for (const auto& c : reads) {
        host.SetByte(0x0B01, c.modes);
        host.SetByte(0x0B02, c.second);
        EXPECT_EQ(Eval(CL_ComDsc_Ch70Watch).text,
                  "GI_Sheet_Sel_Ch70WatchE " + std::to_string(c.value))
            << int(c.modes) << "," << int(c.second);
    }
    const struct {
        int32_t value;
        uint8_t modes;
        uint8_t second;
    } writes[] = {{3, 2, 0}, {1, 0, 1}, {2, 1, 0}, {0, 0, 0}};
    host.SetByte(0x0B01, 5);
    for (const auto& c : writes) {
        Eval(CL_ComDsc_Ch70Watch, 0, Chosen(c.value));
        EXPECT_EQ(host.Byte(0x0B01), c.modes) << c.value;
        EXPECT_EQ(host.Byte(0x0B02), c.second) << c.value;
    }
    SetModelType(7);
    EXPECT_EQ(Eval(CL_ComDsc_Ch70Watch).text, "GI_Sheet_Sel_Ch70WatchU 0");
}

TEST_F(SettingsLabels, SoftKeysUseTheModelsListAndAreMarkedWhenTheRadioRefusesTheirFunction) {
    SetModelType(0);  // mobile, USA
    Eval(CL_ComConf_KeyAssign_SoftKey, 4, Key(clsKey::kEnter));
    SetModelType(9);  // handheld, export
    Eval(CL_ComConf_KeyAssign_SoftKey, 4, Key(clsKey::kEnter));
    ASSERT_EQ(host.windows.size(), 2u);
    EXPECT_EQ(host.windows[0].key, "GI_Sheet_Sel_KeyAs_SkeyMU");
    EXPECT_EQ(host.windows[1].key, "GI_Sheet_Sel_KeyAs_SkeyHE");
    EXPECT_EQ(host.windows[0].label, 2);

    host.SetByte(0x0AD6 + 4, 0);  // scan
    host.SetByte(kBands, 0x00);
    EXPECT_TRUE(HasError(CL_ComConf_KeyAssign_SoftKey, 4));
    EXPECT_TRUE(Eval(CL_Check_Conf_Softkey).state & clsCellState::kError);
    host.SetByte(kBands, 0x10);
    EXPECT_FALSE(HasError(CL_ComConf_KeyAssign_SoftKey, 4));
    EXPECT_FALSE(Eval(CL_Check_Conf_Softkey).state & clsCellState::kError);

    // The popup items of the list carry the same mark.
    host.SetByte(kSpeakers, 0x00);
    clsCellCall item(host, record);
    item.category = CT_PopupMenu;
    item.label = CL_FlexMarking;
    item.index = 6;  // horn
    item.hasOwner = true;
    item.ownerCategory = CT_Null;
    item.ownerLabel = CL_ComConf_KeyAssign_SoftKey;
    EvaluateCall(item);
    EXPECT_TRUE(item.state & clsCellState::kError);

    // A key chosen from the list is stored in its byte.
    Eval(CL_ComConf_KeyAssign_SoftKey, 19, Chosen(11));
    EXPECT_EQ(host.Byte(0x0AD6 + 19), 11);
}

TEST_F(SettingsLabels, AGreyedCellIsPaintedSilverAndStillEdits) {
    host.SetByte(0x0E88, 0x00);  // beep volume off
    host.SetByte(0x0E89, 150);
    const clsCellCall painted = Eval(CL_ComCom_VolTimer, 0, Painting());
    EXPECT_EQ(painted.fontColour, kGreyedTextColour);
    EXPECT_EQ(painted.text, "  0.150");
    Eval(CL_ComCom_VolTimer, 0, Key(clsKey::kSpace));
    EXPECT_EQ(host.Byte(0x0E89), 151);

    host.SetByte(0x0E88, 0x02);
    EXPECT_EQ(Eval(CL_ComCom_VolTimer, 0, Painting()).fontColour, std::nullopt);

    // Channel display: the band of the index decides; the International band is always on.
    host.SetByte(kBands, 0x01);
    for (const auto& [index, grey] : {std::pair{0, false}, {1, false}, {2, true}}) {
        const clsCellCall call = Eval(CL_RadioSet_ChannelDisp, index, Painting());
        EXPECT_EQ(call.fontColour == kGreyedTextColour, grey) << index;
    }
}

TEST_F(SettingsLabels, DscCallAlarmLimitsOutOfOrderMarkTheCellAndTheCheck) {
    const int32_t category3 = kDscCalls + 7 * 3;
    for (int32_t k = 0; k < 59; ++k) {
        host.SetByte(kDscCalls + 7 * k + 4, 20);
        host.SetByte(kDscCalls + 7 * k + 5, 80);
    }
    EXPECT_FALSE(Eval(CL_Check_Dsc_Call).state & clsCellState::kError);
    host.SetByte(category3 + 5, 19);
    EXPECT_TRUE(HasError(CL_DscCall_Alarm_Min, 3));
    EXPECT_TRUE(HasError(CL_DscCall_Alarm_Max, 3));
    EXPECT_FALSE(HasError(CL_DscCall_Alarm_Min, 2));
    EXPECT_TRUE(Eval(CL_Check_Dsc_Call).state & clsCellState::kError);

    // Raising the maximum again repaints the sheet, so the minimum's mark goes too.
    const clsCellCall raised = Eval(CL_DscCall_Alarm_Max, 3, Typed("20"));
    EXPECT_EQ(host.Byte(category3 + 5), 20);
    EXPECT_TRUE(raised.repaint & clsRepaint::kSheet);
    EXPECT_FALSE(Eval(CL_Check_Dsc_Call).state & clsCellState::kError);
}

TEST_F(SettingsLabels, EpirbCallsAreMarkedWhileTheirCategoryDoesNotTransmit) {
    host.SetByte(0x211A, 1);
    host.SetByte(0x2105, 0);
    EXPECT_TRUE(HasError(CL_DscCall_Tx_EPIRB_Ind));
    EXPECT_TRUE(Eval(CL_Check_Dsc_Call).state & clsCellState::kError);
    host.SetByte(0x2105, 1);
    EXPECT_FALSE(HasError(CL_DscCall_Tx_EPIRB_Ind));
    host.SetByte(0x2128, 1);
    host.SetByte(0x2113, 0);
    EXPECT_TRUE(HasError(CL_DscCall_Tx_EPIRB_All));
}

TEST_F(SettingsLabels, SelfIdKeepsItsCheckByteAndMarksAnIdThatIsNoShips) {
    Eval(CL_ComDsc_SelfId, 0, Typed("012345678"));
    const uint8_t id[5] = {1, 23, 45, 67, 80};
    for (int32_t i = 0; i < 5; ++i)
        EXPECT_EQ(host.Byte(kSelfId + i), id[i]);
    EXPECT_EQ(host.Byte(kSelfId + 5), 0xFF - ((1 + 23 + 45 + 67 + 80) & 0xFF));
    EXPECT_TRUE(HasError(CL_ComDsc_SelfId));
    EXPECT_TRUE(Eval(CL_Check_Dsc_SelfId).state & clsCellState::kError);

    for (const char* typed : {"123456789", "001234567"}) {
        Eval(CL_ComDsc_SelfId, 0, Typed(typed));
        EXPECT_EQ(Eval(CL_ComDsc_SelfId).text, typed);
        EXPECT_FALSE(HasError(CL_ComDsc_SelfId)) << typed;
    }

    // A wrong digit count empties the ID; the radio then finds 0xFF as its check byte.
    Eval(CL_ComDsc_SelfId, 0, Typed("1234"));
    EXPECT_EQ(host.Byte(kSelfId), 0xFF);
    EXPECT_EQ(host.Byte(kSelfId + 5), 0xFF);
    EXPECT_EQ(Eval(CL_ComDsc_SelfId).text, "Not set");
    EXPECT_FALSE(HasError(CL_ComDsc_SelfId));

    Eval(CL_ComAtis_AtisId, 0, Typed("9211234567"));
    EXPECT_EQ(host.Byte(0x1FF0 + 4), 67);
    EXPECT_EQ(host.Byte(0x1FF5), 0xFF - ((92 + 11 + 23 + 45 + 67) & 0xFF));
}

TEST_F(SettingsLabels, ChoicesWriteBackExactlyTheBitsTheyRead) {
    host.SetByte(0x20F4, 0xFF);
    Eval(CL_ComDsc_CanCh, 0, Chosen(0));
    EXPECT_EQ(host.Byte(0x20F4), 0xFB);

    const int32_t byte6 = kDscCalls + 7 * 2 + 6;
    host.SetByte(byte6, 0x35);
    Eval(CL_DscCall_Alarm_Visual, 2, Chosen(1));
    EXPECT_EQ(host.Byte(byte6), 0x15);
    Eval(CL_DscCall_Alarm_Shutdown, 2, Chosen(9));
    EXPECT_EQ(host.Byte(byte6), 0x19);
    EXPECT_EQ(Eval(CL_DscCall_Alarm_Shutdown, 2).text, "GI_Sheet_Sel_DSC_ALM_Shutdown 9");

    host.SetByte(0x22B7, 0xA3);
    Eval(CL_ComDsc_Alarm_Shutdown_Pos4hr, 0, Chosen(5));
    EXPECT_EQ(host.Byte(0x22B7), 0xA5);
}

TEST_F(SettingsLabels, BandSwitchesRebuildTheSheetsAndGoverningSwitchesRepaintTheirSheet) {
    const clsCellCall usa = Eval(CL_ComCom_Usa, 0, Key(clsKey::kSpace));
    EXPECT_EQ(host.Byte(kBands), 0x01);
    EXPECT_EQ(host.EventsOf(cmcEvCode::SheetsChanged).size(), 1u);
    Eval(CL_ComCom_Usa);  // painting alone changes nothing
    EXPECT_EQ(host.EventsOf(cmcEvCode::SheetsChanged).size(), 1u);
    EXPECT_FALSE(usa.repaint & clsRepaint::kSheet);

    const clsCellCall tot = Eval(CL_ComCom_TotF, 0, Key(clsKey::kSpace));
    EXPECT_EQ(host.Byte(kFunctions), 0x20);
    EXPECT_TRUE(tot.repaint & clsRepaint::kSheet);
}

TEST_F(SettingsLabels, LcdSymbolsAreChosenFromFiveTextsAndAnythingElseReadsAsNone) {
    const char* stored = "ATIS ";
    host.image.WriteBlock(0x0B80, reinterpret_cast<const uint8_t*>(stored), 5);
    EXPECT_EQ(Eval(CL_ComCom_LcdSymbol, 0).text, "GI_Sheet_Sel_UserSetLcdUsa 5");
    host.image.WriteBlock(0x0B80, reinterpret_cast<const uint8_t*>("atis "), 5);
    EXPECT_EQ(Eval(CL_ComCom_LcdSymbol, 0).text, "GI_Sheet_Sel_UserSetLcdUsa 0");

    SetModelType(9);
    Eval(CL_ComCom_LcdSymbol, 1, Chosen(3));
    std::string text(5, ' ');
    host.image.ReadBlock(0x0B85, reinterpret_cast<uint8_t*>(text.data()), 5);
    EXPECT_EQ(text, "CAN  ");
    Eval(CL_ComCom_LcdSymbol, 1, Chosen(0));
    host.image.ReadBlock(0x0B85, reinterpret_cast<uint8_t*>(text.data()), 5);
    EXPECT_EQ(text, "---  ");
    EXPECT_EQ(Eval(CL_ComCom_LcdSymbol, 1).text, "GI_Sheet_Sel_UserSetLcdInt_E 0");
}

TEST_F(SettingsLabels, CellsPlacedPastTheRadiosValuesShowNothingAndWriteNothing) {
    host.image.Fill(0x11);
    for (const auto& [label, index] : {std::pair{CL_DscCall_Alarm_Min, 59},
                                       {CL_ComCom_LcdSymbol, 3},
                                       {CL_ComConf_KeyAssign_SoftKey, 20},
                                       {CL_ComConf_KeyAssign_Dial, -1},
                                       {CL_RadioSet_ChannelDisp, 3}}) {
        const clsCellCall call = Eval(label, index, Typed("7"));
        EXPECT_EQ(call.text, "") << label;
    }
    for (int32_t a = 0; a < kImageSize; ++a)
        ASSERT_EQ(host.Byte(a), 0x11) << a;
}

TEST_F(SettingsLabels, StoredAlwaysCellsKeepASignedOffsetAndTheCommentOnlyPrintableCharacters) {
    host.SetByte(0x0AF2, 0xB6);  // -330 minutes
    host.SetByte(0x0AF3, 0xFE);
    Eval(CL_ComConf_UtcOffset);
    EXPECT_EQ(host.Word(0x0AF2), 0xFEB6);

    Eval(CL_ComCom_CloneComment, 0, Typed("Skipper's\tboat \x80"));
    std::string comment(16, '?');
    host.image.ReadBlock(0x0EEB, reinterpret_cast<uint8_t*>(comment.data()), 16);
    EXPECT_EQ(comment, "Skipper's boat  ");
    EXPECT_EQ(host.Byte(0x0EFB), 0) << "the byte after the comment is not touched";
}

TEST_F(SettingsLabels, EveryRowHasItsOwnLabelAndFixedCellsTheirText) {
    std::vector<int> seen(CL_None + 1, 0);
    for (const clsSettingRow& row : SettingRows()) {
        EXPECT_EQ(++seen[static_cast<size_t>(row.label)], 1) << "label " << row.label;
        if (row.kind == clsSettingKind::Fixed) {
            EXPECT_EQ(Eval(row.label).text, row.text);
        }
    }
    EXPECT_EQ(Eval(CL_DscCall_Alarm_Distress).text, "Two tone");
}

}  // namespace
