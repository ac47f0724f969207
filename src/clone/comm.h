#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/buff.h"
#include "base/task.h"
#include "platform/serial_line.h"
#include "platform/timer_service.h"

// The program's one link to the radio: a serial port opened by number with a line settings text
// such as "9600,N,8,1", moved in raw bytes. Reads never wait. Writes go into an own output
// buffer, which a timer-driven pump hands to the system in chunks of at most 1024 bytes, and
// only when the system's transmit queue is empty: the transmit side stays short, and the
// pending output tells when everything sent has left. Everything runs on the GUI thread.
class cmcComm {
public:
    cmcComm(cmcSerialBackend& backend, cmcTimerService& timers);
    ~cmcComm();
    cmcComm(const cmcComm&) = delete;
    cmcComm& operator=(const cmcComm&) = delete;

    // Fails at once, changing nothing, when the port is open. A failure after the device opened
    // may leave it open until Close (the clone driver always closes).
    bool Open(int32_t port, const std::string& settings);
    void Close();
    bool IsOpen() const { return m_line != nullptr; }

    // Queues bytes for sending; never refuses data. Nothing happens when closed.
    void Send(const uint8_t* bytes, int32_t length);
    // Bytes read now, 0 when closed or when the read fails.
    int32_t Read(uint8_t* buffer, int32_t length);
    // The system's receive and transmit queues; 0 when closed or when the query fails.
    int32_t InQueueCount();
    int32_t OutQueueCount();
    // Bytes sent that have not yet left the system's transmit queue.
    int32_t PendingOutput() { return OutQueueCount() + m_output.Size(); }
    // The system took fewer bytes than the pump offered.
    bool WriteFailed() const { return m_writeFailed; }

    int32_t PortNumber() const { return m_port; }
    const datLineSettings& LineSettings() const { return m_settings; }
    // Why the last Open failed.
    const datPortProblem& OpenProblem() const { return m_problem; }

private:
    void PumpOutput();

    cmcSerialBackend& m_backend;
    std::unique_ptr<cmcSerialLine> m_line;
    int32_t m_port = 0;
    bool m_writeFailed = false;
    uint32_t m_inQueueSize = 32000;
    uint32_t m_outQueueSize = 1024;  // also the largest chunk the pump writes
    cmcBuff m_output;
    datLineSettings m_settings;
    datPortProblem m_problem;
    cmcTaskPtr m_pump;
};

// The pump's pace while the system's transmit queue drains.
constexpr int32_t kPumpDrainIntervalMs = 10;
