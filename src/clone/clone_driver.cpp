#include "clone/clone_driver.h"

#include <utility>

#include "clone/clone_frame.h"
#include "clone/hex_text.h"
#include "platform/string_format.h"

namespace {

constexpr int32_t kStepIntervalMs = 10;
constexpr int32_t kDataFramesPerStep = 8;
constexpr int32_t kBytesPerDataFrame = 16;
// While sending data, the driver goes on until this many echo bytes are owed.
constexpr int32_t kEchoBacklogWhileSending = 128;
// Queues holding more than this are compacted after a step.
constexpr int32_t kQueueCompactSize = 4096;
constexpr uint32_t kFlushWaitMs = 100;
constexpr int32_t kFlushLimit = 65535;
// A frame buffer longer than this while awaiting an answer is garbage.
constexpr int32_t kLongestAnswerFrame = 520;
constexpr int32_t kLongestDataFrame = 522;

constexpr uint8_t kWriteAccepted[] = {0xFE, 0xEF, 0xEE, kCommandWriteAnswer, 0x00};
constexpr int32_t kModelReplyHeaderLength = 8;

bool IsPackedDecimal(uint8_t byte) {
    return (byte >> 4) <= 9 && (byte & 0x0F) <= 9;
}

bool StartsWith(const cmcBuff& frame, const uint8_t* bytes, int32_t length) {
    if (frame.Size() < length) return false;
    for (int32_t i = 0; i < length; ++i) {
        if (frame.At(i) != bytes[i]) return false;
    }
    return true;
}

}  // namespace

cmcCloneDrv::cmcCloneDrv(cmcSerialBackend& serial, cmcTimerService& timers, cmcClock& clock)
    : m_clock(clock),
      m_port(serial, timers),
      m_timeOut(clock),
      m_stepTask(cmcTask::Create(timers)) {
    m_stepTask->SetCallback([this](cmcTask&) { OnStepTask(); });
}

cmcCloneDrv::~cmcCloneDrv() = default;

void cmcCloneDrv::SetModel(int32_t word1, int32_t word2) {
    m_modelWord1 = word1;
    m_modelWord2 = word2;
}

void cmcCloneDrv::SetPort(int32_t port, const std::string& settings) {
    m_portNumber = port;
    m_lineSettings = settings;
}

void cmcCloneDrv::SetDataPreamble(int32_t count) {
    m_dataPreamble = count;
    m_firstDataPreamble = count;
}

bool cmcCloneDrv::StartInfo(Completion completion) {
    return Start(CloneOperation::kInfo, nullptr, std::move(completion));
}

bool cmcCloneDrv::StartRead(const AddressRange* ranges, Completion completion) {
    return Start(CloneOperation::kRead, ranges, std::move(completion));
}

bool cmcCloneDrv::StartWrite(const cmcEeprom& image, const AddressRange* ranges,
                             Completion completion) {
    static constexpr AddressRange kNoRanges[] = {{1, 0}};
    if (ranges == nullptr) ranges = kNoRanges;
    if (!Start(CloneOperation::kWrite, ranges, std::move(completion))) return false;
    m_currentRange = ranges;
    m_currentAddress = ranges->first;
    m_result->image.Assign(image);
    return true;
}

bool cmcCloneDrv::Start(CloneOperation operation, const AddressRange* ranges,
                        Completion completion) {
    if (IsBusy()) return false;
    m_frameCount = 0;
    m_dataByteCount = 0;
    m_operation = operation;
    m_cancelRequested = false;
    m_ranges = ranges;
    m_completion = std::move(completion);
    m_result = std::make_unique<dst_CDrv_Result>();
    m_result->operation = operation;
    m_result->modelWord1 = m_modelWord1;
    m_result->modelWord2 = m_modelWord2;
    m_result->image.SetSize(m_imageSize);
    m_state = State::kStarted;
    m_stepTask->SetInterval(kStepIntervalMs);
    return true;
}

void cmcCloneDrv::Cancel() {
    if (IsBusy() && m_state != State::kDrain && m_state != State::kFinish) m_cancelRequested = true;
}

void cmcCloneDrv::OnStepTask() {
    // Between steps nothing is half sent: every step hands whole frames to the port.
    if (m_cancelRequested && m_state != State::kIdle && m_state != State::kDrain &&
        m_state != State::kFinish) {
        SetCode(CloneResult::kCancelled);
        m_state = State::kDrain;
        m_timeOut.Start(m_normalTimeOutMs);
    }
    if (m_state != State::kIdle) Step();
    if (m_result && m_port.WriteFailed()) {
        SetCode(CloneResult::kWriteFailed);
        m_state = State::kFinish;
    }
    if (m_state == State::kFinish) {
        Finish();
    } else if (m_state == State::kIdle) {
        m_stepTask->SetInterval(-1);
    }
}

