#include "dialogs/bit_field.h"

#include <gtest/gtest.h>

#include "model/cell_call.h"

namespace {

// The hexadecimal byte cells hand their byte over shifted left by 18 bits.
constexpr int32_t kByteShift = 18;

uint32_t ByteValue(uint8_t byte) {
    return static_cast<uint32_t>(byte) << kByteShift;
}

TEST(BitField, CellsOneToEightShowTheBitsOfTheByteFromTheTop) {
    const cuiBitField field(ByteValue(0xA5));  // 1010 0101
    const bool expected[8] = {true, false, true, false, false, true, false, true};
    for (int32_t index = 1; index <= 8; ++index)
        EXPECT_EQ(field.IsSet(index), expected[index - 1]) << index;
    EXPECT_FALSE(field.IsSet(0));
    EXPECT_FALSE(field.IsSet(9));
}

TEST(BitField, TogglingBitSevenOfAByteCommitsItsNewValue) {
    cuiBitField field(ByteValue(0x05));
    const clsBitCellAnswer answer = field.Request(1, clsKey::kSpace, clsBitMark::Letter);
    EXPECT_TRUE(answer.toggled);
    EXPECT_EQ(answer.text, "o");
    EXPECT_EQ(field.Value() >> kByteShift, 0x85u);
    EXPECT_EQ(field.CommitText(), "34865152");  // 0x85 << 18
    field.Request(1, clsKey::kDoubleClick, clsBitMark::Letter);
    EXPECT_EQ(field.CommitText(), "1310720");  // back to 0x05 << 18
}

TEST(BitField, OnlySpaceAndDoubleClickToggle) {
    struct Case {
        int32_t code;
        bool toggles;
    };
    const Case cases[] = {{clsKey::kSpace, true},      {clsKey::kDoubleClick, true},
                          {clsKey::kEnter, false},     {clsKey::kNone, false},
                          {clsKey::kBackspace, false}, {'o', false}};
    for (const Case& c : cases) {
        cuiBitField field(0);
        const clsBitCellAnswer answer = field.Request(8, c.code, clsBitMark::Letter);
        EXPECT_EQ(answer.toggled, c.toggles) << c.code;
        EXPECT_EQ(field.Value(), c.toggles ? ByteValue(0x01) : 0u) << c.code;
    }
}

TEST(BitField, ASetBitShowsAsALetterOrACheckMark) {
    cuiBitField field(ByteValue(0x80));
    const clsBitCellAnswer letter = field.Request(1, clsKey::kNone, clsBitMark::Letter);
    EXPECT_EQ(letter.text, "o");
    EXPECT_FALSE(letter.checkMark);
    const clsBitCellAnswer check = field.Request(1, clsKey::kNone, clsBitMark::CheckMark);
    EXPECT_EQ(check.text, "");
    EXPECT_TRUE(check.checkMark);
    const clsBitCellAnswer clear = field.Request(2, clsKey::kNone, clsBitMark::CheckMark);
    EXPECT_EQ(clear.text, "");
    EXPECT_FALSE(clear.checkMark);
}

TEST(BitField, CoversBitsTwentySixToZeroAndNothingElse) {
    cuiBitField field(0);
    field.Toggle(0);   // bit 26
    field.Toggle(26);  // bit 0
    EXPECT_EQ(field.Value(), (1u << 26) | 1u);
    for (const int32_t outside : {-1, 27, 40}) {
        field.Request(outside, clsKey::kSpace, clsBitMark::Letter);
        EXPECT_FALSE(field.IsSet(outside));
    }
    EXPECT_EQ(field.Value(), (1u << 26) | 1u);
    EXPECT_EQ(cuiBitField(0xFFFFFFFFu).CommitText(), "4294967295");  // unsigned, never negative
}

}  // namespace
