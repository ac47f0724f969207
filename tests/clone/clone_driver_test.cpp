#include "clone/clone_driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "clone/clone_ranges.h"
#include "clone/line_profile.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::string HexByte(uint8_t byte, bool lower = false) {
    char text[3];
    std::snprintf(text, sizeof text, lower ? "%02x" : "%02X", byte);
    return text;
}

// A data frame as the radio sends it, built here from the wire description.
Bytes RadioDataFrame(int address, const Bytes& data, bool lower = false, int checksumError = 0) {
    Bytes fields = {static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address),
                    static_cast<uint8_t>(data.size())};
    fields.insert(fields.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const uint8_t byte : fields)
        sum += byte;
    fields.push_back(static_cast<uint8_t>(-sum + checksumError));
    std::string text;
    for (const uint8_t byte : fields)
        text += HexByte(byte, lower);
    return Join({{0xFE, 0xFE, 0xEF, 0xEE, 0xE4}, Text(text), {0xFD}});
}

Bytes RadioEndFrame(int count, const std::string& maker = "Orva Inc.") {
    return Join({{0xFE, 0xFE, 0xEF, 0xEE, 0xE5},
                 Text(maker + HexByte(static_cast<uint8_t>(count))),
                 {0xFD}});
}

uint8_t ImageByte(int address) {
    return static_cast<uint8_t>(address * 7 + (address >> 8));
}

// The data frames of a radio sending addresses [first, last] in 16-byte frames.
std::vector<Bytes> RadioImageFrames(int first, int last) {
    std::vector<Bytes> frames;
    for (int address = first; address <= last;) {
        const int end = std::min(last, (address | 15));
        Bytes data;
        for (int a = address; a <= end; ++a)
            data.push_back(ImageByte(a));
        frames.push_back(RadioDataFrame(address, data));
        address = end + 1;
    }
    return frames;
}

Bytes ModelReply(const Bytes& words, const Bytes& info) {
    return Join({{0xFE, 0xFE, 0xEF, 0xEE, 0xE1}, words, info, {0xFD}});
}

// One frame the program sent, without its preamble.
struct SentFrame {
    uint8_t command;
    Bytes body;  // between the command byte and FD
    int preamble;
};

// The radio end of the fake line: it collects the program's frames from the wire and answers
// each command with what the test gives it.
class FakeRadio {
public:
    explicit FakeRadio(FakeSerialBackend& serial) : m_serial(serial) {
        serial.peer = [this](uint8_t byte) { OnWire(byte); };
    }

    std::optional<Bytes> modelReply;
    std::vector<Bytes> readReply;
    std::optional<Bytes> writeAnswer = Bytes{0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD};
    std::vector<SentFrame> frames;

    std::vector<SentFrame> DataFrames() const {
        std::vector<SentFrame> data;
        for (const SentFrame& frame : frames)
            if (frame.command == 0xE4) data.push_back(frame);
        return data;
    }

private:
    void OnWire(uint8_t byte) {
        m_pending.push_back(byte);
        if (byte != 0xFD) return;
        int preamble = 0;
        while (preamble < static_cast<int>(m_pending.size()) && m_pending[preamble] == 0xFE)
            ++preamble;
        const Bytes frame(m_pending.begin() + preamble, m_pending.end());
        m_pending.clear();
        ASSERT_GE(frame.size(), 4u);
        ASSERT_EQ(frame[0], 0xEE);
        ASSERT_EQ(frame[1], 0xEF);
        frames.push_back({frame[2], Bytes(frame.begin() + 3, frame.end() - 1), preamble - 2});
        switch (frame[2]) {
            case 0xE0:
                if (modelReply) m_serial.Deliver(*modelReply);
                break;
            case 0xE2:
                for (const Bytes& reply : readReply)
                    m_serial.Deliver(reply);
                break;
            case 0xE5:
                if (writeAnswer) m_serial.Deliver(*writeAnswer);
                break;
            default:
                break;
        }
    }

