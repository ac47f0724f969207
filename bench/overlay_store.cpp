// Keyed reading of a large overlay file: a generated overlay of about 5 MB in 20,000 sections,
// read through the file system. The store scans headers lazily, so the first lookup of an early
// key costs little and the lookup of the last key scans the whole file; once a section is found,
// sequential GetLine reads each line once, and a re-read of a recent section comes from the cache.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "overlay/gtex.h"

namespace {

constexpr int kSections = 20000;
// Early, so that finding them costs the untimed setup little.
constexpr int kLongSections[] = {10, 11};  // 500 lines each
constexpr int kLongLines = 500;
constexpr int kShortSection = 12;  // 50 lines: fits the 64-line cache
constexpr int kShortLines = 50;

std::string Key(int section) {
    return "GI_Bench_Section_" + std::to_string(section);
}

int LinesOf(int section) {
    if (section == kLongSections[0] || section == kLongSections[1]) return kLongLines;
    return section == kShortSection ? kShortLines : 4;
}

class GeneratedOverlay {
public:
    GeneratedOverlay() {
        const auto folder = std::filesystem::exists("/dev/shm")
                                ? std::filesystem::path("/dev/shm")
                                : std::filesystem::temp_directory_path();
        m_path = (folder / ("ktv818x-bench-" + std::to_string(getpid()) + ".OVL")).string();
        std::ofstream out(m_path, std::ios::binary);
        for (int section = 0; section < kSections; ++section) {
            out << '#' << Key(section) << "\r\n";
            for (int line = 0; line < LinesOf(section); ++line)
                out << "{($Basic)(%CT_Null.CL_Dummy)}Line " << line << " of section " << section
                    << "|\r\n";
            out << "#\r\n";
        }
        out << "#End_Of_Ovl\r\n";
    }
    ~GeneratedOverlay() { std::filesystem::remove(m_path); }

    const std::string& path() const { return m_path; }
    uintmax_t size() const { return std::filesystem::file_size(m_path); }

private:
    std::string m_path;
};

const GeneratedOverlay& Overlay() {
    static const GeneratedOverlay overlay;
    return overlay;
}

std::unique_ptr<cmcGTex> FreshStore() {
    auto store = std::make_unique<cmcGTex>();
    store->SetSourceFile(Overlay().path());
    return store;
}

void BM_FirstLookupOfAnEarlyKey(benchmark::State& state) {
    for (auto _ : state) {
        auto store = FreshStore();
        benchmark::DoNotOptimize(store->GetFirstLine(Key(5)));
    }
}
BENCHMARK(BM_FirstLookupOfAnEarlyKey)->Unit(benchmark::kMicrosecond);

void BM_FirstLookupOfTheLastKey(benchmark::State& state) {
    for (auto _ : state) {
        auto store = FreshStore();
        benchmark::DoNotOptimize(store->GetFirstLine(Key(kSections - 1)));
    }
    state.counters["file_MB"] = static_cast<double>(Overlay().size()) / 1e6;
}
BENCHMARK(BM_FirstLookupOfTheLastKey)->Unit(benchmark::kMillisecond);

// 1,000 GetLine calls: the lines 0..499 of two 500-line sections, each line read once. The
// sections have been found (and their line 0 read) before the clock starts.
void BM_SequentialGetLine(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto store = FreshStore();
        for (int section : kLongSections)
            store->GetFirstLine(Key(section));
        state.ResumeTiming();
        for (int section : kLongSections) {
            const std::string key = Key(section);
            for (int line = 0; line < kLongLines; ++line)
                benchmark::DoNotOptimize(store->GetLine(key, line));
        }
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 2 * kLongLines);
}
BENCHMARK(BM_SequentialGetLine)->Unit(benchmark::kMicrosecond);

// Reading a 50-line section again after it was read: every line comes from the line cache.
void BM_ReReadOfARecentSection(benchmark::State& state) {
    auto store = FreshStore();
    const std::string key = Key(kShortSection);
    for (int line = 0; line < kShortLines; ++line)
        store->GetLine(key, line);
    for (auto _ : state) {
        for (int line = 0; line < kShortLines; ++line)
            benchmark::DoNotOptimize(store->GetLine(key, line));
    }
    state.SetItemsProcessed(state.iterations() * kShortLines);
}
BENCHMARK(BM_ReReadOfARecentSection)->Unit(benchmark::kMicrosecond);

}  // namespace
