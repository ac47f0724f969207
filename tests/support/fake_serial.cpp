#include "support/fake_serial.h"

#include <algorithm>

class FakeSerialBackend::Line : public cmcSerialLine {
public:
    explicit Line(FakeSerialBackend& backend) : m_backend(backend) {}
    ~Line() override {
        m_backend.m_open = false;
        m_backend.m_line = nullptr;
        m_backend.m_transmit.clear();
    }

    bool SetQueueSizes(uint32_t, uint32_t) override { return true; }
    bool Purge() override {
        m_backend.m_receive.clear();
        m_backend.m_transmit.clear();
        return true;
    }
    bool Configure(const datLineSettings& settings) override {
        m_settings = settings;
        m_backend.opens.push_back({m_port, settings});
        return true;
    }
    int32_t InQueueCount() override {
        m_backend.Advance();
        return static_cast<int32_t>(m_backend.m_receive.size());
    }
    int32_t OutQueueCount() override {
        m_backend.Advance();
        return static_cast<int32_t>(m_backend.m_transmit.size());
    }
    int32_t Read(uint8_t* buffer, int32_t length) override {
        m_backend.Advance();
        int32_t count = 0;
        while (count < length && !m_backend.m_receive.empty()) {
            buffer[count++] = m_backend.m_receive.front();
            m_backend.m_receive.pop_front();
        }
        return count;
    }
    int32_t Write(const uint8_t* bytes, int32_t length) override {
        m_backend.Advance();
        m_backend.writes.push_back(length);
        m_backend.queueAtWrite.push_back(static_cast<int32_t>(m_backend.m_transmit.size()));
        const int32_t taken =
            m_backend.writeLimit >= 0 ? std::min(length, m_backend.writeLimit) : length;
        if (m_backend.m_transmit.empty()) m_backend.m_nextLeaveMs = m_backend.m_nowMs + ByteMs();
        m_backend.m_transmit.insert(m_backend.m_transmit.end(), bytes, bytes + taken);
        m_backend.Advance();
        return taken;
    }

    int32_t m_port = 0;
    datLineSettings m_settings;

    double ByteMs() const { return 10000.0 / std::max<uint32_t>(m_settings.baud, 1); }

private:
    FakeSerialBackend& m_backend;
};

std::unique_ptr<cmcSerialLine> FakeSerialBackend::Open(int32_t port, datPortProblem& problem) {
    problem = datPortProblem{};
    problem.port = port;
    if (!portExists) {
        problem.kind = PortProblem::kNoDevice;
        return nullptr;
    }
    if (m_open) {
        problem.kind = PortProblem::kBusy;
        return nullptr;
    }
    auto line = std::make_unique<Line>(*this);
    line->m_port = port;
    m_open = true;
    m_lastMs = m_clock.NowMs();
    m_nowMs = 0;
    m_nextLeaveMs = 0;
    m_line = line.get();
    return line;
}

void FakeSerialBackend::Deliver(const std::vector<uint8_t>& bytes) {
    m_receive.insert(m_receive.end(), bytes.begin(), bytes.end());
}

void FakeSerialBackend::Advance() {
    const uint32_t now = m_clock.NowMs();
    m_nowMs += static_cast<uint32_t>(now - m_lastMs);
    m_lastMs = now;
    while (m_line != nullptr && !m_transmit.empty() && (!paced || m_nextLeaveMs <= m_nowMs)) {
        const uint8_t byte = m_transmit.front();
        m_transmit.pop_front();
        m_nextLeaveMs += m_line->ByteMs();
        Cross(byte);
    }
}

void FakeSerialBackend::Cross(uint8_t byte) {
    const auto index = static_cast<int32_t>(wire.size());
    wire.push_back(byte);
    if (echo)
        m_receive.push_back(index == corruptEchoAt ? static_cast<uint8_t>(byte ^ 0x55) : byte);
    if (peer) peer(byte);
}
