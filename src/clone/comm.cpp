#include "clone/comm.h"

#include <algorithm>

#include "clone/line_settings.h"

cmcComm::cmcComm(cmcSerialBackend& backend, cmcTimerService& timers)
    : m_backend(backend), m_pump(cmcTask::Create(timers)) {
    m_pump->SetCallback([this](cmcTask&) { PumpOutput(); });
}

cmcComm::~cmcComm() {
    Close();
}

bool cmcComm::Open(int32_t port, const std::string& settings) {
    if (IsOpen()) return false;
    m_port = port;
    m_writeFailed = false;
    m_problem = datPortProblem{};
    m_problem.port = port;
    if (!ApplyLineSettings(settings, m_settings)) {
        m_problem.kind = PortProblem::kSetup;
        return false;
    }
    m_line = m_backend.Open(port, m_problem);
    if (!m_line) return false;
    if (!m_line->SetQueueSizes(m_inQueueSize, m_outQueueSize) || !m_line->Purge()) {
        m_problem.kind = PortProblem::kSetup;
        return false;
    }
    if (!m_line->Configure(m_settings)) {
        m_problem.kind = PortProblem::kSetup;
        Close();
        return false;
    }
    return true;
}

void cmcComm::Close() {
    m_pump->SetInterval(-1);
    m_line.reset();
    m_output.Reset();
    m_writeFailed = false;
}

void cmcComm::Send(const uint8_t* bytes, int32_t length) {
    if (!IsOpen()) return;
    m_pump->SetInterval(-1);
    m_output.Append(bytes, length);
    m_pump->SetInterval(0);
    PumpOutput();
}

void cmcComm::PumpOutput() {
    int32_t next = -1;
    if (IsOpen()) {
        const int32_t n = std::min(m_output.Size(), static_cast<int32_t>(m_outQueueSize));
        if (OutQueueCount() != 0) {
            next = kPumpDrainIntervalMs;
        } else {
            const int32_t written = m_line->Write(m_output.Data(), n);
            if (written < n) {
                // The bytes stay buffered and the pump stops; the driver ends the operation.
                m_writeFailed = true;
            } else if (m_output.Size() > n) {
                m_output.DropFront(n);
                next = kPumpDrainIntervalMs;
            } else {
                m_output.Resize(0);
            }
        }
    }
    m_pump->SetInterval(next);
}

int32_t cmcComm::Read(uint8_t* buffer, int32_t length) {
    if (!IsOpen()) return 0;
    const int32_t n = std::min(InQueueCount(), length);
    if (n <= 0) return 0;
    return std::max(m_line->Read(buffer, n), 0);
}

int32_t cmcComm::InQueueCount() {
    return IsOpen() ? std::max(m_line->InQueueCount(), 0) : 0;
}

int32_t cmcComm::OutQueueCount() {
    return IsOpen() ? std::max(m_line->OutQueueCount(), 0) : 0;
}
