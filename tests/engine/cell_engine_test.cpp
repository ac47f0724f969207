#include "model/cell_engine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine_call.h"
#include "model/channel_record.h"
#include "support/fake_engine_host.h"
#include "support/fatal_trap.h"

namespace {

constexpr int32_t kUsaFlags = 0x02F0;
constexpr int32_t kIntFlags = 0x04B0;
constexpr int32_t kDscIds = 0x22E0;
constexpr char kOff[] = "OFF";
constexpr char kOn[] = "ON";

class CellEngine : public ::testing::Test {
protected:
    CellEngine() {
        const FakeChoiceSource::Sheet onOff = {{{1, 0, kOff}}, {{1, 1, kOn}}};
        for (const char* key :
             {"GI_Sheet_Sel_ChTag", "GI_Sheet_Sel_ChTxInh", "GI_Sheet_Sel_ChPoc",
              "GI_Sheet_Sel_ChSimp", "GI_Sheet_Sel_DscChAtr", "GI_Sheet_Sel_WxChAtr"}) {
            host.choices.sheets[key] = onOff;
        }
        host.choices.sheets["GI_Sheet_Sel_Misc_Dsc_AdrType"] = {{{1, 0, "Ship"}},
                                                                {{1, 1, "Coast"}}};
        host.texts["GI_AppInd_TimerOff"] = {"OFF"};
        // Every DSC ID empty, as in a new radio.
        for (int32_t i = 0; i < kDscIdRows; ++i) {
            for (int32_t b = 0; b < 5; ++b)
                host.SetByte(kDscIds + 16 * i + b, 0xFF);
        }
    }

    using Request = EngineRequest;
    static Request Key(int32_t code) { return Request::Key(code); }
    static Request Typed(const std::string& text) { return Request::Typed(text); }
    static Request Dialog(const std::string& text) { return Request::Dialog(text); }
    static Request Chosen(int32_t label, int32_t value) { return Request::Chosen(label, value); }

    clsCellCall Eval(int32_t category, int32_t label, int32_t index) {
        return Eval(category, label, index, Key(clsKey::kNone));
    }
    clsCellCall Eval(int32_t category, int32_t label, int32_t index, const Request& request) {
        return EvaluateForTest(host, record, category, label, index, request);
    }
    std::string Text(int32_t category, int32_t label, int32_t index) {
        return Eval(category, label, index).text;
    }
    uint8_t Marks(int32_t category, int32_t label, int32_t index) {
        return QueryCellMarks(host, category, label, index);
    }
    void PutId(int32_t row, const std::string& bytes) {
        for (size_t i = 0; i < bytes.size(); ++i)
            host.SetByte(kDscIds + 16 * row + static_cast<int32_t>(i),
                         static_cast<uint8_t>(bytes[i]));
    }

