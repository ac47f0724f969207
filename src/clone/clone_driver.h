#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/buff.h"
#include "base/task.h"
#include "base/tick.h"
#include "clone/clone_driver_result.h"
#include "clone/comm.h"
#include "model/address_range.h"
#include "platform/clock.h"
#include "platform/serial_line.h"
#include "platform/timer_service.h"

// The radio's clone protocol over one serial port: model information, clone read and clone
// write, one at a time, as a state machine stepped every 10 ms by its own task. Nothing blocks
// the GUI thread except the 100 ms input flush after the port opens.
//
// The cable is a single wire: every byte the program sends comes back on the receive side
// before the radio answers. With echo mode on, the driver checks that echo byte by byte and only
// then looks at what the radio sends; the echo also paces a write, which pauses while more than
// 128 echo bytes are owed.
//
// Where to start reading: Step() runs one state (the table in RunState), and every state that
// sees no progress for 1000 ms (2000 ms awaiting the answer to a write) ends the operation. Every
// operation, failed or not, passes through the drain state (pending output leaves) and the
// finish state (the port closes, the completion gets the result).
//
// Wire sequences:
//   information:  [speed change] E0 request -> the radio's E1 model reply
//   clone read:   [speed change] E2 request -> the radio's E4 data frames and E5 end frame
//   clone write:  [speed change] E3 request, E4 data frames over the range list, E5 end frame
//                 -> the radio's E6 answer
class cmcCloneDrv {
public:
    using Completion = std::function<void(dst_CDrv_Result& result)>;

    cmcCloneDrv(cmcSerialBackend& serial, cmcTimerService& timers, cmcClock& clock);
    ~cmcCloneDrv();
    cmcCloneDrv(const cmcCloneDrv&) = delete;
    cmcCloneDrv& operator=(const cmcCloneDrv&) = delete;

    // Set up before each operation.
    void SetModel(int32_t word1, int32_t word2);
    void SetImageSize(int32_t size) { m_imageSize = size; }
    void SetPort(int32_t port, const std::string& settings);
    // Extra 0xFE bytes before each command frame (E0, E2, E3) and each data frame.
    void SetCommandPreamble(int32_t count) { m_commandPreamble = count; }
    void SetDataPreamble(int32_t count);
    // Hexadecimal frame text to send and "(settings)" pieces that reopen the port, run before
    // the port opens at the line settings; empty for none. Consumed by the operation.
    void SetSpeedScript(const std::string& script) { m_script = script; }
    void SetEcho(bool on) { m_echoOn = on; }

    bool IsBusy() const { return m_state != State::kIdle; }
    // Each refuses when busy. The completion (optional) runs once, from the step task; the result
    // is freed after it returns. Ranges may be null for a read: then coverage is not checked.
    bool StartInfo(Completion completion);
    bool StartRead(const AddressRange* ranges, Completion completion);
    // Sends a copy of image, so later edits do not reach the radio.
    bool StartWrite(const cmcEeprom& image, const AddressRange* ranges, Completion completion);

    // Progress of the running operation.
    int32_t DataByteCount() const { return m_dataByteCount; }
    int32_t FrameCount() const { return m_frameCount; }

private:
    enum class State : int32_t {
        kIdle = 0,
        kStarted = 2,
        kSpeedChange = 3,
        kOpenPort = 4,
        kSendModelRequest = 5,
        kAwaitModelReply = 6,
        kSendReadRequest = 7,
        kReceiveData = 8,
        kSendWriteRequest = 9,
        kSendData = 10,
        kSendEndFrame = 11,
        kAwaitWriteAnswer = 12,
        kDrain = 13,
        kFinish = 14,
    };

    // What one step decides: the state to go to, and whether anything moved.
    struct StepOutcome {
        State next;
        bool progress;
    };

    bool Start(CloneOperation operation, const AddressRange* ranges, Completion completion);
    void OnStepTask();
    void Finish();
    void Step();
    void RunState(State state, StepOutcome& outcome);
    void ChangeSpeed(StepOutcome& outcome);
    void OpenPort(StepOutcome& outcome);
    void AwaitModelReply(StepOutcome& outcome);
    void ReceiveData(StepOutcome& outcome);
    void SendData(StepOutcome& outcome);
    void AwaitWriteAnswer(StepOutcome& outcome);
    void Drain(StepOutcome& outcome);

    void SendCommand(uint8_t command);
    void SendBytes(const cmcBuff& bytes);
    void ReadIntoReceiveQueue();
    bool ExtractFrame(cmcBuff& found);
    bool OpenAndFlush(const std::string& settings);
    void FlushInput();
    uint32_t TimeOutFor(State next) const;
    void SetCode(CloneResult code) { m_result->code = code; }

    int32_t m_modelWord1 = 0;
    int32_t m_modelWord2 = 0;
    int32_t m_imageSize = 1;
    int32_t m_portNumber = 1;
    std::string m_lineSettings = "9600,n,8,1";
    int32_t m_commandPreamble = 0;
    int32_t m_dataPreamble = 0;
    int32_t m_firstDataPreamble = 0;
    CloneOperation m_operation = CloneOperation::kNone;
    bool m_echoOn = false;
    cmcClock& m_clock;
    cmcComm m_port;
    cmcBuff m_receiveQueue;
    cmcBuff m_frame;  // the frame being assembled, or the staged data frames of a write
    cmcBuff m_echoQueue;
    static constexpr int32_t kReadChunk = 256;  // the most bytes one read takes from the port
    uint8_t m_readScratch[kReadChunk] = {};
    std::string m_script;
    int32_t m_frameCount = 0;
    int32_t m_dataByteCount = 0;
    const AddressRange* m_ranges = nullptr;
    const AddressRange* m_currentRange = nullptr;
    int32_t m_currentAddress = 0;
    std::unique_ptr<dst_CDrv_Result> m_result;
    Completion m_completion;
    State m_state = State::kIdle;
    cmcTick m_timeOut;
    uint32_t m_normalTimeOutMs = 1000;
    uint32_t m_scriptTimeOutMs = 1000;
    uint32_t m_writeAnswerTimeOutMs = 2000;
    cmcTaskPtr m_stepTask;
};