void cmcCloneDrv::Finish() {
    m_port.Close();
    m_state = State::kIdle;
    m_cancelRequested = false;
    m_stepTask->SetInterval(-1);
    m_receiveQueue.Reset();
    m_frame.Reset();
    m_echoQueue.Reset();
    std::unique_ptr<dst_CDrv_Result> result = std::move(m_result);
    Completion completion = std::move(m_completion);
    m_completion = nullptr;
    // The completion may start the next operation, or destroy this driver: nothing of this
    // object is touched after it.
    if (completion) completion(*result);
}

void cmcCloneDrv::Step() {
    const State state = m_state;
    StepOutcome outcome{static_cast<State>(static_cast<int32_t>(state) + 1), true};
    const bool timedOut = m_timeOut.HasExpired();

    // The echo of what was sent comes first; the state's work waits for it.
    bool echoFailed = false;
    if (!m_echoOn) {
        m_echoQueue.Reset();
    } else if (state != State::kDrain && !m_echoQueue.IsEmpty()) {
        ReadIntoReceiveQueue();
        outcome.progress = false;
        while (!m_receiveQueue.IsEmpty() && !m_echoQueue.IsEmpty()) {
            if (m_receiveQueue.At(0) != m_echoQueue.At(0)) {
                SetCode(CloneResult::kEcho);
                outcome.next = State::kDrain;
                echoFailed = true;
                break;
            }
            m_receiveQueue.PopFront();
            m_echoQueue.PopFront();
            outcome.progress = true;
        }
        if (m_echoQueue.IsEmpty()) m_echoQueue.Reset();
    }
    if (!echoFailed) {
        // Once the operation has ended, echo still owed is no reason to hold the port: the drain
        // only waits for the output to leave.
        const int32_t owed = state == State::kSendData ? kEchoBacklogWhileSending : 0;
        if (state != State::kDrain && m_echoQueue.Size() > owed) {
            outcome.next = state;
        } else {
            RunState(state, outcome);
        }
    }

    if (outcome.next != state) outcome.progress = true;
    if (outcome.progress) {
        m_timeOut.Start(TimeOutFor(outcome.next));
    } else if (timedOut) {
        outcome.next = State::kDrain;
        // A cancelled operation stays cancelled while its last frame leaves.
        if (m_result->code != CloneResult::kCancelled) {
            SetCode(m_echoOn && !m_echoQueue.IsEmpty() ? CloneResult::kEcho
                                                       : CloneResult::kTimeOut);
        }
    }
    if (m_receiveQueue.Size() > kQueueCompactSize || m_echoQueue.Size() > kQueueCompactSize) {
        m_receiveQueue.Compact();
        m_echoQueue.Compact();
    }
    m_state = outcome.next;
}

uint32_t cmcCloneDrv::TimeOutFor(State next) const {
    if (next == State::kSpeedChange && !m_script.empty()) return m_scriptTimeOutMs;
    if (next == State::kAwaitWriteAnswer) return m_writeAnswerTimeOutMs;
    return m_normalTimeOutMs;
}

void cmcCloneDrv::RunState(State state, StepOutcome& outcome) {
    switch (state) {
        case State::kIdle:
            outcome.next = State::kIdle;
            break;
        case State::kStarted:
            break;
        case State::kSpeedChange:
            ChangeSpeed(outcome);
            break;
        case State::kOpenPort:
            OpenPort(outcome);
            break;
        case State::kSendModelRequest:
            SendCommand(kCommandModelRequest);
            break;
        case State::kAwaitModelReply:
            AwaitModelReply(outcome);
            break;
        case State::kSendReadRequest:
            SendCommand(kCommandReadRequest);
            break;
        case State::kReceiveData:
            ReceiveData(outcome);
            break;
        case State::kSendWriteRequest:
            SendCommand(kCommandWriteRequest);
            break;
        case State::kSendData:
            SendData(outcome);
            break;
        case State::kSendEndFrame: {
            cmcBuff frame;
            AppendEndFrame(frame, m_frameCount);
            SendBytes(frame);
            break;
        }
        case State::kAwaitWriteAnswer:
            AwaitWriteAnswer(outcome);
            break;
        case State::kDrain:
            Drain(outcome);
            break;
        default:
            outcome.next = State::kIdle;
            break;
    }
}

