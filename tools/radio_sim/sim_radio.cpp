#include "sim_radio.h"

#include <cstdio>
#include <string>

namespace {

constexpr uint8_t kModelRequest = 0xE0;
constexpr uint8_t kModelReply = 0xE1;
constexpr uint8_t kReadRequest = 0xE2;
constexpr uint8_t kWriteRequest = 0xE3;
constexpr uint8_t kData = 0xE4;
constexpr uint8_t kEnd = 0xE5;
constexpr uint8_t kWriteAnswer = 0xE6;
constexpr uint8_t kSpeedChange = 0xE8;
constexpr uint32_t kLowBaud = 9600;
constexpr uint32_t kHighBaud = 38400;
constexpr char kMaker[] = "Orva Inc.";
constexpr char kMisspelledMaker[] = "Orva Inc,";
// Faults in a read hit this data frame, early, so that a test of them is quick.
constexpr int kFaultyFrame = 5;
// A write hangs up after this many data frames.
constexpr int kWriteHangUpFrame = 100;
// A write with the corrupting fault stores this data frame's first byte inverted.
constexpr int kCorruptedWriteFrame = 100;
// A read queues frames while fewer bytes than this wait on the wire.
constexpr size_t kReadLowWater = 256;
constexpr int kBeyondImageAddress = 0x4728;
constexpr size_t kLongestFrame = 600;

std::string Hex(const SimBytes& bytes) {
    std::string text;
    char digits[4];
    for (const uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        text += digits;
    }
    return text;
}

}  // namespace

SimRadio::SimRadio(const SimOptions& options, SimMemory& memory, Sender send, Logger log)
    : m_options(options), m_memory(memory), m_send(std::move(send)), m_log(std::move(log)) {}

void SimRadio::Hear(uint8_t byte, uint32_t programBaud) {
    if (byte == 0xFE) {
        // A run of FE bytes is the preamble and the frame start.
        m_frame.clear();
        m_inFrame = true;
    } else if (!m_inFrame) {
        return;
    } else if (byte == 0xFD) {
        m_inFrame = false;
        OnFrame(m_frame, programBaud);
    } else if (m_frame.size() < kLongestFrame) {
        m_frame.push_back(byte);
    } else {
        m_inFrame = false;  // no frame is this long: noise
    }
}

bool SimRadio::IsOwnModel(const SimBytes& frame) const {
    return frame.size() >= 5 && (frame[3] << 8 | frame[4]) == m_options.model.word1;
}

void SimRadio::OnFrame(const SimBytes& frame, uint32_t programBaud) {
    if (frame.size() < 3 || frame[0] != 0xEE || frame[1] != 0xEF) return;
    if (programBaud != m_baud) {
        m_log("noise: a frame sent at " + std::to_string(programBaud) +
              " baud while listening at " + std::to_string(m_baud));
        return;
    }
    const uint8_t command = frame[2];
    if (command != kData) m_log("heard " + Hex(frame));
    const bool answers = m_options.fault != SimFault::kNoAnswer && !m_muted;
    switch (command) {
        case kModelRequest:
            if (answers && IsOwnModel(frame)) AnswerModelRequest();
            break;
        case kReadRequest:
            if (answers && IsOwnModel(frame) && m_state == State::kIdle) StartRead();
            break;
        case kWriteRequest:
            if (IsOwnModel(frame) && m_state == State::kIdle) StartWrite();
            break;
        case kData:
            if (m_state == State::kWriting) TakeWriteData(SimBytes(frame.begin() + 3, frame.end()));
            break;
        case kEnd:
            if (m_state == State::kWriting) FinishWrite(SimBytes(frame.begin() + 3, frame.end()));
            break;
        case kSpeedChange:
            if (IsOwnModel(frame) && m_state == State::kIdle) {
                m_baud = kHighBaud;
                m_log("line speed 38400");
            }
            break;
        default:
            break;
    }
}

void SimRadio::AnswerModelRequest() {
    const SimModel& model = m_options.model;
    SimBytes info(static_cast<size_t>(model.infoLength), 0);
    info[0] = static_cast<uint8_t>(model.infoLength);
    for (int i = 0; i < 5; ++i)
        info[1 + i] = static_cast<uint8_t>(model.revision[i]);
    info[6] = static_cast<uint8_t>(model.layout);
    for (int i = 0; i < 16; ++i)
        info[7 + i] = i < static_cast<int>(model.comment.size()) ? model.comment[i] : ' ';
    info[23] = static_cast<uint8_t>(model.flags);
    info[25] = static_cast<uint8_t>(model.modelType);
    info[26] = static_cast<uint8_t>(model.memoryRevision[0]);
    info[27] = '.';
    info[28] = static_cast<uint8_t>(model.memoryRevision[1]);
    info[29] = static_cast<uint8_t>(model.memoryRevision[2]);
    info[30] = static_cast<uint8_t>(model.memoryRevision[3]);
    SimBytes payload;
    payload.reserve(4 + info.size());
    for (const uint16_t word : {model.word1, model.word2}) {
        payload.push_back(static_cast<uint8_t>(word >> 8));
        payload.push_back(static_cast<uint8_t>(word & 0xFF));
    }
    payload.insert(payload.end(), info.begin(), info.end());
    m_send(RadioFrame(kModelReply, payload));
}

