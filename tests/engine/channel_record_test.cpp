#include "model/channel_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class ChannelRecord : public ::testing::Test {
protected:
    void SetUp() override { image.SetSize(kImageSize); }

    std::string Bytes(int32_t address, int32_t count) {
        std::string text;
        for (int32_t i = 0; i < count; ++i)
            text += static_cast<char>(image.GetByte(address + i));
        return text;
    }
    void PutBytes(int32_t address, const std::string& bytes) {
        for (size_t i = 0; i < bytes.size(); ++i)
            image.SetByte(address + static_cast<int32_t>(i), static_cast<uint8_t>(bytes[i]));
    }
    int32_t Word(int32_t address) {
        return image.GetByte(address) | image.GetByte(address + 1) << 8;
    }

    cmcEeprom image;
    datCh record{&image};
};

TEST_F(ChannelRecord, BankFlagBitsMapToChannelFlagsInEachBank) {
    const struct {
        clsRecordGroup group;
        int32_t flagTable;
    } banks[] = {{clsRecordGroup::UsaCh, 0x02F0},
                 {clsRecordGroup::IntCh, 0x04B0},
                 {clsRecordGroup::CanCh, 0x0670}};
    const struct {
        uint8_t byte;
        uint8_t flags;
    } bits[] = {{0x80, datCh::kInhibited}, {0x40, datCh::kTag},     {0x04, datCh::kTxInhibit},
                {0x20, datCh::kPower},     {0x02, datCh::kSimplex}, {0x19, 0}};
    for (const auto& bank : banks) {
        for (const auto& bit : bits) {
            image.Fill(0);
            image.SetByte(bank.flagTable + 3, bit.byte);
            record.LoadRecord(bank.group, 3);
            EXPECT_EQ(record.channelFlags, bit.flags) << int(bit.byte);
        }
    }
}

TEST_F(ChannelRecord, BankStoreKeepsTheBitsItDoesNotOwn) {
    image.SetByte(0x04B0 + 6, 0x19 | 0x80);
    record.LoadRecord(clsRecordGroup::IntCh, 6);
    record.channelFlags = datCh::kTag | datCh::kPower;
    record.StoreRecord();
    EXPECT_EQ(image.GetByte(0x04B0 + 6), 0x19 | 0x40 | 0x20);
}

TEST_F(ChannelRecord, SuffixedChannelsAreAlwaysSimplex) {
    record.LoadRecord(clsRecordGroup::IntCh, 67);  // channel 22, first suffix
    EXPECT_TRUE(record.channelFlags & datCh::kSimplex);
    record.channelFlags = 0;
    record.StoreRecord();
    EXPECT_EQ(image.GetByte(0x04B0 + 67), 0x02);
    record.LoadRecord(clsRecordGroup::IntCh, 66);  // channel 22 itself
    EXPECT_FALSE(record.channelFlags & datCh::kSimplex);
    record.LoadRecord(clsRecordGroup::IntCh, 352);  // free channel: not forced
    EXPECT_FALSE(record.channelFlags & datCh::kSimplex);
}

TEST_F(ChannelRecord, PAndCMarkersReadAndWriteTheBankWords) {
    record.LoadRecord(clsRecordGroup::UsaCh, 48);
    EXPECT_EQ(record.markers, 0);
    record.markers = datCh::kMarkerP;
    record.StoreRecord();
    EXPECT_EQ(Word(0x0B92), 48);
    record.LoadRecord(clsRecordGroup::CanCh, 300);
    record.markers = datCh::kMarkerC;
    record.StoreRecord();
    EXPECT_EQ(Word(0x0A90 + 4), 300);
    record.LoadRecord(clsRecordGroup::CanCh, 300);
    EXPECT_EQ(record.markers, datCh::kMarkerC);
    record.markers = 0;  // clearing a marker writes nothing
    record.StoreRecord();
    EXPECT_EQ(Word(0x0A90 + 4), 300);
    record.LoadRecord(clsRecordGroup::UsaCh, 48);
    EXPECT_EQ(record.markers, datCh::kMarkerP);
    record.LoadRecord(clsRecordGroup::IntCh, 48);
    EXPECT_EQ(record.markers, 0);
}

