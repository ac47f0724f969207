// Load and save of a whole clone file (range 0x0000-0x45CF). Save is measured twice: composing
// and writing into a memory-backed folder (no disk flush worth the name), and onto the disk with
// its flush, so that the flush is reported apart.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "model/clone_file.h"
#include "model/eeprom.h"

namespace {

struct Document {
    cmcEeprom image;
    cmcClnFile file;

    Document() {
        image.SetSize(kImageSize);
        for (int32_t address = 0; address < kImageSize; ++address) {
            image.SetByte(address, static_cast<uint8_t>(address * 13));
        }
        file.SetImage(image);
        file.SetModelCode(0x3338);
        file.SetSubCode(0x0001);
        file.SetMapRevision(2);
        file.SetMapRevisionCheck([](int32_t revision) { return revision == 2; });
    }
};

std::string ScratchFile(const std::filesystem::path& folder) {
    return (folder / ("ktv818x-bench-" + std::to_string(getpid()) + ".ktv")).string();
}

std::filesystem::path MemoryFolder() {
    return std::filesystem::exists("/dev/shm") ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
}

void BM_LoadFullFile(benchmark::State& state) {
    Document document;
    const std::string path = ScratchFile(MemoryFolder());
    document.file.Save(path, kCloneFileRanges);
    for (auto _ : state) {
        if (document.file.Load(path, kCloneFileRanges) != CloneFileResult::kOk) {
            state.SkipWithError("load failed");
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadFullFile)->Unit(benchmark::kMicrosecond);

void SaveInto(benchmark::State& state, const std::filesystem::path& folder) {
    Document document;
    const std::string path = ScratchFile(folder);
    for (auto _ : state) {
        if (document.file.Save(path, kCloneFileRanges) != CloneFileResult::kOk) {
            state.SkipWithError("save failed");
        }
    }
    std::filesystem::remove(path);
}

void BM_SaveFullFileToMemoryFolder(benchmark::State& state) {
    SaveInto(state, MemoryFolder());
}
BENCHMARK(BM_SaveFullFileToMemoryFolder)->Unit(benchmark::kMicrosecond);

void BM_SaveFullFileToDiskWithFlush(benchmark::State& state) {
    SaveInto(state, std::filesystem::temp_directory_path());
}
BENCHMARK(BM_SaveFullFileToDiskWithFlush)->Unit(benchmark::kMicrosecond);

}  // namespace
