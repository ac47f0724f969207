#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/frequency_codec.h"
#include "model/hex_byte_codec.h"
#include "model/id_codec.h"
#include "model/number_codec.h"
#include "model/position_codec.h"
#include "model/text_codec.h"
#include "model/timer_codec.h"
#include "model/utc_offset_codec.h"

namespace {

constexpr char kDeg = static_cast<char>(kDegreeSign);

TEST(TimerCodec, TextsShowSecondsWithThreeDecimals) {
    EXPECT_EQ(FormatTimer(120, 1000), "  0.120");
    EXPECT_EQ(FormatTimer(60, 1), " 60.000");
    EXPECT_EQ(FormatTimer(0, 1), "  0.000");
    EXPECT_EQ(FormatTimer(155, 10), " 15.500");
    EXPECT_EQ(FormatTimer(255, 100), "  2.550");
}

TEST(TimerCodec, CommittedTextsClampAndOffStoresZero) {
    const clsTimerRange volume{1000, 120, 255, false};
    const clsTimerRange scan{1, 60, 180, false};
    const struct {
        const char* input;
        const clsTimerRange& range;
        std::optional<int32_t> value;
    } cases[] = {
        {"0.3", volume, 255},                              // 300 clamped to the maximum
        {"0.13", volume, 130},      {"0.1", volume, 120},  // clamped to the minimum
        {"off", volume, 0},  // off below a minimum above 0 still stores 0
        {"OF", volume, 0},          {"oF 12", scan, 0},  // off wins over digits
        {"fo", scan, std::nullopt},                      // the letters must read o then f
        {"", scan, std::nullopt},   {"abc", scan, std::nullopt},
        {"90.9999", scan, 91},      // +0.0005 then truncated
        {"1234567890", scan, 180},  // cut to nine digits, then clamped
        {"s 75 x", scan, 75},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(ParseTimerInput(c.input, c.range), c.value);
    }
}

TEST(TimerCodec, StepsWrapAtBothEnds) {
    const clsTimerRange range{1, 60, 180, false};
    EXPECT_EQ(StepTimer(180, 1, range), 60);
    EXPECT_EQ(StepTimer(60, -1, range), 180);
    EXPECT_EQ(StepTimer(100, 1, range), 101);
}

TEST(TextCodec, CommittedTextIsCutOrPaddedAndUnprintablesBecomeBlanks) {
    std::array<uint8_t, 10> buffer{};
    FillTextBuffer(buffer.data(), 10, "HARBOUR MASTER");
    EXPECT_EQ(TextOfBuffer(buffer.data(), 10), "HARBOUR MA");
    FillTextBuffer(buffer.data(), 10, "CH 16");
    EXPECT_EQ(TextOfBuffer(buffer.data(), 10), "CH 16");
    EXPECT_EQ(buffer[9], ' ');
    buffer = {'A', 0x00, 'B', 0xFF, 0x7F, ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(TextOfBuffer(buffer.data(), 10), "A B");
    EXPECT_EQ(buffer[1], ' ');
    EXPECT_EQ(buffer[3], ' ');
}

TEST(TextCodec, ChannelNameSetUpperCasesAndBlanksTheRest) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(ToChannelNameChar(static_cast<uint8_t>(c)));
    for (int c = 0; c < 256; ++c) {
        const uint8_t shown = static_cast<uint8_t>(all[static_cast<size_t>(c)]);
        if (c >= 'a' && c <= 'z') {
            EXPECT_EQ(shown, c - 32);
        } else if (c >= 0x20 && c <= 0x5F && c != '@') {
            EXPECT_EQ(shown, c);
        } else {
            EXPECT_EQ(shown, ' ') << c;
        }
    }
}

TEST(TextCodec, FreeChannelNamesKeepTwoNameCharactersAndAnAOrBSuffix) {
    const struct {
        const char* input;
        const char* stored;
    } cases[] = {{"ab1x", "AB "}, {"12a", "12A"}, {"x@b", "X B"}, {"~~B", "  B"}, {"", "   "}};
    for (const auto& c : cases) {
        std::array<uint8_t, 4> buffer{};
        FillTextBuffer(buffer.data(), 4, c.input);
        NormaliseFreeChannelName(buffer.data());
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 3), c.stored) << c.input;
    }
}

TEST(IdCodec, NineDigitsFillTheBytesAndTheCheckByteMatches) {
    std::array<uint8_t, 5> id{};
    WriteIdDigits(id.data(), "123456789", 9);
    EXPECT_EQ(id, (std::array<uint8_t, 5>{12, 34, 56, 78, 90}));
    EXPECT_EQ(IdCheckByte(id.data()), 0xF1);
    EXPECT_EQ(IdText(id.data(), 9), "123456789");
    EXPECT_EQ(IdText(id.data(), 10), "1234567890");
    WriteIdDigits(id.data(), "1234-567 890", 10);
    EXPECT_EQ(id, (std::array<uint8_t, 5>{12, 34, 56, 78, 90}));
}

