// Clone read and clone write of the full ranges against ktv818x-radio-sim --pace, which moves
// bytes at the real line rate. Reported: the wall time of the operation divided by the time
// its bytes need on the wire (every byte that crosses the line, either way, at the speed the
// line was set to when it crossed). 1.00 would mean the driver never leaves the line idle.
// Each run takes as long as the transfer on a real line: about a minute at 9600 baud.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "clone/clone_driver.h"
#include "clone/clone_ranges.h"
#include "clone/line_profile.h"
#include "model/eeprom.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/posix_serial.h"
#include "support/radio_sim_process.h"
#include "support/test_paths.h"

namespace {

constexpr int kPort = 9;

// The POSIX lines, counting the time on the wire of every byte the program receives: its own
// bytes come back as echo, so that is every byte that crossed the line.
class WireTimeBackend : public cmcSerialBackend {
public:
    std::unique_ptr<cmcSerialLine> Open(int32_t port, datPortProblem& problem) override {
        auto line = m_posix.Open(port, problem);
        if (!line) return nullptr;
        return std::make_unique<Line>(std::move(line), *this);
    }

    double wireSeconds = 0;
    long bytes = 0;

private:
    class Line : public cmcSerialLine {
    public:
        Line(std::unique_ptr<cmcSerialLine> line, WireTimeBackend& owner)
            : m_line(std::move(line)), m_owner(owner) {}
        bool SetQueueSizes(uint32_t input, uint32_t output) override {
            return m_line->SetQueueSizes(input, output);
        }
        bool Purge() override { return m_line->Purge(); }
        bool Configure(const datLineSettings& settings) override {
            m_baud = settings.baud;
            return m_line->Configure(settings);
        }
        int32_t InQueueCount() override { return m_line->InQueueCount(); }
        int32_t OutQueueCount() override { return m_line->OutQueueCount(); }
        int32_t Read(uint8_t* buffer, int32_t length) override {
            const int32_t count = m_line->Read(buffer, length);
            if (count > 0) {
                m_owner.bytes += count;
                m_owner.wireSeconds += count * 10.0 / m_baud;
            }
            return count;
        }
        int32_t Write(const uint8_t* bytes, int32_t length) override {
            return m_line->Write(bytes, length);
        }

    private:
        std::unique_ptr<cmcSerialLine> m_line;
        WireTimeBackend& m_owner;
        uint32_t m_baud = 9600;
    };

    cmcPosixSerialBackend m_posix;
};

enum Operation { kRead, kWrite };

void BM_CloneTransfer(benchmark::State& state) {
    const auto operation = static_cast<Operation>(state.range(0));
    const bool high = state.range(1) == 38400;
    for (auto _ : state) {
        TempFolder folder;
        RadioSimProcess sim(folder.path(), kPort, {"--pace"});
        if (!sim.IsReady()) {
            state.SkipWithError("the radio simulator did not start");
            return;
        }
        cmcSteadyClock clock;
        cmcEventLoop loop(clock);
        WireTimeBackend serial;
        cmcCloneDrv driver(serial, loop, clock);
        driver.SetModel(0x3338, 0);
        driver.SetImageSize(kImageSize);
        ConfigureCloneLine(driver, kPort, high, 0x3338);
        cmcEeprom image;
        image.SetSize(kImageSize);
        for (int32_t address = 0; address < kImageSize; ++address)
            image.SetByte(address, static_cast<uint8_t>(address * 3));

        CloneResult code = CloneResult::kPortOpen;
        auto done = [&](dst_CDrv_Result& result) { code = result.code; };
        const auto start = std::chrono::steady_clock::now();
        if (operation == kRead) {
            driver.StartRead(kCloneReadRanges, done);
        } else {
            driver.StartWrite(image, kCloneWriteFullRanges, done);
        }
        loop.RunUntil([&] { return !driver.IsBusy(); }, 600000);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (code != CloneResult::kOk) {
            state.SkipWithError(
                ("the transfer ended with code " + std::to_string(static_cast<int>(code))).c_str());
            return;
        }
        state.SetIterationTime(wall);
        state.counters["wire_s"] = serial.wireSeconds;
        state.counters["bytes"] = static_cast<double>(serial.bytes);
        state.counters["ratio"] = wall / serial.wireSeconds;
    }
}

BENCHMARK(BM_CloneTransfer)
    ->ArgNames({"write", "baud"})
    ->Args({kRead, 9600})
    ->Args({kRead, 38400})
    ->Args({kWrite, 9600})
    ->Args({kWrite, 38400})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
