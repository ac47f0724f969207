// Clone operations of the driver through the POSIX serial backend, over a pseudo-terminal, against
// the radio simulator.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "clone/clone_driver.h"
#include "clone/clone_ranges.h"
#include "clone/comm.h"
#include "clone/line_profile.h"
#include "model/clone_file.h"
#include "model/eeprom.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/posix_serial.h"
#include "support/radio_sim_process.h"
#include "support/test_paths.h"

namespace {

constexpr int kPort = 9;
constexpr uint32_t kOperationLimitMs = 60000;

uint8_t RadioPattern(int32_t address) {
    return static_cast<uint8_t>(address * 29 + 7);
}
uint8_t ProgramPattern(int32_t address) {
    return static_cast<uint8_t>(address * 3 + 0x41);
}

void FillImage(cmcEeprom& image, uint8_t (*pattern)(int32_t)) {
    image.SetSize(kImageSize);
    for (int32_t address = 0; address < kImageSize; ++address)
        image.SetByte(address, pattern(address));
}

void PrepareCloneFile(cmcClnFile& file, cmcEeprom& image) {
    file.SetImage(image);
    file.SetModelCode(0x3338);
    file.SetSubCode(0x0001);
    file.SetMapRevision(2);
    file.SetMapRevisionCheck([](int32_t revision) { return revision == 2; });
}

bool InRanges(const AddressRange* ranges, int32_t address) {
    for (; !ranges->IsTerminator(); ++ranges)
        if (address >= ranges->first && address <= ranges->last) return true;
    return false;
}

class CloneOverPtyTest : public testing::Test {
protected:
    CloneOverPtyTest() {
        // The radio's memory comes from a clone file, so the test knows every byte of it.
        cmcEeprom image;
        FillImage(image, RadioPattern);
        cmcClnFile file;
        PrepareCloneFile(file, image);
        m_radioFile = (m_folder / "radio.ktv").string();
        EXPECT_EQ(file.Save(m_radioFile, kCloneFileRanges), CloneFileResult::kOk);
        m_writtenFile = (m_folder / "written.ktv").string();
    }

    void StartSim(std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.end(),
                         {"--image", m_radioFile, "--save-written", m_writtenFile});
        m_sim = std::make_unique<RadioSimProcess>(m_folder.path(), kPort, arguments);
        ASSERT_TRUE(m_sim->IsReady()) << m_sim->Log();
    }

    void Configure(bool high) {
        m_driver.SetModel(0x3338, 0);
        m_driver.SetImageSize(kImageSize);
        ConfigureCloneLine(m_driver, kPort, high, 0x3338);
    }

    cmcCloneDrv::Completion Record() {
        return [this](dst_CDrv_Result& result) {
            m_code = result.code;
            m_words = {result.modelWord1, result.modelWord2};
            m_info.assign(result.info.Data(), result.info.Data() + result.info.Size());
            m_image.Assign(result.image);
        };
    }

    // Waits for the operation's end; a hang fails the test instead of holding it.
    void Finish() {
        ASSERT_TRUE(m_loop.RunUntil([&] { return !m_driver.IsBusy(); }, kOperationLimitMs))
            << m_sim->Log();
    }

    CloneResult Info() {
        Configure(false);
        EXPECT_TRUE(m_driver.StartInfo(Record()));
        Finish();
        return m_code;
    }

    CloneResult Read(bool high) {
        Configure(high);
        EXPECT_TRUE(m_driver.StartRead(kCloneReadRanges, Record()));
        Finish();
        return m_code;
    }

    CloneResult Write(const cmcEeprom& image, const AddressRange* ranges, bool high) {
        Configure(high);
        EXPECT_TRUE(m_driver.StartWrite(image, ranges, Record()));
        Finish();
        return m_code;
    }

    // The port is free again: the driver closed it.
    bool PortIsFree() {
        cmcComm comm(m_serial, m_loop);
        return comm.Open(kPort, "9600,N,8,1");
    }

    TempFolder m_folder;
    std::string m_radioFile;
    std::string m_writtenFile;
    std::unique_ptr<RadioSimProcess> m_sim;
    cmcSteadyClock m_clock;
    cmcEventLoop m_loop{m_clock};
    cmcPosixSerialBackend m_serial;
    cmcCloneDrv m_driver{m_serial, m_loop, m_clock};
    CloneResult m_code = CloneResult::kPortOpen;
    std::pair<int32_t, int32_t> m_words;
    std::vector<uint8_t> m_info;
    cmcEeprom m_image;
};

TEST_F(CloneOverPtyTest, InformationCarriesTheRadiosModelReply) {
    StartSim({"--model-type", "3", "--revision", "2.10B", "--memory-revision", "1005", "--flags",
              "2", "--comment", "MY BOAT"});
    ASSERT_EQ(Info(), CloneResult::kOk) << m_sim->Log();
    EXPECT_EQ(m_words, std::make_pair(0x3338, 0x0001));
    ASSERT_EQ(m_info.size(), 48u);
    EXPECT_EQ(m_info[0], 48);
    EXPECT_EQ(std::string(m_info.begin() + 1, m_info.begin() + 6), "2.10B");
    EXPECT_EQ(m_info[6], 2);
    EXPECT_EQ(std::string(m_info.begin() + 7, m_info.begin() + 23), "MY BOAT         ");
    EXPECT_EQ(m_info[23], 2);
    EXPECT_EQ(m_info[25], 3);
    const std::string digits = {static_cast<char>(m_info[26]), static_cast<char>(m_info[28]),
                                static_cast<char>(m_info[29]), static_cast<char>(m_info[30])};
    EXPECT_EQ(digits, "1005");
    EXPECT_TRUE(PortIsFree());
}