    FakeSerialBackend& m_serial;
    Bytes m_pending;
};

class CloneDriverTest : public testing::Test {
protected:
    CloneDriverTest() {
        m_driver.SetModel(0x3338, 0);
        m_driver.SetImageSize(kImageSize);
        ConfigureCloneLine(m_driver, 9, false, 0x3338);
    }

    cmcCloneDrv::Completion Record() {
        return [this](dst_CDrv_Result& result) {
            ++m_completions;
            m_code = result.code;
            m_words = {result.modelWord1, result.modelWord2};
            m_info = Bytes(result.info.Data(), result.info.Data() + result.info.Size());
            m_image.Assign(result.image);
            m_problem = result.portProblem;
            EXPECT_FALSE(m_serial.IsOpen());  // closed before the completion runs
        };
    }

    // Runs until the operation has ended; the clock stops at the end.
    void RunToEnd() {
        ASSERT_TRUE(m_scheduler.RunUntil([&] { return !m_driver.IsBusy(); }, 120000));
        EXPECT_EQ(m_completions, 1);
    }

    void Read(const AddressRange* ranges) {
        ASSERT_TRUE(m_driver.StartRead(ranges, Record()));
        RunToEnd();
    }

    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    FakeRadio m_radio{m_serial};
    cmcCloneDrv m_driver{m_serial, m_scheduler, m_scheduler};
    int m_completions = 0;
    CloneResult m_code = CloneResult::kPortOpen;
    std::pair<int32_t, int32_t> m_words;
    Bytes m_info;
    cmcEeprom m_image;
    datPortProblem m_problem;
};

TEST_F(CloneDriverTest, ModelRequestIsExactAndAnUnansweredOneTimesOut) {
    ASSERT_TRUE(m_driver.StartInfo(Record()));
    EXPECT_FALSE(m_driver.StartInfo(Record()));
    RunToEnd();
    const Bytes expected =
        Join({Bytes(12, 0xFE), {0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0x33, 0x38, 0x00, 0x00, 0xFD}});
    EXPECT_EQ(m_serial.wire, expected);
    ASSERT_EQ(m_serial.opens.size(), 1u);
    EXPECT_EQ(m_serial.opens[0].port, 9);
    EXPECT_EQ(m_serial.opens[0].settings.baud, 9600u);
    EXPECT_EQ(m_code, CloneResult::kTimeOut);
    // The flush, the echo, then a second without an answer.
    EXPECT_GE(m_scheduler.Elapsed(), 1100u);
    EXPECT_LE(m_scheduler.Elapsed(), 1200u);
}

TEST_F(CloneDriverTest, ModelReplyGivesTheRadiosWordsAndInfoBlock) {
    Bytes info(48, 0x20);
    info[0] = 48;
    info[6] = 2;
    m_radio.modelReply = ModelReply({0x33, 0x38, 0x00, 0x01}, info);
    ASSERT_TRUE(m_driver.StartInfo(Record()));
    RunToEnd();
    EXPECT_EQ(m_code, CloneResult::kOk);
    EXPECT_EQ(m_words, std::make_pair(0x3338, 0x0001));
    EXPECT_EQ(m_info, info);
}