TEST_F(ChannelRecord, BanksShareTheirNamesAndDscChannelsMapIntoThem) {
    record.LoadRecord(clsRecordGroup::IntCh, 9);
    std::memcpy(record.name, "HARBOUR   ", 10);
    record.StoreRecord();
    EXPECT_EQ(Bytes(0x0F10 + 90, 10), "HARBOUR   ");
    record.LoadRecord(clsRecordGroup::UsaCh, 9);
    EXPECT_EQ(std::string(record.name, record.name + 10), "HARBOUR   ");
    // DSC rows 0-83 are bank rows 3-86, rows from 84 (channel 60) bank rows from 180.
    const struct {
        int32_t dscRow;
        int32_t bankRow;
    } cases[] = {{0, 3}, {83, 86}, {84, 180}, {170, 266}};
    for (const auto& c : cases) {
        const std::string name = "ROW " + std::to_string(c.bankRow + 1000);  // ten bytes
        PutBytes(0x0F10 + 10 * c.bankRow, name + "  ");
        record.LoadRecord(clsRecordGroup::DscCh, c.dscRow);
        EXPECT_EQ(std::string(record.name, record.name + 10), name + "  ");
    }
}

TEST_F(ChannelRecord, DscChannelsIgnoreTheTagBit) {
    image.SetByte(0x2020 + 5, 0x40 | 0x80);
    record.LoadRecord(clsRecordGroup::DscCh, 5);
    EXPECT_EQ(record.channelFlags, datCh::kInhibited);
    record.channelFlags = datCh::kTag | datCh::kPower;
    record.StoreRecord();
    EXPECT_EQ(image.GetByte(0x2020 + 5), 0x40 | 0x20);
    record.LoadRecord(clsRecordGroup::DscCh, 1);  // no forced simplex
    EXPECT_EQ(record.channelFlags, 0);
}

TEST_F(ChannelRecord, WeatherInhibitIsOneBitOfAWord) {
    image.SetByte(0x0B91, 0x02);
    record.LoadRecord(clsRecordGroup::WxCh, 9);
    EXPECT_EQ(record.channelFlags, datCh::kInhibited);
    record.LoadRecord(clsRecordGroup::WxCh, 0);
    record.channelFlags = datCh::kInhibited;
    record.StoreRecord();
    EXPECT_EQ(Word(0x0B90), 0x0201);
}

TEST_F(ChannelRecord, FreeChannelFrequenciesUseStepsAndSetSimplexInAllBanks) {
    record.LoadRecord(clsRecordGroup::FreeCh, 2);
    record.rxFrequency = 156800000;
    record.txFrequency = 156800000;
    record.freeName[0] = 'A';
    record.freeName[1] = 'B';
    record.freeName[2] = 'A';
    image.SetByte(0x0830 + 16 + 7, 0x33);
    record.StoreRecord();
    EXPECT_EQ(Word(0x0830 + 16), (156800000 - 21700000) / 12500);
    EXPECT_EQ(Word(0x0830 + 18), 156800000 / 12500);
    EXPECT_EQ(Bytes(0x0830 + 20, 3), "ABA");
    EXPECT_EQ(image.GetByte(0x0830 + 23), 0x00);  // both wide, spare bits cleared
    for (const int32_t table : {0x02F0, 0x04B0, 0x0670})
        EXPECT_EQ(image.GetByte(table + 353), 0x02);

    record.LoadRecord(clsRecordGroup::FreeCh, 2);
    EXPECT_EQ(record.rxFrequency, 156800000);
    EXPECT_EQ(record.txFrequency, 156800000);
    record.txFrequency = 161406250;  // narrow raster only
    record.StoreRecord();
    EXPECT_EQ(image.GetByte(0x0830 + 23), 0x02);
    EXPECT_EQ(Word(0x0830 + 18), 161406250 / 6250);
    for (const int32_t table : {0x02F0, 0x04B0, 0x0670})
        EXPECT_EQ(image.GetByte(table + 353), 0x00);
    record.LoadRecord(clsRecordGroup::FreeCh, 2);
    EXPECT_EQ(record.txFrequency, 161406250);

    record.LoadRecord(clsRecordGroup::IntCh, 353);  // the bank row shows the free channel's name
    EXPECT_EQ(std::string(record.freeName, record.freeName + 3), "ABA");
}

