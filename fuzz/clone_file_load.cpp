// Feeds arbitrary files to the clone file reader: it must never crash, and every failed load must
// leave the image byte for byte as it was.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/clone_file.h"
#include "model/eeprom.h"
#include "platform/fatal.h"

namespace {

std::string ScratchPath() {
    static const std::string path = "/tmp/ktv818x-fuzz-clone-" + std::to_string(getpid());
    return path;
}

void FillPattern(cmcEeprom& image) {
    for (int32_t address = 0; address < image.GetSize(); ++address) {
        image.SetByte(address, static_cast<uint8_t>(address ^ 0x5A));
    }
}

// The pattern image is made once per process; each load starts from a copy of it.
const cmcEeprom& Pattern() {
    static cmcEeprom pattern;
    if (pattern.GetSize() != kImageSize) {
        pattern.SetSize(kImageSize);
        FillPattern(pattern);
    }
    return pattern;
}

void LoadAndCheck(const AddressRange* ranges) {
    const cmcEeprom& before = Pattern();
    static cmcEeprom image;
    image.SetSize(kImageSize);
    image.Assign(before);
    cmcClnFile file;
    file.SetImage(image);
    file.SetModelCode(0x3338);
    file.SetSubCode(0x0001);
    file.SetMapRevisionCheck([](int32_t revision) { return revision == 2; });
    const CloneFileResult result = file.Load(ScratchPath(), ranges);
    if (static_cast<int32_t>(result) < 0 || static_cast<int32_t>(result) > 9) std::abort();
    if (result != CloneFileResult::kOk && image.Differs(before)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // No fatal path is reachable from a file: any fatal end is a finding.
    SetFatalHandler([](const std::string&) { std::abort(); });
    std::FILE* scratch = std::fopen(ScratchPath().c_str(), "wb");
    if (!scratch) return 0;
    std::fwrite(data, 1, size, scratch);
    std::fclose(scratch);
    LoadAndCheck(nullptr);
    LoadAndCheck(kCloneFileRanges);
    return 0;
}
