#include "base/buff.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/fatal_trap.h"

namespace {

std::vector<uint8_t> Contents(const cmcBuff& buffer) {
    return std::vector<uint8_t>(buffer.Data(), buffer.Data() + buffer.Size());
}

TEST(Buff, StartsEmptyWithAOneByteBlock) {
    cmcBuff buffer;
    EXPECT_EQ(buffer.Size(), 0);
    EXPECT_EQ(buffer.Capacity(), 1);
    EXPECT_EQ(buffer.PopFront(), -1);
}

TEST(Buff, GrowsByAQuarterOfTheCurrentSizeAndFillsNewSpaceWithZero) {
    cmcBuff buffer;
    EXPECT_EQ(buffer.Resize(8), 8);
    EXPECT_EQ(buffer.Capacity(), 8);  // 8 + 0 / 4
    for (int32_t i = 0; i < 8; ++i)
        buffer.At(i) = static_cast<uint8_t>(0xA0 + i);

    buffer.Resize(20);
    EXPECT_EQ(buffer.Capacity(), 22);  // 20 + 8 / 4
    for (int32_t i = 0; i < 8; ++i)
        EXPECT_EQ(buffer.Data()[i], 0xA0 + i);
    for (int32_t i = 8; i < 22; ++i)
        EXPECT_EQ(buffer.Data()[i], 0) << i;

    // Within the capacity the block keeps its bytes: shrinking and growing again shows them.
    buffer.At(19) = 0x55;
    buffer.Resize(4);
    buffer.Resize(21);
    EXPECT_EQ(buffer.Capacity(), 22);
    EXPECT_EQ(buffer.At(19), 0x55);
    EXPECT_EQ(buffer.At(5), 0xA5);
}

TEST(Buff, AppendingOneByteAtATimeFollowsTheGrowthRule) {
    cmcBuff buffer;
    std::vector<int32_t> capacities;
    for (int i = 0; i < 10; ++i) {
        buffer.AppendByte(static_cast<uint8_t>(i));
        capacities.push_back(buffer.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int32_t>{1, 2, 3, 4, 6, 6, 8, 8, 11, 11}));
    EXPECT_EQ(Contents(buffer), (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Buff, PopFrontCompactsOnceMoreThan4096BytesWereRemoved) {
    cmcBuff buffer;
    buffer.Resize(6000);
    for (int32_t i = 0; i < 6000; ++i)
        buffer.At(i) = static_cast<uint8_t>(i * 7);

    for (int32_t i = 0; i < 4096; ++i)
        ASSERT_EQ(buffer.PopFront(), static_cast<uint8_t>(i * 7));
    EXPECT_EQ(buffer.Removed(), 4096);
    EXPECT_EQ(buffer.Capacity(), 6000 - 4096);

    EXPECT_EQ(buffer.PopFront(), static_cast<uint8_t>(4096 * 7));  // the 4097th: compacts
    EXPECT_EQ(buffer.Removed(), 0);
    EXPECT_EQ(buffer.Capacity(), 1903);

    for (int32_t i = 4097; i < 5000; ++i)
        ASSERT_EQ(buffer.PopFront(), static_cast<uint8_t>(i * 7));
    EXPECT_EQ(buffer.Size(), 1000);
    EXPECT_EQ(buffer.Removed(), 903);  // no second compaction
    EXPECT_EQ(buffer.Capacity(), 1000);
    for (int32_t i = 0; i < 1000; ++i)
        ASSERT_EQ(buffer.At(i), static_cast<uint8_t>((5000 + i) * 7));
}

TEST(Buff, DropFrontRemovesLikeRepeatedPopFront) {
    cmcBuff buffer;
    const uint8_t bytes[] = {1, 2, 3, 4, 5};
    buffer.Assign(bytes, 5);
    buffer.DropFront(2);
    EXPECT_EQ(Contents(buffer), (std::vector<uint8_t>{3, 4, 5}));
    EXPECT_EQ(buffer.Removed(), 2);
    buffer.DropFront(9);
    EXPECT_EQ(buffer.Size(), 0);
    EXPECT_EQ(buffer.PopFront(), -1);

    cmcBuff big;
    big.AppendFill(0xFE, 5000);
    big.DropFront(4097);
    EXPECT_EQ(big.Removed(), 0);
    EXPECT_EQ(big.Capacity(), 903);
}

TEST(Buff, CompactLeavesExactlyTheElements) {
    cmcBuff buffer;
    buffer.AppendFill(0xFE, 12);
    buffer.AppendByte(0xFD);
    buffer.PopFront();
    buffer.Compact();
    EXPECT_EQ(buffer.Capacity(), 12);
    EXPECT_EQ(buffer.Removed(), 0);
    EXPECT_EQ(buffer.At(0), 0xFE);
    EXPECT_EQ(buffer.At(11), 0xFD);

    buffer.Resize(0);
    buffer.Compact();
    EXPECT_EQ(buffer.Capacity(), 1);
}

TEST(Buff, AssignAppendAndCopyMakeIndependentCopies) {
    cmcBuff first;
    const uint8_t bytes[] = {0xFE, 0xFE, 0xEE, 0xEF};
    first.Assign(bytes, 4);
    cmcBuff second(first);
    second.Append(first);
    second.Append(second);  // from its own block
    EXPECT_EQ(second.Size(), 16);
    EXPECT_EQ(second.At(15), 0xEF);
    EXPECT_EQ(second.Capacity(), 18);  // 16 + 8 / 4
    second.At(0) = 0;
    EXPECT_EQ(first.At(0), 0xFE);

    first = second;
    EXPECT_EQ(Contents(first), Contents(second));
    first.Assign(first.Data() + 12, 4);  // from its own block
    EXPECT_EQ(Contents(first), (std::vector<uint8_t>{0xFE, 0xFE, 0xEE, 0xEF}));

    first.Reset();
    EXPECT_EQ(first.Size(), 0);
    EXPECT_EQ(first.Capacity(), 1);
}

TEST(Buff, IndexOutsideTheElementsIsFatal) {
    cmcBuff buffer;
    buffer.AppendFill(7, 3);
    const cmcBuff& view = buffer;
    EXPECT_EQ(CatchFatal([&] { buffer.At(3); }), "Out of cmcBuff element !");
    EXPECT_EQ(CatchFatal([&] { view.At(-1); }), "Out of cmcBuff element !");
    EXPECT_EQ(CatchFatal([&] { EXPECT_EQ(view.At(2), 7); }), std::nullopt);
    // The block's spare capacity is not an element either.
    buffer.Resize(2);
    EXPECT_EQ(CatchFatal([&] { buffer.At(2); }), "Out of cmcBuff element !");
}

}  // namespace