void cmcCloneDrv::ChangeSpeed(StepOutcome& outcome) {
    outcome.progress = false;
    if (!m_script.empty()) {
        size_t consumed = 0;
        if (m_script[0] == '(') {
            m_port.Close();
            const size_t close = m_script.find(')');
            const std::string settings =
                m_script.substr(1, close == std::string::npos ? std::string::npos : close - 1);
            consumed = settings.size() + 2;
            if (!OpenAndFlush(settings)) {
                m_result->portProblem = m_port.OpenProblem();
                SetCode(CloneResult::kPortOpen);
                outcome.next = State::kDrain;
                m_script.clear();
                consumed = 0;
            }
        } else {
            const std::string text = m_script.substr(0, m_script.find('('));
            consumed = text.size();
            SendBytes(HexToBytes(text));
            outcome.progress = true;
        }
        if (consumed > 0 && m_script.size() >= consumed) {
            m_script.erase(0, consumed);
        } else {
            m_script.clear();
        }
    }
    if (!m_script.empty() || m_port.PendingOutput() > 0) {
        outcome.next = State::kSpeedChange;
        outcome.progress = true;
    }
}

void cmcCloneDrv::OpenPort(StepOutcome& outcome) {
    m_port.Close();
    if (!OpenAndFlush(m_lineSettings)) {
        m_result->portProblem = m_port.OpenProblem();
        SetCode(CloneResult::kPortOpen);
        outcome.next = State::kDrain;
        return;
    }
    switch (m_operation) {
        case CloneOperation::kRead:
            outcome.next = State::kSendReadRequest;
            break;
        case CloneOperation::kWrite:
            outcome.next = State::kSendWriteRequest;
            break;
        default:
            outcome.next = State::kSendModelRequest;
            break;
    }
}

bool cmcCloneDrv::OpenAndFlush(const std::string& settings) {
    if (!m_port.Open(m_portNumber, settings)) return false;
    FlushInput();
    return true;
}

void cmcCloneDrv::FlushInput() {
    // Whatever the radio or the cable sent before the port opened is not an answer.
    cmcTick wait(m_clock);
    wait.Start(kFlushWaitMs);
    wait.Wait();
    uint8_t byte = 0;
    for (int32_t discarded = 0; discarded < kFlushLimit && m_port.Read(&byte, 1) > 0;)
        ++discarded;
}

void cmcCloneDrv::SendCommand(uint8_t command) {
    cmcBuff frame;
    frame.AppendFill(kFrameStart, m_commandPreamble);
    frame.Append(HexToBytes(StringPrintf("FEFE EE EF %02X %04X %04X FD", command,
                                         m_modelWord1 & 0xFFFF, m_modelWord2 & 0xFFFF)));
    SendBytes(frame);
    m_frame.Reset();
}

void cmcCloneDrv::SendBytes(const cmcBuff& bytes) {
    m_port.Send(bytes.Data(), bytes.Size());
    m_echoQueue.Append(bytes);
}

void cmcCloneDrv::ReadIntoReceiveQueue() {
    const int32_t count = m_port.Read(m_readScratch, kReadChunk);
    if (count > 0) m_receiveQueue.Append(m_readScratch, count);
}

bool cmcCloneDrv::ExtractFrame(cmcBuff& found) {
    ReadIntoReceiveQueue();
    bool any = false;
    for (int byte = m_receiveQueue.PopFront(); byte >= 0; byte = m_receiveQueue.PopFront()) {
        if (byte == kFrameStart) {
            m_frame.Reset();
            m_frame.AppendByte(kFrameStart);
        } else if (m_frame.IsEmpty()) {
            continue;  // noise between frames
        } else if (byte == kFrameEnd) {
            found.Assign(m_frame);
            m_frame.Reset();
            any = true;
        } else if (m_frame.Size() > kLongestAnswerFrame) {
            // Garbage: a one-byte frame that fails every check.
            m_frame.Reset();
            found.Reset();
            found.AppendByte(0x00);
            return true;
        } else {
            m_frame.AppendByte(static_cast<uint8_t>(byte));
        }
    }
    return any;
}

