#include "dialogs/masked_entry.h"

#include <gtest/gtest.h>

#include <random>

#include "model/cell_call.h"

namespace {

const clsEntryMask& Mask(int32_t mode) {
    const clsEntryMask* mask = FindEntryMask(mode);
    EXPECT_NE(mask, nullptr);
    return *mask;
}

TEST(EntryMask, EditablePositionsOfEveryMode) {
    struct Range {
        int32_t mode;
        int32_t first;
        int32_t last;
    };
    // The seconds layouts end with the hemisphere at position 10.
    const Range ranges[] = {{0, 2, 9},  {1, 0, 9},  {2, 0, 9},  {3, 0, 7},
                            {4, 1, 10}, {5, 0, 10}, {6, 1, 12}, {7, 0, 12}};
    for (const Range& r : ranges) {
        SCOPED_TRACE(r.mode);
        EXPECT_EQ(Mask(r.mode).FirstEditable(), r.first);
        EXPECT_EQ(Mask(r.mode).LastEditable(), r.last);
    }
    EXPECT_EQ(FindEntryMask(8), nullptr);
    EXPECT_EQ(FindEntryMask(-1), nullptr);
}

struct RoundTrip {
    int32_t mode;
    const char* value;
    const char* shown;
};

// What the engine hands over, what the edit shows, and that it comes back unchanged.
const RoundTrip kRoundTrips[] = {
    {clsEntryMode::kDate, "2026/12/11", "2026/12/11"},
    {clsEntryMode::kDateMonthFirst, "2026/12/11", "12/11/2026"},
    {clsEntryMode::kDateDayFirst, "2026/12/11", "11/12/2026"},
    {clsEntryMode::kTime, "23:59:07", "23:59:07"},
    {clsEntryMode::kLatitudeSeconds,
     " 12\xB0"
     "34'56\"N",
     " 12\xB0"
     "34'56\"N"},
    {clsEntryMode::kLongitudeSeconds,
     "123\xB0"
     "45'06\"W",
     "123\xB0"
     "45'06\"W"},
    {clsEntryMode::kLatitude,
     " 12\xB0"
     "34.5678'S",
     " 12\xB0"
     "34.5678'S"},
    {clsEntryMode::kLongitude,
     "123\xB0"
     "45.6789'E",
     "123\xB0"
     "45.6789'E"},
};

TEST(MaskedEntry, EveryModeShowsTheValueAndSendsItBack) {
    for (const RoundTrip& r : kRoundTrips) {
        SCOPED_TRACE(r.mode);
        cuiMaskedEntry entry(Mask(r.mode), r.value, clsKey::kEnter);
        EXPECT_EQ(entry.ShownText(), r.shown);
        EXPECT_EQ(entry.Cursor(), Mask(r.mode).FirstEditable());
        std::string sent = r.value;
        if (sent[0] == ' ') sent[0] = '0';  // the latitude's leading blank goes as "0"
        EXPECT_TRUE(entry.Passes());
        EXPECT_EQ(entry.Commit(), sent);
    }
}

TEST(MaskedEntry, OpensWithBlanksWhereTheValueDoesNotFit) {
    cuiMaskedEntry shortValue(Mask(clsEntryMode::kTime), "12:3", clsKey::kEnter);
    EXPECT_EQ(shortValue.ShownText(), "12:3_:__");
    EXPECT_EQ(shortValue.ValueText(), "12:30:00");  // blanks go as "0"
    cuiMaskedEntry letters(Mask(clsEntryMode::kLatitude),
                           "AB7\xB0"
                           "34.56x8'q",
                           clsKey::kEnter);
    EXPECT_EQ(letters.ShownText(),
              " _7\xB0"
              "34.56_8'Q");  // a letter never stands for a digit
    cuiMaskedEntry empty(Mask(clsEntryMode::kDate), "", clsKey::kEnter);
    EXPECT_EQ(empty.ShownText(), "20__/__/__");
    EXPECT_FALSE(empty.Passes());
}

// Keys of a script: "{" Home, "}" End, "<" Left, ">" Right, "#" Backspace, "~" Delete; any other
// character is typed.
void RunScript(cuiMaskedEntry& entry, const std::string& script) {
    for (const char c : script) {
        switch (c) {
            case '{':
                entry.Press(clsEntryKey::Home);
                break;
            case '}':
                entry.Press(clsEntryKey::End);
                break;
            case '<':
                entry.Press(clsEntryKey::Left);
                break;
            case '>':
                entry.Press(clsEntryKey::Right);
                break;
            case '#':
                entry.Press(clsEntryKey::Backspace);
                break;
            case '~':
                entry.Press(clsEntryKey::Delete);
                break;
            default:
                entry.Type(c);
                break;
        }
    }
}

struct Editing {
    const char* name;
    int32_t mode;
    const char* value;
    int32_t openingCode;
    const char* script;
    const char* shown;
    int32_t cursor;
    bool passes;
};

const Editing kEditing[] = {
    {"a typed 7 opens a date at the first editable digit", clsEntryMode::kDate, "2026/12/11", '7',
     "", "2076/12/11", 3, true},
    {"the opening digit of a time", clsEntryMode::kTime, "12:00:00", '2', "", "22:00:00", 1, true},
    {"typing skips the literals", clsEntryMode::kDate, "2026/12/11", clsKey::kEnter, "261311",
     "2026/13/11", 10, false},  // month 13
    {"the fixed 20 of month first", clsEntryMode::kDateMonthFirst, "2026/12/11", clsKey::kEnter,
     "022928", "02/29/2028", 10, true},
    {"no 29 February in 2026", clsEntryMode::kDateDayFirst, "2026/12/11", clsKey::kF2, "2902",
     "29/02/2026", 8, false},
    {"letters where digits go", clsEntryMode::kDate, "2026/12/11", clsKey::kEnter, "NsEw",
     "2026/12/11", 2, true},
    {"keys the mask does not take", clsEntryMode::kTime, "12:00:00", clsKey::kEnter, "x- :a.",
     "12:00:00", 0, true},
    {"hour 24", clsEntryMode::kTime, "12:00:00", clsKey::kEnter, "24", "24:00:00", 3, false},
    {"minute 60 in a position", clsEntryMode::kLatitude,
     " 12\xB0"
     "34.5678'N",
     clsKey::kEnter, "1260",
     " 12\xB0"
     "60.5678'N",
     7, false},
    {"E as a latitude hemisphere", clsEntryMode::kLatitude,
     " 12\xB0"
     "34.5678'N",
     clsKey::kEnter, "}#E",
     " 12\xB0"
     "34.5678'E",
     13, false},
    {"a hemisphere in lower case", clsEntryMode::kLongitude,
     "123\xB0"
     "45.6789'E",
     clsKey::kEnter, "}#w",
     "123\xB0"
     "45.6789'W",
     13, true},
    {"no digit for the hemisphere", clsEntryMode::kLongitude,
     "123\xB0"
     "45.6789'E",
     clsKey::kEnter, "}#5",
     "123\xB0"
     "45.6789'_",
     12, false},
    {"second 60", clsEntryMode::kLatitudeSeconds,
     " 12\xB0"
     "34'56\"N",
     clsKey::kEnter, ">>>>>60",
     " 12\xB0"
     "34'60\"N",
     10, false},
    {"the largest latitude in seconds", clsEntryMode::kLatitudeSeconds,
     " 12\xB0"
     "34'56\"N",
     clsKey::kEnter, "900000S",
     " 90\xB0"
     "00'00\"S",
     11, true},
    {"Home and End", clsEntryMode::kDate, "2026/12/11", clsKey::kEnter, "}1{3", "2036/12/11", 3,
     true},
    {"Left stops at the first editable position", clsEntryMode::kDate, "2026/12/11", clsKey::kEnter,
     "<<<9", "2096/12/11", 3, true},
    {"Right stops at the last editable position", clsEntryMode::kTime, "12:00:00", clsKey::kEnter,
     ">>>>>>>>>>>5", "12:00:05", 8, true},
    {"Backspace blanks the editable position before the literal", clsEntryMode::kDate, "2026/12/11",
     clsKey::kEnter, "{>>>#", "202_/12/11", 3, true},
    {"Backspace at the first editable position does nothing", clsEntryMode::kDate, "2026/12/11",
     clsKey::kEnter, "#", "2026/12/11", 2, true},
    {"Delete blanks without moving", clsEntryMode::kTime, "12:34:56", clsKey::kEnter, ">>~~",
     "12:_4:56", 2, true},
    {"blanks go as 0", clsEntryMode::kTime, "12:34:56", clsKey::kEnter, "}######", "__:__:__", 0,
     true},
    {"a blank month is month 0", clsEntryMode::kDate, "2026/12/11", clsKey::kEnter, ">>>>>>##",
     "2026/__/11", 5, false},
};

TEST(MaskedEntry, FollowsTheMaskWhileTyping) {
    for (const Editing& e : kEditing) {
        SCOPED_TRACE(e.name);
        cuiMaskedEntry entry(Mask(e.mode), e.value, e.openingCode);
        RunScript(entry, e.script);
        EXPECT_EQ(entry.ShownText(), e.shown);
        EXPECT_EQ(entry.Cursor(), e.cursor);
        EXPECT_EQ(entry.Passes(), e.passes);
    }
}

TEST(MaskedEntry, TypingRefusesWhatTheMaskCannotTake) {
    cuiMaskedEntry entry(Mask(clsEntryMode::kLatitude),
                         " 12\xB0"
                         "34.5678'N",
                         clsKey::kEnter);
    EXPECT_FALSE(entry.Type('N'));  // a letter where a digit goes
    EXPECT_FALSE(entry.Type('x'));
    EXPECT_TRUE(entry.Type('4'));
    entry.Press(clsEntryKey::End);
    EXPECT_FALSE(entry.Type('5'));  // past the last editable position
    EXPECT_EQ(entry.ShownText(),
              " 42\xB0"
              "34.5678'N");
}

TEST(MaskedEntry, AClickPlacesTheCursorOnTheEditablePositions) {
    cuiMaskedEntry entry(Mask(clsEntryMode::kDate), "2026/12/11", clsKey::kEnter);
    const std::pair<int32_t, int32_t> clicks[] = {{0, 2}, {6, 6}, {10, 10}, {42, 10}, {-3, 2}};
    for (const auto& [at, cursor] : clicks) {
        entry.PlaceCursor(at);
        EXPECT_EQ(entry.Cursor(), cursor) << at;
    }
}

TEST(MaskedEntry, CommitsOnceTheCheckedTextOrTheOpeningValue) {
    cuiMaskedEntry valid(Mask(clsEntryMode::kDateDayFirst), "2026/12/11", clsKey::kEnter);
    RunScript(valid, "0102");
    EXPECT_EQ(valid.Commit(), "2026/02/01");
    EXPECT_TRUE(valid.IsFinished());
    EXPECT_EQ(valid.Commit(), std::nullopt);

    cuiMaskedEntry invalid(Mask(clsEntryMode::kDate), "2026/12/11", clsKey::kEnter);
    RunScript(invalid, "2613");
    EXPECT_EQ(invalid.Commit(), "2026/12/11");

    cuiMaskedEntry cancelled(Mask(clsEntryMode::kTime), "12:00:00", clsKey::kEnter);
    RunScript(cancelled, "13");
    cancelled.Cancel();
    EXPECT_TRUE(cancelled.IsFinished());
    EXPECT_EQ(cancelled.Commit(), std::nullopt);
}

// Whatever is typed, the text keeps the mask's literals and length, an editable position holds a
// blank or a character that fits it, and the cursor stays on the editable positions.
TEST(MaskedEntry, AnyKeysKeepTheTextInsideItsMask) {
    const std::string keys = "0123456789ENSWensw xAl./:'\"\xB0\x7F{}<>#~";
    std::mt19937 random(818);
    for (int32_t mode = 0; mode <= 7; ++mode) {
        const clsEntryMask& mask = Mask(mode);
        for (int run = 0; run < 100; ++run) {
            cuiMaskedEntry entry(mask, run % 2 ? "" : "2026/12/11", '0' + run % 10);
            std::string script;
            for (int i = 0; i < 30; ++i)
                script += keys[random() % keys.size()];
            SCOPED_TRACE(testing::Message() << "mode " << mode << " keys " << script);
            RunScript(entry, script);
            ASSERT_EQ(entry.Text().size(), mask.layout.size());
            for (int32_t p = 0; p < mask.Length(); ++p) {
                const char c = entry.Text()[static_cast<size_t>(p)];
                if (mask.IsEditable(p)) {
                    EXPECT_TRUE(c == ' ' || mask.Fits(p, c)) << p;
                } else {
                    EXPECT_EQ(c, mask.layout[static_cast<size_t>(p)]) << p;
                }
            }
            EXPECT_GE(entry.Cursor(), mask.FirstEditable());
            EXPECT_LE(entry.Cursor(), mask.LastEditable() + 1);
            EXPECT_EQ(entry.ValueText().size(), mask.valueOrder.size());
        }
    }
}

}  // namespace