TEST_F(CloneOverPtyTest, FullReadsAt9600AndAfterTheSpeedChange) {
    StartSim();
    for (const bool high : {false, true}) {
        SCOPED_TRACE(high ? "38400 baud" : "9600 baud");
        // A clone read: the information at 9600 baud first, then the read.
        ASSERT_EQ(Info(), CloneResult::kOk) << m_sim->Log();
        ASSERT_EQ(Read(high), CloneResult::kOk) << m_sim->Log();
        for (int32_t address = 0; address < kImageSize; ++address)
            ASSERT_EQ(m_image.GetByte(address), address <= 0x45CF ? RadioPattern(address) : 0)
                << address;
        EXPECT_EQ(m_driver.DataByteCount(), 0x45D0);
    }
    EXPECT_NE(m_sim->Log().find("line speed 38400"), std::string::npos);
    EXPECT_TRUE(PortIsFree());
}

TEST_F(CloneOverPtyTest, WritesOfEachRangeListReachTheRadio) {
    StartSim();
    cmcEeprom program;
    FillImage(program, ProgramPattern);
    struct Case {
        const char* name;
        const AddressRange* ranges;
        bool high;
    };
    const Case cases[] = {
        {"normal list at 9600", kCloneWriteNormalRanges, false},
        {"full list at 9600", kCloneWriteFullRanges, false},
        {"normal list at 38400", kCloneWriteNormalRanges, true},
        {"full list at 38400", kCloneWriteFullRanges, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Each write goes to a radio holding its own pattern.
        m_sim.reset();
        StartSim();
        ASSERT_EQ(Write(program, c.ranges, c.high), CloneResult::kOk) << m_sim->Log();

        cmcEeprom written;
        written.SetSize(kImageSize);
        cmcClnFile file;
        PrepareCloneFile(file, written);
        ASSERT_EQ(file.Load(m_writtenFile, kCloneFileRanges), CloneFileResult::kOk);
        for (int32_t address = 0; address <= 0x45CF; ++address) {
            const uint8_t expected =
                InRanges(c.ranges, address) ? ProgramPattern(address) : RadioPattern(address);
            ASSERT_EQ(written.GetByte(address), expected) << address;
        }
    }
}

TEST_F(CloneOverPtyTest, EachInjectedFaultEndsWithItsCode) {
    enum class Operation { kInfo, kRead, kWrite };
    struct Case {
        const char* fault;
        Operation operation;
        CloneResult code;
    };
    const Case cases[] = {
        {"no-echo", Operation::kInfo, CloneResult::kEcho},
        {"wrong-echo", Operation::kRead, CloneResult::kEcho},
        {"no-answer", Operation::kInfo, CloneResult::kTimeOut},
        {"bad-checksum", Operation::kRead, CloneResult::kFrame},
        {"lower-case", Operation::kRead, CloneResult::kFrame},
        {"odd-digits", Operation::kRead, CloneResult::kFrame},
        {"beyond-image", Operation::kRead, CloneResult::kAddress},
        {"missing-frame", Operation::kRead, CloneResult::kMissingData},
        {"wrong-count", Operation::kRead, CloneResult::kFrameCount},
        {"maker-spelling", Operation::kRead, CloneResult::kFrame},
        {"reject-write", Operation::kWrite, CloneResult::kWriteRejected},
        {"hang-up", Operation::kRead, CloneResult::kTimeOut},
        {"hang-up", Operation::kWrite, CloneResult::kEcho},
    };
    cmcEeprom program;
    FillImage(program, ProgramPattern);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        m_sim.reset();
        StartSim({"--fault", c.fault});
        switch (c.operation) {
            case Operation::kInfo:
                EXPECT_EQ(Info(), c.code) << m_sim->Log();
                break;
            case Operation::kRead:
                EXPECT_EQ(Read(false), c.code) << m_sim->Log();
                break;
            case Operation::kWrite:
                EXPECT_EQ(Write(program, kCloneWriteNormalRanges, false), c.code) << m_sim->Log();
                break;
        }
        EXPECT_FALSE(m_driver.IsBusy());
        if (std::string(c.fault) == "hang-up") {
            int status = 0;
            EXPECT_TRUE(m_sim->WaitForExit(10000, status));
        } else {
            EXPECT_TRUE(PortIsFree());
        }
    }
}

TEST_F(CloneOverPtyTest, APortNumberWithoutADeviceEndsWithCode2) {
    StartSim();
    m_driver.SetPort(kPort + 1 + 200, kLineProfileNormal.settings);
    m_driver.SetEcho(true);
    ASSERT_TRUE(m_driver.StartInfo(Record()));
    Finish();
    EXPECT_EQ(m_code, CloneResult::kPortOpen);
}

}  // namespace
