#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/eeprom.h"
#include "radio_frames.h"
#include "sim_memory.h"
#include "sim_options.h"

// The radio's side of the clone protocol. It hears the program's bytes as they cross the wire,
// answers E0 with its model reply, sends its memory for E2 as E4 frames and an E5 end frame,
// takes E3, E4 frames and an E5 frame and answers E6, and follows E8 to 38400 baud. A frame
// the program sends at another speed than the radio listens at is noise to it.
class SimRadio {
public:
    using Sender = std::function<void(const SimBytes& bytes)>;
    using Logger = std::function<void(const std::string& text)>;

    SimRadio(const SimOptions& options, SimMemory& memory, Sender send, Logger log);

    // A byte of the program has crossed the wire; programBaud is the speed the program set.
    void Hear(uint8_t byte, uint32_t programBaud);
    // The line has room: a read in progress queues its next frames while fewer than lowWater
    // bytes wait on the wire.
    void Pump(size_t queuedOnWire);
    // The program closed its port: an unfinished operation is dropped.
    void PortClosed();
    // Nothing waits on the wire. After an operation, or after a long silence, the radio falls
    // back to 9600 baud.
    void LineDrained(bool longSilence);

    uint32_t Baud() const { return m_baud; }
    bool IsBusy() const { return m_state != State::kIdle; }
    bool WantsHangUp() const { return m_hangUp; }

private:
    enum class State { kIdle, kReading, kWriting };

    void OnFrame(const SimBytes& frame, uint32_t programBaud);
    void AnswerModelRequest();
    void StartRead();
    void QueueNextReadFrame();
    void StartWrite();
    void TakeWriteData(const SimBytes& text);
    void FinishWrite(const SimBytes& payload);
    bool IsOwnModel(const SimBytes& frame) const;

    const SimOptions& m_options;
    SimMemory& m_memory;
    Sender m_send;
    Logger m_log;
    State m_state = State::kIdle;
    uint32_t m_baud = 9600;
    bool m_hangUp = false;
    bool m_operationEnded = false;

    SimBytes m_frame;  // the program's frame being heard, after its leading FE bytes
    bool m_inFrame = false;

    // Read: the next address to send and the data frames sent.
    int m_readAddress = 0;
    int m_readIndex = 0;
    int m_framesSent = 0;
    bool m_endSent = false;

    // Write: the memory as it will be once the write is accepted.
    cmcEeprom m_staged;
    int m_framesTaken = 0;
    bool m_writeBroken = false;
    bool m_muted = false;  // after a write, with the fault that silences the radio
};