void cmcCloneDrv::AwaitModelReply(StepOutcome& outcome) {
    outcome.next = State::kAwaitModelReply;
    outcome.progress = false;
    cmcBuff frame;
    if (!ExtractFrame(frame)) return;
    outcome.next = State::kDrain;
    if (frame.Size() < kModelReplyHeaderLength || !StartsWith(frame, kRadioFrameHeader, 3) ||
        frame.At(3) != kCommandModelReply) {
        SetCode(CloneResult::kFrame);
        return;
    }
    for (int32_t i = 4; i < kModelReplyHeaderLength; ++i) {
        if (!IsPackedDecimal(frame.At(i))) {
            SetCode(CloneResult::kFrame);
            return;
        }
    }
    m_result->modelWord1 = frame.At(4) << 8 | frame.At(5);
    m_result->modelWord2 = frame.At(6) << 8 | frame.At(7);
    m_result->info.Assign(frame.Data() + kModelReplyHeaderLength,
                          frame.Size() - kModelReplyHeaderLength);
    SetCode(CloneResult::kOk);
    outcome.progress = true;
}

void cmcCloneDrv::ReceiveData(StepOutcome& outcome) {
    outcome.next = State::kReceiveData;
    outcome.progress = false;
    ReadIntoReceiveQueue();
    for (int byte = m_receiveQueue.PopFront(); byte >= 0; byte = m_receiveQueue.PopFront()) {
        if (byte == kFrameStart) {
            m_frame.Reset();
            m_frame.AppendByte(kFrameStart);
        } else if (m_frame.IsEmpty()) {
            continue;
        } else if (byte == kFrameEnd) {
            const auto verdict =
                CheckReadFrame(m_frame, m_frameCount, m_imageSize, *m_result, m_dataByteCount);
            if (!verdict) {
                ++m_frameCount;
                outcome.progress = true;
                m_frame.Reset();
                continue;
            }
            if (*verdict == CloneResult::kOk && m_ranges != nullptr) {
                SetCode(CheckCoverage(m_ranges, m_imageSize, m_result->receivedMap));
            } else {
                SetCode(*verdict);
            }
            outcome.next = State::kDrain;
            return;
        } else {
            m_frame.AppendByte(static_cast<uint8_t>(byte));
            if (m_frame.Size() >= kLongestDataFrame) {
                SetCode(CloneResult::kFrame);
                outcome.next = State::kDrain;
                return;
            }
        }
    }
}

void cmcCloneDrv::SendData(StepOutcome& outcome) {
    outcome.next = State::kSendData;
    outcome.progress = false;
    cmcBuff& staging = m_frame;
    for (int32_t pass = 0; pass < kDataFramesPerStep; ++pass) {
        if (m_currentRange->IsTerminator()) {
            if (m_port.PendingOutput() == 0 && staging.IsEmpty())
                outcome.next = State::kSendEndFrame;
            break;
        }
        if (m_currentAddress > m_currentRange->last) {
            ++m_currentRange;
            m_currentAddress = m_currentRange->first;
        } else {
            // No frame crosses a 16-byte boundary or the end of its range.
            int32_t length = kBytesPerDataFrame - m_currentAddress % kBytesPerDataFrame;
            if (length > m_currentRange->last - m_currentAddress + 1)
                length = m_currentRange->last - m_currentAddress + 1;
            const int32_t preamble = m_frameCount == 0 ? m_firstDataPreamble : m_dataPreamble;
            AppendDataFrame(staging, m_result->image, m_currentAddress, length, preamble);
            ++m_frameCount;
            m_currentAddress += length;
            m_dataByteCount += length;
        }
        // Frames wait while the port's pending output is large against them.
        if (outcome.next != State::kSendData || staging.IsEmpty() ||
            4 * staging.Size() < m_port.PendingOutput())
            break;
        SendBytes(staging);
        staging.Reset();
        outcome.progress = true;
    }
}

void cmcCloneDrv::AwaitWriteAnswer(StepOutcome& outcome) {
    outcome.next = State::kAwaitWriteAnswer;
    outcome.progress = false;
    cmcBuff frame;
    if (!ExtractFrame(frame)) return;
    const bool accepted = frame.Size() == static_cast<int32_t>(sizeof kWriteAccepted) &&
                          StartsWith(frame, kWriteAccepted, sizeof kWriteAccepted);
    SetCode(accepted ? CloneResult::kOk : CloneResult::kWriteRejected);
    outcome.next = State::kDrain;
}

void cmcCloneDrv::Drain(StepOutcome& outcome) {
    outcome.progress = false;
    if (m_port.PendingOutput() > 0) {
        outcome.next = State::kDrain;
    } else {
        outcome.next = State::kFinish;
        outcome.progress = true;
    }
}