    FakeEngineHost host;
    datCh record{&host.image};
};

TEST_F(CellEngine, InhibitedChannelsShowDashesAndIgnoreTypedCharacters) {
    host.SetByte(kIntFlags + 6, 0x80);
    for (const int32_t label :
         {CL_ChList_Tag, CL_ChList_TxInh, CL_ChList_Poc, CL_ChList_Simp, CL_ChList_Comment}) {
        const clsCellCall typed = Eval(CT_IntCh, label, 6, Key('a'));
        EXPECT_EQ(typed.text, "---") << label;
        EXPECT_EQ(typed.result, clsCellResult::Consumed) << label;
        const clsCellCall space = Eval(CT_IntCh, label, 6, Key(clsKey::kSpace));
        EXPECT_EQ(space.text, "---") << label;
    }
    EXPECT_EQ(host.Byte(kIntFlags + 6), 0x80);
    EXPECT_EQ(Text(CT_IntCh, CL_ChList_No, 6), "2");
    EXPECT_EQ(Eval(CT_IntCh, CL_ChList_Atr, 6).text, "");
}

TEST_F(CellEngine, F2OnTheCommentOfAnInhibitedChannelIsRefusedWithAStatusText) {
    host.SetByte(kIntFlags + 9, 0x80);
    host.texts["GI_Botttom_EditRestrected"] = {"Cannot edit this channel."};
    const clsCellCall call = Eval(CT_IntCh, CL_ChList_Comment, 9, Key(clsKey::kF2));
    EXPECT_EQ(call.result, clsCellResult::Nothing);
    EXPECT_EQ(call.text, "---");
    const auto status = host.EventsOf(cmcEvCode::StatusMessage);
    ASSERT_EQ(status.size(), 2u);  // cleared by the key, then the refusal
    EXPECT_EQ(status[0].Text(), "");
    EXPECT_EQ(status[1].Text(), "Cannot edit this channel.");
}

TEST_F(CellEngine, SuffixedChannelsAreForcedSimplexAndFreeChannelsShowTheirs) {
    const clsCellCall suffixed = Eval(CT_IntCh, CL_ChList_Simp, 67, Key(clsKey::kSpace));
    EXPECT_EQ(suffixed.text, "---");
    Eval(CT_IntCh, CL_ChList_Tag, 67, Key(clsKey::kSpace));  // any store keeps simplex set
    EXPECT_EQ(host.Byte(kIntFlags + 67), 0x40 | 0x02);

    host.SetByte(kIntFlags + 352, 0x02);
    const clsCellCall free = Eval(CT_IntCh, CL_ChList_Simp, 352, Key(clsKey::kSpace));
    EXPECT_EQ(free.text, kOn);
    EXPECT_EQ(host.Byte(kIntFlags + 352), 0x02);  // read-only
    EXPECT_EQ(Text(CT_IntCh, CL_ChList_Simp, 66), kOff);
}

TEST_F(CellEngine, ChoosingPriorityWritesTheBankWordAndMakesTheChannelAvailable) {
    host.SetByte(kUsaFlags + 48, 0x80 | 0x04);
    const clsCellCall call = Eval(CT_UsaCh, CL_ChList_Atr, 48, Chosen(1, 1));
    EXPECT_EQ(host.Word(0x0B92), 48);
    EXPECT_EQ(host.Byte(kUsaFlags + 48), 0x04);
    EXPECT_EQ(call.text, "P");
    EXPECT_TRUE(call.repaint & clsRepaint::kSheet);
    const auto rebuild = host.EventsOf(cmcEvCode::ChannelNumbering);
    ASSERT_EQ(rebuild.size(), 1u);
    EXPECT_EQ(rebuild[0].first, 0);

    Eval(CT_UsaCh, CL_ChList_Atr, 48, Chosen(1, 2));
    EXPECT_EQ(Text(CT_UsaCh, CL_ChList_Atr, 48), "PC");
    // An inhibited P or C channel carries the attention mark.
    Eval(CT_UsaCh, CL_ChList_Atr, 48, Key(clsKey::kSpace));
    EXPECT_EQ(host.Byte(kUsaFlags + 48), 0x80 | 0x04);
    EXPECT_EQ(Marks(CT_UsaCh, CL_ChList_Atr, 48), clsCellState::kError);
    EXPECT_EQ(Marks(CT_Null, CL_Check_Usa_ChInh, 0), clsCellState::kError);
    EXPECT_EQ(Marks(CT_Null, CL_Check_Int_ChInh, 0), 0);
}

TEST_F(CellEngine, TheUsableViewBlocksInhibitTogglesAndEntryFourTogglesIt) {
    host.environ.Settings().chListType = 1;
    Eval(CT_IntCh, CL_ChList_Atr, 3, Key(clsKey::kSpace));
    EXPECT_EQ(host.Byte(kIntFlags + 3), 0x00);
    const clsCellCall enter = Eval(CT_IntCh, CL_ChList_Atr, 3, Key(clsKey::kEnter));
    ASSERT_EQ(host.windows.size(), 1u);
    EXPECT_EQ(host.windows[0].key, "GI_Sheet_Sel_ChATRUse");
    EXPECT_EQ(enter.result, clsCellResult::Consumed);
    Eval(CT_IntCh, CL_ChList_Atr, 3, Chosen(1, 4));
    const auto toggle = host.EventsOf(cmcEvCode::ChannelNumbering);
    ASSERT_EQ(toggle.size(), 1u);
    EXPECT_EQ(toggle[0].first, 1);
}

TEST_F(CellEngine, ChannelNumbersFollowTheBandsDisplayMode) {
    host.SetByte(0x0830 + 8 + 4, 'X');  // free channel 1 is bank row 352
    host.SetByte(0x0830 + 8 + 5, 'y');
    host.SetByte(0x0830 + 8 + 6, 'A');
    const struct {
        int32_t category;
        int32_t displayMode;
        int32_t index;
        const char* text;
    } cases[] = {
        {CT_IntCh, 1, 67, "22A"},  {CT_IntCh, 0, 67, "1022"},  {CT_IntCh, 0, 68, "2022"},
        {CT_IntCh, 1, 66, "22  "}, {CT_IntCh, 1, 352, "XyA "}, {CT_IntCh, 0, 0, "0"},
        {CT_UsaCh, 1, 3, "1  "},   {CT_CanCh, 0, 4, "1001"},
    };
    for (const auto& c : cases) {
        host.SetByte(0x0B10, 0);
        host.SetByte(0x0B11, 0);
        host.SetByte(0x0B12, 0);
        const int32_t address = c.category == CT_UsaCh   ? 0x0B10
                                : c.category == CT_IntCh ? 0x0B11
                                                         : 0x0B12;
        host.SetByte(address, static_cast<uint8_t>(c.displayMode));
        EXPECT_EQ(Text(c.category, CL_ChList_No, c.index), c.text) << c.index;
    }
}

TEST_F(CellEngine, DscChannelNumbersSkipFrom28To60) {
    const struct {
        int32_t index;
        const char* text;
    } cases[] = {{0, "1"},   {1, "1001"},  {2, "2001"},  {83, "2028"},
                 {84, "60"}, {85, "1060"}, {170, "2088"}};
    for (const auto& c : cases)
        EXPECT_EQ(Text(CT_DscCh, CL_DSC_ChNo, c.index), c.text);
    EXPECT_EQ(Text(CT_DscCh, CL_DSC_ChAtr, 45), "Appear");
    EXPECT_EQ(Text(CT_DscCh, CL_DSC_ChSimp, 1), "---");
    host.SetByte(0x2020 + 3, 0x80);
    EXPECT_EQ(Text(CT_DscCh, CL_DSC_Poc, 3), "---");
    EXPECT_EQ(Text(CT_DscCh, CL_DSC_Comment, 3), "   ");
    Eval(CT_DscCh, CL_DSC_ChAtr, 3, Key(clsKey::kSpace));
    EXPECT_EQ(host.Byte(0x2020 + 3), 0x00);
    EXPECT_EQ(host.EventsOf(cmcEvCode::RepaintLabel).back().second, CL_DSC_ChAtr);
}

TEST_F(CellEngine, ChoiceCellsStepStoreAndShowErrorForUnknownValues) {
    Eval(CT_IntCh, CL_ChList_Tag, 9, Key(clsKey::kSpace));
    EXPECT_EQ(host.Byte(kIntFlags + 9), 0x40);
    EXPECT_EQ(Text(CT_IntCh, CL_ChList_Tag, 9), kOn);
    Eval(CT_IntCh, CL_ChList_Tag, 9, Key(clsKey::kBackspace));
    EXPECT_EQ(host.Byte(kIntFlags + 9), 0x00);
    // A committed choice from the list: the entry's index is the value.
    Eval(CT_IntCh, CL_ChList_Poc, 9, Chosen(1, 1));
    EXPECT_EQ(host.Byte(kIntFlags + 9), 0x20);
    // An entry of another sub-list changes nothing.
    Eval(CT_IntCh, CL_ChList_Poc, 9, Chosen(2, 0));
    EXPECT_EQ(host.Byte(kIntFlags + 9), 0x20);
}

TEST_F(CellEngine, AValueMissingFromItsListShowsErrorAndStepsToTheFirstEntry) {
    host.choices.sheets["GI_Sheet_Sel_ChTag"] = {{{1, 1, "tagged"}}};
    EXPECT_EQ(Text(CT_IntCh, CL_ChList_Tag, 12), "error");
    Eval(CT_IntCh, CL_ChList_Tag, 12, Key(clsKey::kBackspace));
    EXPECT_EQ(Text(CT_IntCh, CL_ChList_Tag, 12), "tagged");
}

TEST_F(CellEngine, CommentsAreChannelNamesSharedByTheBanks) {
    const clsCellCall typed = Eval(CT_IntCh, CL_ChList_Comment, 9, Key('h'));
    EXPECT_EQ(typed.result, clsCellResult::OpenEditor);
    EXPECT_EQ(typed.text, "h");
    EXPECT_EQ(typed.editorStart, 1);
    Eval(CT_IntCh, CL_ChList_Comment, 9, Typed("harbour@1 extra"));
    EXPECT_EQ(Text(CT_UsaCh, CL_ChList_Comment, 9), "HARBOUR 1");
}

TEST_F(CellEngine, ByteNumberCellsWrapAtBothEnds) {
    host.SetByte(0x100, 255);
    Eval(CT_Null, CL_Free_Byte_Dec, 0x100, Key(clsKey::kSpace));
    EXPECT_EQ(host.Byte(0x100), 0);
    Eval(CT_Null, CL_Free_Byte_Dec, 0x100, Key(clsKey::kBackspace));
    EXPECT_EQ(host.Byte(0x100), 255);
    Eval(CT_Null, CL_Free_Byte_Dec, 0x100, Typed("300"));
    EXPECT_EQ(host.Byte(0x100), 255);
    Eval(CT_Null, CL_Free_Byte_Dec, 0x100, Typed("17"));
    EXPECT_EQ(Text(CT_Null, CL_Free_Byte_Dec, 0x100), "17");
    EXPECT_EQ(Text(CT_Null, CL_Free_Byte_Dec, kImageSize), "");  // outside the image
}

TEST_F(CellEngine, DscIdsCommitCheckDuplicatesAndDeriveTheType) {
    Eval(CT_DscIndId, CL_DscIndId_Id, 2, Typed("123456789"));
    EXPECT_EQ(host.Byte(kDscIds + 32), 12);
    EXPECT_EQ(host.Byte(kDscIds + 36), 90);
    EXPECT_EQ(host.Byte(kDscIds + 32 + 15), 0);
    EXPECT_EQ(Text(CT_DscIndId, CL_DscIndId_Atr, 2), "Ship");
    // Derived from the ID: read-only.
    EXPECT_EQ(Eval(CT_DscIndId, CL_DscIndId_Atr, 2, Key(clsKey::kSpace)).result,
              clsCellResult::Consumed);
    EXPECT_EQ(host.Byte(kDscIds + 32 + 15), 0);
    EXPECT_EQ(host.EventsOf(cmcEvCode::RepaintLabel).back().second, CL_DscIndId_Id);

    Eval(CT_DscIndId, CL_DscIndId_Id, 7, Typed("123 456 789"));
    EXPECT_EQ(Marks(CT_DscIndId, CL_DscIndId_Id, 7), clsCellState::kWarning);
    EXPECT_EQ(Marks(CT_DscIndId, CL_DscIndId_Id, 2), 0);  // the first keeps no mark
    EXPECT_TRUE(Marks(CT_Null, CL_Check_Dsc_Id, 0) & clsCellState::kWarning);
    EXPECT_TRUE(Marks(CT_Null, CL_Check_Dsc_Id, 0) & clsCellState::kError);  // names empty

    Eval(CT_DscIndId, CL_DscIndId_Id, 7, Typed("12345678"));
    EXPECT_EQ(host.Byte(kDscIds + 112), 0xFF);
    EXPECT_EQ(Marks(CT_Null, CL_Check_Dsc_Id, 0) & clsCellState::kWarning, 0);
}

TEST_F(CellEngine, TypingIntoAnEmptyDscIdRowGoesToItsIdCell) {
    const clsCellCall call = Eval(CT_DscIndId, CL_DscIndId_Comment, 4, Key('5'));
    EXPECT_EQ(call.text, "");
    EXPECT_EQ(call.moveRequest, 1);
    EXPECT_EQ(call.moveLabel, CL_DscIndId_Id);
    EXPECT_EQ(call.moveIndex, 4);
    EXPECT_EQ(call.repeatCode, '5');
    const clsCellCall id = Eval(CT_DscIndId, CL_DscIndId_Id, 4, Key('5'));
    EXPECT_EQ(id.result, clsCellResult::OpenEditor);
    EXPECT_EQ(id.text, "5");
}

TEST_F(CellEngine, AllWeatherChannelsInhibitedMarksEveryAttributeAndTheCheck) {
    host.SetByte(0x0B90, 0xFF);
    host.SetByte(0x0B91, 0x01);
    EXPECT_EQ(Marks(CT_Null, CL_Check_WX_ChInh, 0), 0);
    host.SetByte(0x0B91, 0x03);
    for (int32_t i = 0; i < kWeatherRows; ++i)
        EXPECT_EQ(Marks(CT_WxCh, CL_WX_ChAtr, i), clsCellState::kError);
    EXPECT_EQ(Marks(CT_Null, CL_Check_WX_ChInh, 0), clsCellState::kError);
    EXPECT_EQ(Text(CT_WxCh, CL_WX_ChComment, 4), "---");
}

TEST_F(CellEngine, FreeChannelReceiveCarriesASimplexTransmitAlong) {
    datCh free(&host.image);
    free.LoadRecord(clsRecordGroup::FreeCh, 0);
    free.rxFrequency = free.txFrequency = 156000000;
    free.StoreRecord();
    Eval(CT_FreeCh, CL_Fch_FreqR, 0, Typed("156.8"));
    free.LoadRecord(clsRecordGroup::FreeCh, 0);
    EXPECT_EQ(free.rxFrequency, 156800000);
    EXPECT_EQ(free.txFrequency, 156800000);
    const clsCellCall transmit = Eval(CT_FreeCh, CL_Fch_FreqT, 0);
    EXPECT_EQ(transmit.text, "<-");
    EXPECT_EQ(transmit.alignment, 1);
    const clsCellCall edit = Eval(CT_FreeCh, CL_Fch_FreqT, 0, Key('='));
    EXPECT_EQ(edit.text, "156.80000");
    EXPECT_EQ(edit.result, clsCellResult::OpenEditor);
    Eval(CT_FreeCh, CL_Fch_FreqT, 0, Typed("156.0101"));
    EXPECT_EQ(Text(CT_FreeCh, CL_Fch_FreqT, 0), "<-");  // refused
    Eval(CT_FreeCh, CL_Fch_FreqT, 0, Typed("161.01"));
    EXPECT_EQ(Text(CT_FreeCh, CL_Fch_FreqT, 0), "161.01250");
    Eval(CT_FreeCh, CL_Fch_FreqR, 0, Typed("157"));
    EXPECT_EQ(Text(CT_FreeCh, CL_Fch_FreqT, 0), "161.01250");  // not simplex: stays
    Eval(CT_FreeCh, CL_Fch_ChName, 0, Typed("ab1x"));
    EXPECT_EQ(Text(CT_FreeCh, CL_Fch_ChName, 0), "AB");
    EXPECT_EQ(Text(CT_IntCh, CL_ChList_No, 351), "AB  ");
}

TEST_F(CellEngine, WaypointsComeIntoUseByTheirNameOrPosition) {
    for (int32_t i = 0; i < kWaypointRows; ++i)
        host.SetByte(0x4160 + 20 * i, 0xFF);
    EXPECT_EQ(Text(CT_Waypoint, CL_Waypt_Lat, 50), "");
    const clsCellCall open = Eval(CT_Waypoint, CL_Waypt_Lat, 50, Key(clsKey::kEnter));
    ASSERT_EQ(host.windows.size(), 1u);
    EXPECT_EQ(host.windows[0].label, 6);
    EXPECT_EQ(open.result, clsCellResult::Consumed);
    const std::string south = std::string(" 00") + char(0xB0) + "00.0001'S";
    Eval(CT_Waypoint, CL_Waypt_Lat, 50, Dialog(south));
    EXPECT_EQ(Text(CT_Waypoint, CL_Waypt_Lat, 50), std::string("00") + char(0xB0) + "00.0001'S");
    EXPECT_EQ(Text(CT_Waypoint, CL_Waypt_Name, 50), "MOB");
    EXPECT_EQ(Text(CT_Waypoint, CL_Waypt_Lon, 50), std::string("000") + char(0xB0) + "00.0000'W");
    Eval(CT_Waypoint, CL_Waypt_Name, 3, Typed("buoy 7"));
    EXPECT_EQ(Text(CT_Waypoint, CL_Waypt_Name, 3), "BUOY 7");
}

TEST_F(CellEngine, LabelsWithoutBehaviourShowTheirNumber) {
    EXPECT_EQ(Text(CT_IntCh, CL_INT_ChNo, 0), "85 *Yet*");
    EXPECT_EQ(Text(CT_Null, CL_ComSet_Light, 0), "124 *Yet*");
    EXPECT_EQ(Text(CT_Null, CL_Null, 0), "");
    EXPECT_EQ(Text(CT_Null, CL_Free_Byte_Hex, 0), "");
}

TEST_F(CellEngine, AnUnknownCategoryIsFatal) {
    EXPECT_EQ(CatchFatal([&] { Eval(11, CL_Dummy, 0); }), "Unknown Cell Category. (11)");
    EXPECT_EQ(CatchFatal([&] { Eval(-1, CL_Dummy, 0); }), "Unknown Cell Category. (-1)");
}

TEST_F(CellEngine, RecordCellsAskForTheirRowToBeRepaintedAndRequestsRefreshTheController) {
    EXPECT_EQ(Eval(CT_IntCh, CL_ChList_No, 0).repaint, clsRepaint::kAlways | clsRepaint::kRecord);
    EXPECT_EQ(Eval(CT_Null, CL_Misc_ChNo_0Base, 0).repaint, clsRepaint::kAlways);
    EXPECT_EQ(host.refreshes, 0);
    Eval(CT_Null, CL_Misc_ChNo_0Base, 0, Key(clsKey::kSpace));
    EXPECT_EQ(host.refreshes, 1);
}

TEST_F(CellEngine, RowCommandsArriveAsTheRequestArgument) {
    host.SetByte(0x4160, 'A');
    clsCellCall call(host, record);
    call.category = CT_Waypoint;
    call.label = CL_Waypt_Name;
    call.argument = CL_PMenu_Copy;
    call.code = clsKey::kEnter;
    EvaluateCall(call);
    EXPECT_EQ(host.clipboard.Count(), 1);
    EXPECT_EQ(call.code, clsKey::kNone);
    EXPECT_EQ(call.result, clsCellResult::Nothing);  // the label did not run

    clsCellCall paste(host, record);
    paste.category = CT_PopupMenu;
    paste.label = CL_PMenu_Paste;
    paste.hasOwner = true;
    paste.ownerCategory = CT_Waypoint;
    EvaluateCall(paste);
    EXPECT_EQ(paste.itemState, 0);
    paste.ownerCategory = CT_IntCh;
    paste.itemState = 0;
    EvaluateCall(paste);
    EXPECT_EQ(paste.itemState, clsItemState::kDisabled);
}

}  // namespace
