#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/whole_number.h"

namespace {

struct NumberCase {
    const char* text;
    std::optional<int32_t> value;
};

// Every way a text may carry more, less or other than one number.
constexpr NumberCase kCases[] = {
    {"9", 9},
    {"0", 0},
    {"-12", -12},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"2147483648", std::nullopt},
    {"4294967305", std::nullopt},  // 2^32 + 9: must not wrap to 9
    {"999999999999", std::nullopt},
    {"9abc", std::nullopt},
    {" 9", std::nullopt},
    {"9 ", std::nullopt},
    {"+9", std::nullopt},
    {"1e3", std::nullopt},
    {"0x10", std::nullopt},
    {"", std::nullopt},
    {"-", std::nullopt},
    {"abc", std::nullopt},
};

TEST(WholeNumber, TakesOnlyAWholeDecimalTextWithinTheRange) {
    for (const NumberCase& c : kCases) {
        EXPECT_EQ(ParseWholeNumber<int32_t>(c.text), c.value) << "'" << c.text << "'";
    }
}

TEST(WholeNumber, RangeIsTheTargetTypes) {
    EXPECT_EQ(ParseWholeNumber<uint8_t>("255"), uint8_t{255});
    EXPECT_EQ(ParseWholeNumber<uint8_t>("256"), std::nullopt);
    EXPECT_EQ(ParseWholeNumber<uint32_t>("-1"), std::nullopt);
    EXPECT_EQ(ParseWholeNumber<int64_t>("4294967305"), int64_t{4294967305});
}

TEST(WholeNumber, StopsAtTheEndOfTheViewNotAtATerminator) {
    const std::string text = "1234";
    EXPECT_EQ(ParseWholeNumber<int32_t>(std::string_view(text).substr(0, 2)), 12);
}

}  // namespace
