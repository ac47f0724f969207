#include <cstdio>
#include <string>
#include <vector>

#include "app/image_diff.h"
#include "app/image_identity.h"
#include "app/tree_pages.h"
#include "cli_commands.h"
#include "cli_program.h"
#include "exit_status.h"
#include "model/address_range.h"
#include "model/clone_file.h"
#include "model/eeprom.h"
#include "terminal_text.h"

namespace {

// The file's image byte for byte as it holds it, before any normalising.
bool RawImage(cuiCliProgram& program, const std::string& path, cmcEeprom& image) {
    image.SetSize(kImageSize);
    cmcClnFile file;
    file.SetImage(image);
    file.SetModelCode(program.Main().ModelCode());
    file.SetSubCode(program.Main().SubCode());
    file.SetMapRevisionCheck([](int32_t revision) { return revision == kMapRevision; });
    return file.Load(path, kCloneFileRanges) == CloneFileResult::kOk;
}

}  // namespace

int RunDiff(const clsCliCommand& command, const datParsedArguments& arguments) {
    const std::string& pathA = arguments.operands[0];
    const std::string& pathB = arguments.operands[1];
    cuiCliProgram program({});
    std::string text;
    for (const std::string& path : {pathB, pathA}) {
        if (program.OpenQuietly(path, text) != 0) {
            ReportError(command, path + ": " + text);
            return clsExitStatus::kCannotOpen;
        }
    }
    // A is open, so the pages are A's model type's; the maker-only pages are left out. The
    // cells are compared as the files open (normalised), the bytes as the files hold them.
    cmcEeprom imageA;
    imageA.Assign(program.Main().WorkingImage());
    program.OpenQuietly(pathB, text);
    cmcEeprom imageB;
    imageB.Assign(program.Main().WorkingImage());
    program.OpenQuietly(pathA, text);
    cmcEeprom rawA;
    cmcEeprom rawB;
    RawImage(program, pathA, rawA);
    RawImage(program, pathB, rawB);
    std::vector<datTreePage> pages = ReadTreePages(program.GTex());
    std::erase_if(pages, [](const datTreePage& page) { return page.makerOnly; });
    cuiImageDiff diff(program.GTex(), program.Main(), std::move(pages));
    const datImageDifferences differences = diff.Compare(imageA, imageB, rawA, rawB);
    for (const datCellDifference& cell : differences.cells) {
        std::printf("%s: %s \u2192 %s\n", Utf8FromLatin1(cell.name).c_str(),
                    Utf8FromLatin1(cell.before).c_str(), Utf8FromLatin1(cell.after).c_str());
    }
    if (!differences.bytes.empty()) std::printf("Bytes that no page shows:\n");
    for (const datByteDifference& byte : differences.bytes) {
        std::printf("  %04X: %02X \u2192 %02X\n", static_cast<unsigned>(byte.address), byte.before,
                    byte.after);
    }
    return differences.IsEmpty() ? clsExitStatus::kOk : clsExitStatus::kDifferent;
}
