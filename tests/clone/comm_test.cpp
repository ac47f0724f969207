#include "clone/comm.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "support/fake_serial.h"
#include "support/manual_scheduler.h"

namespace {

class CommTest : public testing::Test {
protected:
    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    cmcComm m_comm{m_serial, m_scheduler};
};

TEST_F(CommTest, OpenAppliesTheSettingsAndRefusesASecondOpen) {
    ASSERT_TRUE(m_comm.Open(3, "38400,N,8,1"));
    EXPECT_TRUE(m_comm.IsOpen());
    EXPECT_EQ(m_comm.PortNumber(), 3);
    ASSERT_EQ(m_serial.opens.size(), 1u);
    const datLineSettings& line = m_serial.opens[0].settings;
    EXPECT_EQ(line.baud, 38400u);
    EXPECT_EQ(line.dataBits, 8);
    EXPECT_EQ(line.parity, 0);
    EXPECT_EQ(line.stopBits, 0);
    EXPECT_EQ(line.flags1, 0x81);  // raw, no parity check, no flow control, DTR off
    EXPECT_EQ(line.flags2, 0x10);  // RTS on, no XON/XOFF
    EXPECT_EQ(line.eofChar, 0xFD);
    EXPECT_EQ(line.eventChar, 0xFE);

    EXPECT_FALSE(m_comm.Open(4, "9600,N,8,1"));
    EXPECT_TRUE(m_comm.IsOpen());
    EXPECT_EQ(m_comm.PortNumber(), 3);
    EXPECT_EQ(m_comm.LineSettings().baud, 38400u);
    EXPECT_EQ(m_serial.opens.size(), 1u);
}

TEST_F(CommTest, SettingsTextFieldsFollowTheirRules) {
    struct Case {
        const char* text;
        uint32_t baud;
        uint8_t dataBits;
        uint8_t stopBits;
        uint8_t parity;
        bool parityCheck;
    };
    const Case cases[] = {
        {"9600,n,8,1", 9600, 8, 0, 0, false},  {"9600,N,9,1.5", 9600, 8, 1, 0, false},
        {"9600,N,3,2", 9600, 4, 2, 0, false},  {"9600,N,7,1.50", 9600, 7, 0, 0, false},
        {"19200,E,7,1", 19200, 7, 0, 2, true}, {"4800,o,8,2", 4800, 8, 2, 1, true},
        {"9600,X,8,1", 9600, 8, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(m_comm.Open(1, c.text));
        const datLineSettings& line = m_comm.LineSettings();
        EXPECT_EQ(line.baud, c.baud);
        EXPECT_EQ(line.dataBits, c.dataBits);
        EXPECT_EQ(line.stopBits, c.stopBits);
        EXPECT_EQ(line.parity, c.parity);
        EXPECT_EQ((line.flags1 & kLineParityCheck) != 0, c.parityCheck);
        m_comm.Close();
    }
    for (const char* bad : {"9600,N,8", "", "0,N,8,1", "fast,N,8,1"}) {
        EXPECT_FALSE(m_comm.Open(1, bad)) << bad;
        EXPECT_FALSE(m_comm.IsOpen());
        EXPECT_EQ(m_comm.OpenProblem().kind, PortProblem::kSetup);
    }
}

TEST_F(CommTest, SendPumpsChunksOf1024OnlyIntoAnEmptyTransmitQueue) {
    m_serial.paced = true;
    ASSERT_TRUE(m_comm.Open(1, "38400,N,8,1"));
    std::vector<uint8_t> bytes(2500);
    std::iota(bytes.begin(), bytes.end(), 0);
    m_comm.Send(bytes.data(), static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(m_serial.writes, (std::vector<int32_t>{1024}));  // the first chunk at once
    EXPECT_EQ(m_comm.PendingOutput(), 2500);

    // Until the last byte is on the wire, something is pending.
    for (;;) {
        const int32_t pending = m_comm.PendingOutput();
        if (m_serial.wire.size() == bytes.size()) break;
        ASSERT_GT(pending, 0) << m_serial.wire.size() << " bytes on the wire";
        ASSERT_LT(m_scheduler.Elapsed(), 10000u);
        m_scheduler.Advance(1);
    }
    EXPECT_EQ(m_comm.PendingOutput(), 0);
    EXPECT_EQ(m_serial.writes, (std::vector<int32_t>{1024, 1024, 452}));
    EXPECT_EQ(m_serial.queueAtWrite, (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(m_serial.wire, bytes);
    // 2500 bytes at 3840 bytes per second, plus at most one pump period per chunk.
    EXPECT_GE(m_scheduler.Elapsed(), 651u);
    EXPECT_LE(m_scheduler.Elapsed(), 651u + 3 * kPumpDrainIntervalMs);
    EXPECT_FALSE(m_comm.WriteFailed());
}

TEST_F(CommTest, AShortWriteSetsTheFlagUntilClose) {
    m_serial.writeLimit = 10;
    ASSERT_TRUE(m_comm.Open(1, "9600,N,8,1"));
    const std::vector<uint8_t> bytes(100, 0xFE);
    m_comm.Send(bytes.data(), 100);
    EXPECT_TRUE(m_comm.WriteFailed());
    m_scheduler.Advance(100);
    EXPECT_EQ(m_serial.writes.size(), 1u);  // the pump stopped
    m_comm.Close();
    EXPECT_FALSE(m_comm.WriteFailed());
    EXPECT_EQ(m_comm.PendingOutput(), 0);
}

TEST_F(CommTest, AClosedPortDoesNothing) {
    uint8_t buffer[8] = {};
    m_comm.Send(buffer, 8);
    m_serial.Deliver({1, 2, 3});
    EXPECT_EQ(m_comm.Read(buffer, 8), 0);
    EXPECT_EQ(m_comm.InQueueCount(), 0);
    EXPECT_EQ(m_comm.OutQueueCount(), 0);
    EXPECT_EQ(m_comm.PendingOutput(), 0);
    EXPECT_TRUE(m_serial.writes.empty());
    m_comm.Close();
    EXPECT_FALSE(m_comm.IsOpen());

    m_serial.portExists = false;
    EXPECT_FALSE(m_comm.Open(7, "9600,N,8,1"));
    EXPECT_EQ(m_comm.OpenProblem().kind, PortProblem::kNoDevice);
    EXPECT_EQ(m_comm.OpenProblem().port, 7);
}

TEST_F(CommTest, ReadTakesWhatHasArrivedWithoutWaiting) {
    m_serial.echo = false;
    ASSERT_TRUE(m_comm.Open(1, "9600,N,8,1"));
    m_serial.Deliver({0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD});
    EXPECT_EQ(m_comm.InQueueCount(), 7);
    uint8_t buffer[4] = {};
    EXPECT_EQ(m_comm.Read(buffer, 4), 4);
    EXPECT_EQ(buffer[3], 0xEE);
    uint8_t rest[16] = {};
    EXPECT_EQ(m_comm.Read(rest, 16), 3);
    EXPECT_EQ(m_comm.Read(rest, 16), 0);
}

}  // namespace