TEST_F(CloneDriverTest, MalformedModelRepliesAndOnlyTheLastOfTwoFramesCounts) {
    const Bytes good = ModelReply({0x33, 0x38, 0x00, 0x01}, {34});
    struct Case {
        const char* name;
        Bytes reply;
        CloneResult code;
    };
    const Case cases[] = {
        {"not packed decimal", ModelReply({0x33, 0x3A, 0x00, 0x01}, {}), CloneResult::kFrame},
        {"too short", {0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x33, 0x38, 0x00, 0xFD}, CloneResult::kFrame},
        {"program's address bytes",
         {0xFE, 0xFE, 0xEE, 0xEF, 0xE1, 0x33, 0x38, 0, 1, 0xFD},
         CloneResult::kFrame},
        {"another command",
         {0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x33, 0x38, 0, 1, 0xFD},
         CloneResult::kFrame},
        {"noise, then a good frame", Join({{0x00, 0x41}, good}), CloneResult::kOk},
        {"bad frame, then a good one", Join({ModelReply({0xAA, 0, 0, 0}, {}), good}),
         CloneResult::kOk},
        {"good frame, then a bad one", Join({good, ModelReply({0xAA, 0, 0, 0}, {})}),
         CloneResult::kFrame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_completions = 0;
        m_radio.modelReply = c.reply;
        ASSERT_TRUE(m_driver.StartInfo(Record()));
        RunToEnd();
        EXPECT_EQ(m_code, c.code);
    }
}

TEST_F(CloneDriverTest, EchoThatDiffersOrNeverComesEndsWithCode4) {
    m_radio.modelReply = ModelReply({0x33, 0x38, 0x00, 0x01}, {34});
    m_serial.corruptEchoAt = 5;
    ASSERT_TRUE(m_driver.StartInfo(Record()));
    RunToEnd();
    EXPECT_EQ(m_code, CloneResult::kEcho);
    EXPECT_LT(m_scheduler.Elapsed(), 200u);  // at once, not by time-out

    m_completions = 0;
    // A cable that does not echo, in front of a radio that stays silent: nothing comes back.
    m_serial.corruptEchoAt = -1;
    m_serial.echo = false;
    m_radio.modelReply.reset();
    for (const bool read : {false, true}) {
        m_completions = 0;
        const uint64_t start = m_scheduler.Elapsed();
        ASSERT_TRUE(read ? m_driver.StartRead(kCloneReadRanges, Record())
                         : m_driver.StartInfo(Record()));
        RunToEnd();
        EXPECT_EQ(m_code, CloneResult::kEcho);
        EXPECT_GE(m_scheduler.Elapsed() - start, 1100u);
        EXPECT_LE(m_scheduler.Elapsed() - start, 1200u);
    }
}

TEST_F(CloneDriverTest, FullReadFillsTheImageAndChecksCoverage) {
    m_radio.readReply = RadioImageFrames(0x0000, 0x45CF);
    m_radio.readReply.push_back(RadioEndFrame(static_cast<int>(m_radio.readReply.size())));
    Read(kCloneReadRanges);
    EXPECT_EQ(m_code, CloneResult::kOk);
    ASSERT_EQ(m_image.GetSize(), kImageSize);
    for (int address = 0; address < kImageSize; ++address)
        ASSERT_EQ(m_image.GetByte(address), address <= 0x45CF ? ImageByte(address) : 0) << address;
    EXPECT_EQ(m_driver.DataByteCount(), 0x45D0);
    ASSERT_EQ(m_radio.frames.size(), 1u);
    EXPECT_EQ(m_radio.frames[0].command, 0xE2);
    EXPECT_EQ(m_radio.frames[0].preamble, 12);
}

TEST_F(CloneDriverTest, FaultsInAReadEndWithTheirCodes) {
    const std::vector<Bytes> frames = RadioImageFrames(0x0000, 0x00FF);  // 16 frames
    const AddressRange ranges[] = {{0x0000, 0x00FF}, {1, 0}};
    const Bytes sixteen(16, 0x5A);
    auto withFrame = [&](int index, const Bytes& replacement) {
        std::vector<Bytes> reply = frames;
        reply[index] = replacement;
        reply.push_back(RadioEndFrame(16));
        return reply;
    };
    std::vector<Bytes> missingByte = frames;
    missingByte[3] = RadioDataFrame(0x0030, Bytes(15, 0x11));
    missingByte.push_back(RadioEndFrame(16));
    std::vector<Bytes> extraFrame = frames;
    extraFrame.push_back(RadioDataFrame(0x0100, sixteen));
    extraFrame.push_back(RadioEndFrame(17));
    std::vector<Bytes> allGood = frames;
    allGood.push_back(RadioEndFrame(16));

    struct Case {
        const char* name;
        std::vector<Bytes> reply;
        CloneResult code;
    };
    Bytes oddDigits = RadioDataFrame(0x0020, sixteen);
    oddDigits.insert(oddDigits.end() - 1, '0');
    const Case cases[] = {
        {"every frame right", allGood, CloneResult::kOk},
        {"lower-case digits", withFrame(2, RadioDataFrame(0x0020, Bytes(16, 0xAB), true)),
         CloneResult::kFrame},
        {"odd digit count", withFrame(2, oddDigits), CloneResult::kFrame},
        {"wrong checksum", withFrame(2, RadioDataFrame(0x0020, sixteen, false, 1)),
         CloneResult::kFrame},
        {"frame reaching the image size", withFrame(2, RadioDataFrame(kImageSize - 8, sixteen)),
         CloneResult::kAddress},
        {"count one less", {frames.begin(), frames.end()}, CloneResult::kFrameCount},
        {"maker misspelled", withFrame(15, RadioEndFrame(15, "Orva Inc,")), CloneResult::kFrame},
        {"one byte missing", missingByte, CloneResult::kMissingData},
        {"data outside the range list", extraFrame, CloneResult::kAddress},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_completions = 0;
        m_radio.readReply = c.reply;
        if (std::string(c.name) == "count one less") m_radio.readReply.push_back(RadioEndFrame(15));
        Read(ranges);
        EXPECT_EQ(m_code, c.code);
    }
}

TEST_F(CloneDriverTest, WriteSendsFramesThatNeverCrossABoundaryOrRangeEnd) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    for (int address = 0; address < kImageSize; ++address)
        image.SetByte(address, ImageByte(address));
    const AddressRange ranges[] = {{0x01A0, 0x02B3}, {0x02F5, 0x0312}, {1, 0}};
    ASSERT_TRUE(m_driver.StartWrite(image, ranges, Record()));
    image.Fill(0);  // the driver sends its own copy
    RunToEnd();
    EXPECT_EQ(m_code, CloneResult::kOk);

    std::vector<std::pair<int, int>> spans;
    for (const SentFrame& frame : m_radio.DataFrames()) {
        const std::string text(frame.body.begin(), frame.body.end());
        const int address = std::stoi(text.substr(0, 4), nullptr, 16);
        const int length = std::stoi(text.substr(4, 2), nullptr, 16);
        spans.emplace_back(address, length);
        ASSERT_EQ(text.size(), 6u + 2 * length + 2);
        for (int i = 0; i < length; ++i)
            ASSERT_EQ(std::stoi(text.substr(6 + 2 * i, 2), nullptr, 16), ImageByte(address + i));
    }
    std::vector<std::pair<int, int>> expected;
    for (int address = 0x01A0; address <= 0x02A0; address += 16)
        expected.emplace_back(address, 16);
    expected.emplace_back(0x02B0, 4);
    expected.emplace_back(0x02F5, 11);
    expected.emplace_back(0x0300, 16);
    expected.emplace_back(0x0310, 3);
    EXPECT_EQ(spans, expected);

    // The request first, the end frame with the frame count last.
    ASSERT_GE(m_radio.frames.size(), 2u);
    EXPECT_EQ(m_radio.frames.front().command, 0xE3);
    EXPECT_EQ(m_radio.frames.back().command, 0xE5);
    EXPECT_EQ(m_radio.frames.back().preamble, 0);
    EXPECT_EQ(m_radio.frames.back().body, Text("Orva Inc." + HexByte(expected.size())));
    EXPECT_EQ(m_driver.DataByteCount(), 0x0114 + 0x1E);
}

