#include "model/eeprom.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "support/fatal_trap.h"

namespace {

void MakeRadioImage(cmcEeprom& image) {
    image.SetSize(kImageSize);
    image.Fill(0);
}

TEST(Eeprom, SetSizeClearsEveryByteEvenWhenTheSizeIsUnchanged) {
    cmcEeprom image;
    EXPECT_EQ(image.GetSize(), 0);
    MakeRadioImage(image);
    image.Fill(0x5A);
    image.SetSize(kImageSize);
    for (int32_t address = 0; address < kImageSize; ++address)
        ASSERT_EQ(image.GetByte(address), 0);
    image.SetSize(-1);
    EXPECT_EQ(image.GetSize(), 0);
}

TEST(Eeprom, ValidAddressesAreZeroToSizeMinusOne) {
    cmcEeprom image;
    MakeRadioImage(image);
    EXPECT_FALSE(image.IsValidAddress(-1));
    EXPECT_TRUE(image.IsValidAddress(0));
    EXPECT_TRUE(image.IsValidAddress(18223));
    EXPECT_FALSE(image.IsValidAddress(18224));
}

TEST(Eeprom, BlockCopiesIgnoreRequestsThatLeaveTheImage) {
    cmcEeprom image;
    MakeRadioImage(image);
    const std::array<uint8_t, 8> source{1, 2, 3, 4, 5, 6, 7, 8};

    image.WriteBlock(18220, source.data(), 8);
    for (int32_t address = 18210; address < kImageSize; ++address)
        EXPECT_EQ(image.GetByte(address), 0);
    image.WriteBlock(-1, source.data(), 8);
    EXPECT_EQ(image.GetByte(0), 0);
    image.WriteBlock(0, source.data(), INT32_MAX);
    EXPECT_EQ(image.GetByte(0), 0);

    image.WriteBlock(18216, source.data(), 8);
    EXPECT_EQ(image.GetByte(18216), 1);
    EXPECT_EQ(image.GetByte(18223), 8);

    std::array<uint8_t, 8> destination{};
    destination.fill(0xEE);
    image.ReadBlock(18216, destination.data(), 0);
    image.ReadBlock(-1, destination.data(), 8);
    image.ReadBlock(18217, destination.data(), 8);
    EXPECT_EQ(destination[0], 0xEE);
    image.ReadBlock(18216, destination.data(), 8);
    EXPECT_EQ(destination, source);
}

TEST(Eeprom, AssignCopiesSizeAndBytesAndEqualsComparesBoth) {
    cmcEeprom radio;
    MakeRadioImage(radio);
    radio.SetByte(0x0EEA, 2);
    cmcEeprom small;
    small.SetSize(16);

    cmcEeprom copy;
    copy.Assign(small);
    EXPECT_EQ(copy.GetSize(), 16);
    copy.Assign(radio);
    EXPECT_EQ(copy.GetSize(), kImageSize);
    EXPECT_TRUE(copy.Equals(radio));
    EXPECT_FALSE(copy.Differs(radio));
    copy.SetByte(kImageSize - 1, 1);
    EXPECT_TRUE(copy.Differs(radio));

    cmcEeprom prefix;
    prefix.SetSize(kImageSize - 1);
    radio.SetByte(0x0EEA, 0);
    EXPECT_FALSE(prefix.Equals(radio));  // a zero prefix of a zero image is still another size

    cmcEeprom empty, other_empty;
    EXPECT_TRUE(empty.Equals(other_empty));
    copy.Assign(empty);
    EXPECT_EQ(copy.GetSize(), 0);
}

TEST(Eeprom, AddressesOutsideTheImageAreFatal) {
    cmcEeprom image;
    MakeRadioImage(image);
    EXPECT_EQ(CatchFatal([&] { image.GetByte(18224); }), "Out of EEPROM image address (GetByte).");
    EXPECT_EQ(CatchFatal([&] { image.SetByte(-1, 0); }), "Out of EEPROM image address (SetByte).");
}

}  // namespace
