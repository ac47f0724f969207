#include "model/cell_kinds.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/cell_call.h"
#include "model/channel_record.h"
#include "support/fake_engine_host.h"

namespace {

class CellKinds : public ::testing::Test {
protected:
    CellKinds() { host.texts["GI_AppInd_TimerOff"] = {"Off"}; }

    clsCellCall Call(int32_t code, int32_t mode = clsMode::kOrdinary, std::string input = "") {
        clsCellCall call(host, record);
        call.hasGrid = true;
        call.code = code;
        call.mode = mode;
        call.input = std::move(input);
        return call;
    }

    FakeEngineHost host;
    datCh record{&host.image};
};

TEST_F(CellKinds, TimerTextsClampsAndOff) {
    const clsTimerRange volume{1000, 120, 255, false};
    int32_t value = 120;
    clsCellCall paint = Call(clsKey::kNone);
    EXPECT_FALSE(TimerCell(paint, value, volume));
    EXPECT_EQ(paint.text, "  0.120");
    clsCellCall commit = Call(clsKey::kNone, clsMode::kTyped, "0.3");
    EXPECT_TRUE(TimerCell(commit, value, volume));
    EXPECT_EQ(value, 255);
    clsCellCall off = Call(clsKey::kNone, clsMode::kTyped, "off");
    EXPECT_TRUE(TimerCell(off, value, volume));
    EXPECT_EQ(value, 0);
    EXPECT_EQ(off.text, "  0.000");  // off is not this timer's own: shown as a number

    const clsTimerRange powerSave{1, 0, 255, true};
    clsCellCall quiet = Call(clsKey::kNone);
    TimerCell(quiet, value, powerSave);
    EXPECT_EQ(quiet.text, "Off");
    clsCellCall key = Call('x');
    TimerCell(key, value, powerSave);
    EXPECT_EQ(key.text, "  0.000");
    clsCellCall back = Call(clsKey::kBackspace);
    EXPECT_TRUE(TimerCell(back, value, powerSave));
    EXPECT_EQ(value, 255);
    clsCellCall digit = Call('7');
    TimerCell(digit, value, powerSave);
    EXPECT_EQ(digit.result, clsCellResult::OpenEditor);
    EXPECT_EQ(digit.text, "7");
    clsCellCall enter = Call(clsKey::kF2);
    TimerCell(enter, value, powerSave);
    EXPECT_EQ(enter.text, "255.000");
    EXPECT_EQ(enter.editorLength, 7);
}

TEST_F(CellKinds, IdCellsOpenTheEditorAndEmptyOnAWrongLength) {
    std::array<uint8_t, 5> id{12, 34, 56, 78, 90};
    clsCellCall enter = Call(clsKey::kSpace);
    EXPECT_FALSE(IdCell(enter, id.data(), 9));
    EXPECT_EQ(enter.result, clsCellResult::OpenEditor);
    EXPECT_EQ(enter.text, "123456789");
    clsCellCall wrong = Call(clsKey::kNone, clsMode::kTyped, "12345678");
    EXPECT_TRUE(IdCell(wrong, id.data(), 9));
    EXPECT_EQ(wrong.text, "");
    EXPECT_EQ(id[0], 0xFF);
}

TEST_F(CellKinds, UtcOffsetCommitsAndRefusals) {
    int32_t minutes = 0;
    const struct {
        const char* input;
        bool changed;
        int32_t minutes;
        const char* text;
    } cases[] = {{"-5:30", true, -330, "-5:30"},
                 {"14:01", false, -330, "-5:30"},
                 {"3:60", false, -330, "-5:30"},
                 {"930", false, -330, "-5:30"},
                 {"0", true, 0, "0:00"}};
    for (const auto& c : cases) {
        clsCellCall call = Call(clsKey::kNone, clsMode::kTyped, c.input);
        EXPECT_EQ(UtcOffsetCell(call, minutes), c.changed) << c.input;
        EXPECT_EQ(minutes, c.minutes) << c.input;
        EXPECT_EQ(call.text, c.text) << c.input;
    }
}

TEST_F(CellKinds, NumberCellsStartEditingWithATypedCharacterOrTheCurrentText) {
    int32_t value = 42;
    const clsNumberCell cell{{-10, 100}};
    clsCellCall minus = Call('-');
    NumberCell(minus, value, cell);
    EXPECT_EQ(minus.result, clsCellResult::OpenEditor);
    EXPECT_EQ(minus.text, "-");
    clsCellCall enter = Call(clsKey::kEnter);
    NumberCell(enter, value, cell);
    EXPECT_EQ(enter.text, "42");
    clsCellCall noGrid = Call(clsKey::kSpace);
    noGrid.hasGrid = false;
    EXPECT_FALSE(NumberCell(noGrid, value, cell));
    const clsNumberCell clamped{{50, 100}, nullptr, true};
    clsCellCall paint = Call(clsKey::kNone);
    EXPECT_TRUE(NumberCell(paint, value, clamped));  // pulled into range counts as a change
    EXPECT_EQ(value, 50);
}

TEST_F(CellKinds, FixedCellsArePaintedOliveAndSwallowTypedCharacters) {
    clsCellCall call = Call('q');
    call.painting = true;
    FixedCell(call, "TX");
    EXPECT_EQ(call.text, "TX");
    EXPECT_EQ(call.fontColour, kFixedTextColour);
    EXPECT_EQ(call.code, clsKey::kNone);
    EXPECT_EQ(call.result, clsCellResult::Consumed);
    clsCellCall grey = Call(clsKey::kNone);
    grey.painting = true;
    GreyUnless(grey, false);
    EXPECT_EQ(grey.fontColour, kGreyedTextColour);
}

}  // namespace