TEST_F(CloneDriverTest, DataFrameForAddress0x0010HasChecksum68) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    for (int i = 0; i < 16; ++i)
        image.SetByte(0x10 + i, static_cast<uint8_t>(i));
    const AddressRange ranges[] = {{0x0010, 0x001F}, {1, 0}};
    m_driver.SetDataPreamble(50);
    ASSERT_TRUE(m_driver.StartWrite(image, ranges, Record()));
    RunToEnd();
    ASSERT_EQ(m_radio.DataFrames().size(), 1u);
    const SentFrame frame = m_radio.DataFrames()[0];
    EXPECT_EQ(std::string(frame.body.begin(), frame.body.end()),
              "001010000102030405060708090A0B0C0D0E0F68");
    EXPECT_EQ(frame.preamble, 50);
}

TEST_F(CloneDriverTest, TheRadiosAnswerToAWriteDecides) {
    const AddressRange ranges[] = {{0x0000, 0x003F}, {1, 0}};
    cmcEeprom image;
    image.SetSize(kImageSize);
    struct Case {
        const char* name;
        std::optional<Bytes> answer;
        CloneResult code;
        uint64_t atLeastMs;
    };
    const Case cases[] = {
        {"accepted", Bytes{0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD}, CloneResult::kOk, 0},
        {"rejected", Bytes{0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x01, 0xFD}, CloneResult::kWriteRejected,
         0},
        {"malformed", Bytes{0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0x00, 0xFD},
         CloneResult::kWriteRejected, 0},
        {"no answer", std::nullopt, CloneResult::kTimeOut, 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_completions = 0;
        m_radio.writeAnswer = c.answer;
        const uint64_t start = m_scheduler.Elapsed();
        ASSERT_TRUE(m_driver.StartWrite(image, ranges, Record()));
        RunToEnd();
        EXPECT_EQ(m_code, c.code);
        EXPECT_GE(m_scheduler.Elapsed() - start, c.atLeastMs);
    }
}

TEST_F(CloneDriverTest, AShortWriteOnThePortEndsWithCode17) {
    m_serial.writeLimit = 8;
    ASSERT_TRUE(m_driver.StartInfo(Record()));
    RunToEnd();
    EXPECT_EQ(m_code, CloneResult::kWriteFailed);
}

TEST_F(CloneDriverTest, APortThatCannotOpenEndsWithCode2AndTheReason) {
    m_serial.portExists = false;
    ASSERT_TRUE(m_driver.StartRead(kCloneReadRanges, Record()));
    RunToEnd();
    EXPECT_EQ(m_code, CloneResult::kPortOpen);
    EXPECT_EQ(m_problem.kind, PortProblem::kNoDevice);
    EXPECT_EQ(m_problem.port, 9);
}

TEST_F(CloneDriverTest, HighSpeedSendsTheSpeedChangeAt9600ThenReopensAt38400) {
    ConfigureCloneLine(m_driver, 9, true, 0x3338);
    m_radio.readReply = RadioImageFrames(0x0000, 0x001F);
    m_radio.readReply.push_back(RadioEndFrame(2));
    const AddressRange ranges[] = {{0x0000, 0x001F}, {1, 0}};
    Read(ranges);
    EXPECT_EQ(m_code, CloneResult::kOk);

    ASSERT_EQ(m_serial.opens.size(), 2u);
    EXPECT_EQ(m_serial.opens[0].settings.baud, 9600u);
    EXPECT_EQ(m_serial.opens[1].settings.baud, 38400u);
    ASSERT_EQ(m_radio.frames.size(), 2u);
    EXPECT_EQ(m_radio.frames[0].command, 0xE8);
    EXPECT_EQ(m_radio.frames[0].preamble, 18);  // twenty 0xFE in all
    EXPECT_EQ(m_radio.frames[0].body, (Bytes{0x33, 0x38, 0x00, 0x00, 0x01, 0x30, 0x39}));
    EXPECT_EQ(m_radio.frames[1].command, 0xE2);
    EXPECT_EQ(m_radio.frames[1].preamble, 48);
}

TEST_F(CloneDriverTest, ACompletionMayStartTheNextOperationOrDestroyTheDriver) {
    m_radio.modelReply = ModelReply({0x33, 0x38, 0x00, 0x01}, {34});
    m_radio.readReply = RadioImageFrames(0x0000, 0x000F);
    m_radio.readReply.push_back(RadioEndFrame(1));
    const AddressRange ranges[] = {{0x0000, 0x000F}, {1, 0}};
    std::vector<CloneResult> codes;
    auto driver = std::make_unique<cmcCloneDrv>(m_serial, m_scheduler, m_scheduler);
    driver->SetEcho(true);
    driver->SetImageSize(kImageSize);
    driver->SetModel(0x3338, 0);
    ASSERT_TRUE(driver->StartInfo([&](dst_CDrv_Result& info) {
        codes.push_back(info.code);
        EXPECT_TRUE(driver->StartRead(ranges, [&](dst_CDrv_Result& read) {
            codes.push_back(read.code);
            EXPECT_EQ(read.image.GetByte(0x000F), ImageByte(0x000F));
            driver.reset();  // the owner goes from inside the completion
        }));
    }));
    ASSERT_TRUE(m_scheduler.RunUntil([&] { return driver == nullptr; }, 10000));
    m_scheduler.Advance(100);  // the step task's deferred deletion
    EXPECT_EQ(codes, (std::vector<CloneResult>{CloneResult::kOk, CloneResult::kOk}));
    EXPECT_EQ(m_scheduler.NextDue(), std::nullopt);
}

}  // namespace

