// The command-line program as a script runs it, one process per run: check over 1000 copies of a
// full clone file, and export of every page of one file. A run of check over one file is the
// baseline of starting the program (overlay, template, controller), so that the per-file figure
// of check and the cost of export can be told apart from it. Print draws every page into a PDF.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_process.h"
#include "support/test_paths.h"

namespace {

constexpr int kCopies = 1000;

// A folder with kCopies copies of a full clone file, made once.
class Copies {
public:
    Copies()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("ktv-bench-cli-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(m_folder);
        const std::filesystem::path source = BinPath("initial") / "model_00.icf";
        for (int i = 0; i < kCopies; ++i) {
            const std::filesystem::path copy = m_folder / ("radio" + std::to_string(i) + ".icf");
            std::filesystem::copy_file(source, copy);
            m_paths.push_back(copy.string());
        }
    }
    ~Copies() { std::filesystem::remove_all(m_folder); }
    const std::vector<std::string>& Paths() const { return m_paths; }
    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::vector<std::string> m_paths;
};

const Copies& TheCopies() {
    static const Copies copies;
    return copies;
}

void BM_CheckOneFile(benchmark::State& state) {
    const std::vector<std::string> arguments{"check", TheCopies().Paths().front()};
    for (auto _ : state)
        if (RunCli(arguments, TheCopies().Folder()).status != 0)
            state.SkipWithError("check failed");
}
BENCHMARK(BM_CheckOneFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CheckThousandFiles(benchmark::State& state) {
    std::vector<std::string> arguments{"check"};
    arguments.insert(arguments.end(), TheCopies().Paths().begin(), TheCopies().Paths().end());
    for (auto _ : state)
        if (RunCli(arguments, TheCopies().Folder()).status != 0)
            state.SkipWithError("check failed");
    state.counters["files"] = benchmark::Counter(kCopies * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CheckThousandFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportAllSheets(benchmark::State& state) {
    const std::vector<std::string> arguments{"export", TheCopies().Paths().front()};
    for (auto _ : state)
        if (RunCli(arguments, TheCopies().Folder()).status != 0)
            state.SkipWithError("export failed");
}
BENCHMARK(BM_ExportAllSheets)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every page of the tree drawn into one PDF, as a dealer prints a radio's whole setup.
void BM_PrintAllPagesToPdf(benchmark::State& state) {
    const std::string pdf = (TheCopies().Folder() / "all.pdf").string();
    const std::vector<std::string> arguments{"print", TheCopies().Paths().front(), "--pdf", pdf};
    for (auto _ : state)
        if (RunCli(arguments, TheCopies().Folder()).status != 0)
            state.SkipWithError("print failed");
}
BENCHMARK(BM_PrintAllPagesToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