TEST_F(ChannelRecord, DscIdAddressTypeFollowsTheIdUnlessItBeginsWithZero) {
    const struct {
        uint8_t first;
        uint8_t storedType;
        int32_t type;
        uint8_t derived;
    } cases[] = {{23, 7, 0, datCh::kTypeFromId}, {5, 7, 1, datCh::kTypeFromId}, {0, 7, 7, 0}};
    for (const auto& c : cases) {
        PutBytes(0x22E0 + 16 * 4, std::string{char(c.first), 1, 2, 3, 4} + "SHIP      ");
        image.SetByte(0x22E0 + 16 * 4 + 15, c.storedType);
        record.LoadRecord(clsRecordGroup::DscIndId, 4);
        EXPECT_TRUE(record.IsInUse());
        EXPECT_EQ(record.addressType, c.type);
        EXPECT_EQ(record.derived, c.derived);
    }
}

TEST_F(ChannelRecord, DscIdEmptyRecordsLoadAndStoreAsFFAndBlanks) {
    PutBytes(0x22E0, std::string{1, 2, char(100), 4, 5} + "LOST NAME ");
    record.LoadRecord(clsRecordGroup::DscIndId, 0);
    EXPECT_FALSE(record.IsInUse());
    EXPECT_EQ(record.addressType, datCh::kNoAddressType);
    record.StoreRecord();
    EXPECT_EQ(Bytes(0x22E0, 16), std::string(5, char(0xFF)) + std::string(10, ' ') + char(0xFF));

    // A used record: the tenth digit is forced to 0 and type 255 becomes 0.
    PutBytes(0x22E0 + 16, std::string{0, 12, 34, 56, 79});
    image.SetByte(0x22E0 + 16 + 15, 255);
    record.LoadRecord(clsRecordGroup::DscIndId, 1);
    record.StoreRecord();
    EXPECT_EQ(Bytes(0x22E0 + 16, 5), (std::string{0, 12, 34, 56, 70}));
    EXPECT_EQ(image.GetByte(0x22E0 + 16 + 15), 0);
}

TEST_F(ChannelRecord, WaypointsInUseAndTheManOverboardName) {
    image.SetByte(0x4160, 0xFF);
    record.LoadRecord(clsRecordGroup::Waypoint, 0);
    EXPECT_FALSE(record.IsInUse());
    record.latitude = 123;
    record.StoreRecord();  // not in use: FF name, zero positions
    EXPECT_EQ(Bytes(0x4160, 20), std::string(10, char(0xFF)) + std::string(10, '\0'));

    record.LoadRecord(clsRecordGroup::Waypoint, 50);
    std::memset(record.waypointName, 0xFF, 10);
    record.latitude = -1;
    record.longitude = -(139 * 600000);
    record.StoreRecord();
    EXPECT_EQ(Bytes(0x4160 + 1000, 10), "MOB       ");
    record.LoadRecord(clsRecordGroup::Waypoint, 50);
    EXPECT_EQ(record.latitude, -1);
    EXPECT_EQ(record.longitude, -(139 * 600000));

    record.LoadRecord(clsRecordGroup::Waypoint, 7);
    std::memset(record.waypointName, 0xFF, 10);
    record.StoreRecord();
    EXPECT_EQ(Bytes(0x4160 + 140, 10), std::string(10, ' '));
}

TEST_F(ChannelRecord, AnIndexOutsideTheGroupStoresNothing) {
    image.Fill(0x5A);
    for (const auto group :
         {clsRecordGroup::IntCh, clsRecordGroup::WxCh, clsRecordGroup::Waypoint}) {
        record.LoadRecord(group, RecordCount(group));
        EXPECT_EQ(record.group, clsRecordGroup::None);
        record.StoreRecord();
        record.LoadRecord(group, -1);
        record.StoreRecord();
    }
    for (int32_t address = 0; address < kImageSize; ++address)
        ASSERT_EQ(image.GetByte(address), 0x5A);
}

}  // namespace