namespace {

TEST_F(CloneDriverTest, ACancelEndsEachOperationAtAFrameBoundaryWithCode18) {
    struct Case {
        const char* name;
        CloneOperation operation;
    };
    const Case cases[] = {
        {"information, radio silent", CloneOperation::kInfo},
        {"read, half received", CloneOperation::kRead},
        {"write, half sent", CloneOperation::kWrite},
    };
    cmcEeprom image;
    image.SetSize(kImageSize);
    m_radio.readReply = RadioImageFrames(0x0000, 0x45CF);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_completions = 0;
        m_radio.frames.clear();
        m_serial.wire.clear();
        switch (c.operation) {
            case CloneOperation::kInfo:
                ASSERT_TRUE(m_driver.StartInfo(Record()));
                ASSERT_TRUE(m_scheduler.RunUntil([&] { return !m_radio.frames.empty(); }, 5000));
                break;
            case CloneOperation::kRead:
                ASSERT_TRUE(m_driver.StartRead(kCloneReadRanges, Record()));
                ASSERT_TRUE(
                    m_scheduler.RunUntil([&] { return m_driver.DataByteCount() > 0x2000; }, 60000));
                break;
            default:
                ASSERT_TRUE(m_driver.StartWrite(image, kCloneWriteNormalRanges, Record()));
                ASSERT_TRUE(
                    m_scheduler.RunUntil([&] { return m_radio.DataFrames().size() > 100; }, 60000));
                break;
        }
        m_driver.Cancel();
        EXPECT_TRUE(m_driver.IsCancelling());
        RunToEnd();
        EXPECT_EQ(m_code, CloneResult::kCancelled);
        EXPECT_FALSE(m_driver.IsCancelling());
        // Whatever reached the wire ends with a whole frame, and a write sends no end frame.
        ASSERT_FALSE(m_serial.wire.empty());
        EXPECT_EQ(m_serial.wire.back(), 0xFD);
        for (const SentFrame& frame : m_radio.frames)
            EXPECT_NE(frame.command, 0xE5);
        if (c.operation == CloneOperation::kWrite) {
            EXPECT_LT(m_radio.DataFrames().size(), (0x455F - 0x02F0 + 1) / 16u);
        }
        // The driver takes the next operation as usual.
        m_completions = 0;
        m_radio.modelReply = ModelReply({0x33, 0x38, 0x00, 0x01}, {34});
        ASSERT_TRUE(m_driver.StartInfo(Record()));
        RunToEnd();
        EXPECT_EQ(m_code, CloneResult::kOk);
        m_radio.modelReply.reset();
    }
    // Idle, a cancel does nothing.
    m_driver.Cancel();
    EXPECT_FALSE(m_driver.IsCancelling());
}

}  // namespace