void SimRadio::StartRead() {
    m_state = State::kReading;
    m_readAddress = kSimReadFirst;
    m_readIndex = 0;
    m_framesSent = 0;
    m_endSent = false;
}

void SimRadio::Pump(size_t queuedOnWire) {
    while (m_state == State::kReading && !m_hangUp && queuedOnWire < kReadLowWater) {
        QueueNextReadFrame();
        queuedOnWire += 48;
    }
}

void SimRadio::QueueNextReadFrame() {
    const SimFault fault = m_options.fault;
    if (m_readAddress > kSimReadLast) {
        const int count = m_framesSent - (fault == SimFault::kWrongCount ? 1 : 0);
        const char* maker = fault == SimFault::kMakerSpelling ? kMisspelledMaker : kMaker;
        m_send(RadioFrame(kEnd, EndPayload(count & 0xFF, maker)));
        m_log("sent " + std::to_string(m_framesSent) + " data frames and the end frame");
        m_state = State::kIdle;
        m_operationEnded = true;
        return;
    }
    const int totalFrames = (kSimReadLast - kSimReadFirst + 1) / 16;
    if (fault == SimFault::kHangUp && m_readIndex == totalFrames / 2) {
        m_hangUp = true;
        return;
    }
    int address = m_readAddress;
    const int length = 16 - address % 16;
    m_readAddress += length;
    const bool faulty = m_readIndex++ == kFaultyFrame;
    if (faulty && fault == SimFault::kMissingFrame) return;
    if (faulty && fault == SimFault::kBeyondImage) address = kBeyondImageAddress;
    SimBytes data;
    for (int i = 0; i < length; ++i) {
        const int at = address + i;
        data.push_back(m_memory.Image().IsValidAddress(at) ? m_memory.Image().GetByte(at) : 0);
    }
    DataTextStyle style;
    style.lowerCase = faulty && fault == SimFault::kLowerCase;
    style.checksumError = faulty && fault == SimFault::kBadChecksum ? 1 : 0;
    style.extraDigit = faulty && fault == SimFault::kOddDigits;
    const std::string text = DataFrameText(address, data, style);
    m_send(RadioFrame(kData, SimBytes(text.begin(), text.end())));
    ++m_framesSent;
}

void SimRadio::StartWrite() {
    m_state = State::kWriting;
    m_staged.Assign(m_memory.Image());
    m_framesTaken = 0;
    m_writeBroken = false;
}

void SimRadio::TakeWriteData(const SimBytes& text) {
    ++m_framesTaken;
    if (m_options.fault == SimFault::kHangUp && m_framesTaken == kWriteHangUpFrame) {
        m_hangUp = true;
        return;
    }
    const auto data = ParseProgramData(text);
    if (!data || data->data.empty() || !m_staged.IsValidAddress(data->address) ||
        !m_staged.IsValidAddress(data->address + static_cast<int>(data->data.size()) - 1)) {
        m_log("a malformed data frame: " + std::string(text.begin(), text.end()));
        m_writeBroken = true;
        return;
    }
    m_staged.WriteBlock(data->address, data->data.data(), static_cast<int32_t>(data->data.size()));
    if (m_options.fault == SimFault::kCorruptStore && m_framesTaken == kCorruptedWriteFrame) {
        const uint8_t stored = static_cast<uint8_t>(~data->data.front());
        m_staged.SetByte(data->address, stored);
        m_log("stored the byte at " + std::to_string(data->address) + " inverted");
    }
}

void SimRadio::FinishWrite(const SimBytes& payload) {
    m_state = State::kIdle;
    const SimBytes expected = EndPayload(m_framesTaken & 0xFF, kMaker);
    bool accepted = payload == expected && !m_writeBroken;
    if (!accepted) m_log("the end frame or a data frame was wrong: write refused");
    if (accepted && m_options.fault == SimFault::kRejectWrite) accepted = false;
    if (accepted) {
        m_memory.Image().Assign(m_staged);
        if (!m_options.saveWrittenPath.empty()) {
            std::string error;
            if (!m_memory.Save(m_options.saveWrittenPath, m_options.model, error)) m_log(error);
        }
        m_log("took " + std::to_string(m_framesTaken) + " data frames");
        m_muted = m_options.fault == SimFault::kMuteAfterWrite;
    }
    m_operationEnded = true;
    if (m_options.fault != SimFault::kNoAnswer)
        m_send(RadioFrame(kWriteAnswer, {static_cast<uint8_t>(accepted ? 0x00 : 0x01)}));
}

void SimRadio::PortClosed() {
    if (m_state != State::kIdle) m_log("the program closed its port: operation dropped");
    m_state = State::kIdle;
    m_inFrame = false;
}

void SimRadio::LineDrained(bool longSilence) {
    if (m_state != State::kIdle || !(m_operationEnded || longSilence)) return;
    m_operationEnded = false;
    if (m_baud != kLowBaud) {
        m_baud = kLowBaud;
        m_log("line speed 9600");
    }
}