TEST(IdCodec, AWrongNumberOfDigitsEmptiesTheIdentity) {
    for (const char* input : {"12345678", "1234567890", "", "abc"}) {
        std::array<uint8_t, 5> id{1, 2, 3, 4, 5};
        WriteIdDigits(id.data(), input, 9);
        EXPECT_TRUE(IsIdEmpty(id.data())) << input;
        EXPECT_EQ(id, (std::array<uint8_t, 5>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
        EXPECT_EQ(IdCheckByte(id.data()), 0xFF);
        EXPECT_EQ(IdText(id.data(), 9), "");
    }
    const std::array<uint8_t, 5> oneBadByte{1, 2, 100, 4, 5};
    EXPECT_TRUE(IsIdEmpty(oneBadByte.data()));
}

TEST(UtcOffsetCodec, TextsAndCommits) {
    EXPECT_EQ(FormatUtcOffset(0), "0:00");
    EXPECT_EQ(FormatUtcOffset(330), "+5:30");
    EXPECT_EQ(FormatUtcOffset(-180), "-3:00");
    EXPECT_EQ(FormatUtcOffset(-840), "-14:00");
    const struct {
        const char* input;
        std::optional<int32_t> minutes;
    } cases[] = {
        {"-5:30", -330},
        {"+5:30", 330},
        {"5", 300},
        {"14:00", 840},
        {":45", 45},
        {"3:", 180},
        {"14:01", std::nullopt},
        {"3:60", std::nullopt},
        {"930", std::nullopt},
        {"123456", std::nullopt},
        {"1:2:3", std::nullopt},
        {"-0:30 h", -30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseUtcOffset(c.input), c.minutes) << c.input;
}

TEST(FrequencyCodec, CommitsCompleteToTheRasterWithinTheTypedPrecision) {
    const struct {
        const char* input;
        int32_t hertz;
    } cases[] = {
        {"156.8", 156800000}, {"156.01", 156012500},   {"156.0101", -1},         {"99", 100000000},
        {"250", 199990000},   {"199.99", 199990000},   {"156.00625", 156006250}, {"156.003", -1},
        {"MHz", 0},           {"156.0125", 156012500}, {"161.975", 161975000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFrequency(c.input), c.hertz) << c.input;
}

TEST(FrequencyCodec, TextShowsFiveDecimals) {
    EXPECT_EQ(FormatFrequency(156800000), "156.80000");
    EXPECT_EQ(FormatFrequency(156012500), "156.01250");
    EXPECT_EQ(FormatFrequency(100000000), "100.00000");
}

TEST(PositionCodec, CellTextsAndHemispheres) {
    const struct {
        int32_t value;
        clsAxis axis;
        std::string text;
    } cases[] = {
        {-1, clsAxis::Latitude, std::string("00") + kDeg + "00.0001'S"},
        {0, clsAxis::Latitude, std::string("00") + kDeg + "00.0000'N"},
        {0, clsAxis::Longitude, std::string("000") + kDeg + "00.0000'W"},
        {1, clsAxis::Longitude, std::string("000") + kDeg + "00.0001'E"},
        {35 * 600000 + 41 * 10000 + 2345, clsAxis::Latitude,
         std::string("35") + kDeg + "41.2345'N"},
        {-(139 * 600000 + 45 * 10000 + 6789), clsAxis::Longitude,
         std::string("139") + kDeg + "45.6789'W"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPosition(c.value, c.axis), c.text) << c.value;
        const std::string dialog = PositionDialogText(c.value, c.axis);
        EXPECT_EQ(dialog.size(), 13u);
        EXPECT_EQ(ParsePositionDialogText(dialog, c.axis),
                  c.value == 0 && c.axis == clsAxis::Longitude ? std::optional<int32_t>(0)
                                                               : std::optional<int32_t>(c.value));
    }
    EXPECT_EQ(ParsePositionDialogText(std::string(" 12") + kDeg + "30.5000'S", clsAxis::Latitude),
              -(12 * 600000 + 30 * 10000 + 5000));
    EXPECT_EQ(ParsePositionDialogText("short", clsAxis::Latitude), std::nullopt);
}

TEST(HexByteCodec, TwoDigitTextsAndOneOrTwoDigitEntries) {
    EXPECT_EQ(FormatHexByte(0x0A), "0A");
    EXPECT_EQ(FormatHexByte(0xFF), "FF");
    EXPECT_EQ(ParseHexByte("F"), 0x0F);
    EXPECT_EQ(ParseHexByte("a5"), 0xA5);
    EXPECT_EQ(ParseHexByte("100"), std::nullopt);
    EXPECT_EQ(ParseHexByte("G"), std::nullopt);
    EXPECT_EQ(ParseHexByte(""), std::nullopt);
}

TEST(NumberCodec, CommitsRoundClampAndStepToMultiples) {
    const clsNumberRange horn{200, 700, 0, 50};
    const clsNumberRange tot{0, 600};
    const clsNumberRange remote{0, 68, 1};
    const struct {
        const char* input;
        const clsNumberRange& range;
        int32_t value;
        bool changed;
    } cases[] = {
        {"625", horn, 650, true}, {"100", horn, 200, true}, {"624.4", horn, 600, true},
        {"-5", tot, 0, true},     {"2.5", tot, 3, true},    {"700", tot, 600, true},
        {"", tot, 0, false},      {"", horn, 200, false},   {"69", remote, 68, true},
        {"1", remote, 0, true},
    };
    for (const auto& c : cases) {
        const clsNumberInput result = ParseNumberInput(c.input, c.range);
        EXPECT_EQ(result.value, c.value) << c.input;
        EXPECT_EQ(result.changed, c.changed) << c.input;
    }
}

TEST(NumberCodec, StepsWrapAndTruncateToTheStep) {
    const clsNumberRange tot{0, 600};
    EXPECT_EQ(StepNumber(600, 1, tot), 0);
    EXPECT_EQ(StepNumber(0, -1, tot), 600);
    const clsNumberRange horn{200, 700, 0, 50};
    EXPECT_EQ(StepNumber(700, 1, horn), 200);
    EXPECT_EQ(StepNumber(200, -1, horn), 700);
    EXPECT_EQ(StepNumber(230, 1, horn), 250);
}

}  // namespace
