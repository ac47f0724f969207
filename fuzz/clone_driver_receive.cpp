// Whatever the radio sends, the clone driver ends its operation with a result code: the bytes
// after the program's request go, in chunks of varying size, into an information exchange, a
// clone read or a clone write. The line echoes the program's bytes as the single-wire cable does.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "clone/clone_driver.h"
#include "clone/clone_ranges.h"
#include "platform/clock.h"
#include "platform/timer_queue.h"

namespace {

class VirtualTime : public cmcTimerQueue, public cmcClock {
public:
    uint32_t NowMs() const override { return static_cast<uint32_t>(m_now); }
    void Sleep(uint32_t ms) override { m_now += ms; }
    void RunUntilIdle(const cmcCloneDrv& driver) {
        for (int guard = 0; driver.IsBusy() && guard < 100000; ++guard) {
            const auto due = NextDue();
            if (!due) return;
            m_now = *due > m_now ? *due : m_now;
            FireOne(m_now);
        }
    }

protected:
    uint64_t QueueNow() const override { return m_now; }

private:
    uint64_t m_now = 0;
};

// The radio's bytes arrive a few at a time after the program's first write.
class ScriptedLine : public cmcSerialLine, public cmcSerialBackend {
public:
    ScriptedLine(const uint8_t* data, size_t size) : m_radio(data, data + size) {}

    std::unique_ptr<cmcSerialLine> Open(int32_t, datPortProblem&) override {
        return std::make_unique<Handle>(*this);
    }
    bool SetQueueSizes(uint32_t, uint32_t) override { return true; }
    bool Purge() override { return true; }
    bool Configure(const datLineSettings&) override { return true; }
    int32_t InQueueCount() override {
        if (m_written && !m_radio.empty()) {
            // The chunk size follows the data, so the fuzzer explores frame splits too.
            const size_t chunk = 1 + m_radio.front() % 64;
            for (size_t i = 0; i < chunk && !m_radio.empty(); ++i) {
                m_received.push_back(m_radio.front());
                m_radio.pop_front();
            }
        }
        return static_cast<int32_t>(m_received.size());
    }
    int32_t OutQueueCount() override { return 0; }
    int32_t Read(uint8_t* buffer, int32_t length) override {
        int32_t count = 0;
        for (; count < length && !m_received.empty(); ++count) {
            buffer[count] = m_received.front();
            m_received.pop_front();
        }
        return count;
    }
    int32_t Write(const uint8_t* bytes, int32_t length) override {
        m_received.insert(m_received.end(), bytes, bytes + length);  // the echo
        m_written = true;
        return length;
    }

private:
    class Handle : public cmcSerialLine {
    public:
        explicit Handle(ScriptedLine& line) : m_line(line) {}
        bool SetQueueSizes(uint32_t input, uint32_t output) override {
            return m_line.SetQueueSizes(input, output);
        }
        bool Purge() override { return m_line.Purge(); }
        bool Configure(const datLineSettings& settings) override {
            return m_line.Configure(settings);
        }
        int32_t InQueueCount() override { return m_line.InQueueCount(); }
        int32_t OutQueueCount() override { return m_line.OutQueueCount(); }
        int32_t Read(uint8_t* buffer, int32_t length) override {
            return m_line.Read(buffer, length);
        }
        int32_t Write(const uint8_t* bytes, int32_t length) override {
            return m_line.Write(bytes, length);
        }

    private:
        ScriptedLine& m_line;
    };

    std::deque<uint8_t> m_radio;
    std::deque<uint8_t> m_received;
    bool m_written = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    VirtualTime time;
    ScriptedLine line(data + 1, size - 1);
    cmcCloneDrv driver(line, time, time);
    driver.SetModel(0x3338, 0);
    driver.SetImageSize(kImageSize);
    driver.SetEcho(true);
    bool finished = false;
    auto done = [&](dst_CDrv_Result&) { finished = true; };
    cmcEeprom image;
    image.SetSize(kImageSize);
    switch (data[0] % 3) {
        case 0:
            driver.StartInfo(done);
            break;
        case 1:
            driver.StartRead(kCloneReadRanges, done);
            break;
        default:
            driver.StartWrite(image, kCloneWriteNormalRanges, done);
            break;
    }
    time.RunUntilIdle(driver);
    if (!finished) __builtin_trap();  // every operation ends
    return 0;
}
