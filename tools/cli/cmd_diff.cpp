#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/image_identity.h"
#include "cli_commands.h"
#include "cli_program.h"
#include "exit_status.h"
#include "model/address_range.h"
#include "model/clone_file.h"
#include "model/eeprom.h"
#include "page_cells.h"
#include "terminal_text.h"

namespace {

using clsBindingKey = std::tuple<int32_t, int32_t, int32_t>;  // category, label, index

// A page cell with a label, as a user would name it, and what it shows.
struct datCellView {
    std::string name;  // page title, row caption, column caption
    std::string text;
};

// What one file shows: every selectable page cell with a label, in page order.
struct datFileView {
    std::vector<clsBindingKey> order;
    std::map<clsBindingKey, datCellView> cells;
};

std::string Joined(const std::vector<std::string>& parts) {
    std::string joined;
    for (const std::string& part : parts) {
        const size_t first = part.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        const size_t last = part.find_last_not_of(' ');
        joined += (joined.empty() ? "" : ", ") + part.substr(first, last - first + 1);
    }
    return joined;
}

std::string RowCaption(cuiSheetListing& listing, int32_t row) {
    std::vector<std::string> parts;
    for (int32_t col = 0; col < listing.Sheet().FixedCols(); ++col)
        parts.push_back(listing.Text(col, row));
    return Joined(parts);
}

// The lowest caption above the column; a caption spanning several columns stands in its first.
std::string ColumnCaption(cuiSheetListing& listing, int32_t col) {
    for (int32_t row = listing.Sheet().FixedRows() - 1; row >= 0; --row) {
        for (int32_t c = col; c >= 0; --c) {
            const std::string text = listing.Text(c, row);
            if (!text.empty()) return text;
            if (!(listing.Cell(c, row).GetLayoutFlags() & clsCellLayout::kContinues)) break;
        }
    }
    return "";
}

datFileView ViewOf(cuiPageCells& cells, bool withNames) {
    datFileView view;
    for (size_t page = 0; page < cells.Pages().size(); ++page) {
        cuiSheetListing& listing = cells.Listing(page);
        for (int32_t row = listing.Sheet().FixedRows(); row < listing.RowCount(); ++row) {
            for (int32_t col = listing.Sheet().FixedCols(); col < listing.ColCount(); ++col) {
                const cmcCellObj& cell = listing.Cell(col, row);
                if (cell.GetLabel() == CL_None || !cell.IsSelectable()) continue;
                const clsBindingKey key{cell.GetCategory(), cell.GetLabel(), cell.GetIndex()};
                if (view.cells.count(key)) continue;
                datCellView shown{"", listing.Text(col, row)};
                if (withNames) {
                    shown.name = Joined({cells.Pages()[page].caption, RowCaption(listing, row),
                                         ColumnCaption(listing, col)});
                }
                view.order.push_back(key);
                view.cells.emplace(key, std::move(shown));
            }
        }
    }
    return view;
}

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

bool SameTexts(const datFileView& a, const datFileView& b) {
    for (const auto& [key, cell] : a.cells) {
        const auto it = b.cells.find(key);
        if (it == b.cells.end() || it->second.text != cell.text) return false;
    }
    return true;
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
    cmcEeprom rawA;
    cmcEeprom rawB;
    RawImage(program, pathA, rawA);
    RawImage(program, pathB, rawB);

    // A is open; B's texts come from the same pages over B's image.
    cuiPageCells cells(program);
    const datFileView viewA = ViewOf(cells, true);
    cmcEeprom& working = program.Main().WorkingImage();
    cmcEeprom imageA;
    imageA.Assign(working);
    program.OpenQuietly(pathB, text);
    const datFileView viewB = ViewOf(cells, false);

    bool different = false;
    for (const clsBindingKey& key : viewA.order) {
        const datCellView& a = viewA.cells.at(key);
        const auto b = viewB.cells.find(key);
        if (b != viewB.cells.end() && b->second.text == a.text) continue;
        different = true;
        const std::string now = b == viewB.cells.end() ? "(not shown)" : b->second.text;
        std::printf("%s: %s \u2192 %s\n", Utf8FromLatin1(a.name).c_str(),
                    Utf8FromLatin1(a.text).c_str(), Utf8FromLatin1(now).c_str());
    }

    // A differing byte is shown by a page when putting it alone into A changes some text. A
    // record's worth of bytes is tried together first: most records hold no shown byte at all.
    working.Assign(imageA);
    std::vector<int32_t> unshown;
    const auto shows = [&](const std::vector<int32_t>& addresses) {
        for (const int32_t address : addresses)
            working.SetByte(address, rawB.GetByte(address));
        const bool changed = !SameTexts(viewA, ViewOf(cells, false));
        for (const int32_t address : addresses)
            working.SetByte(address, imageA.GetByte(address));
        return changed;
    };
    for (int32_t record = 0; record < kImageSize; record += kCloneRecordSize) {
        std::vector<int32_t> differing;
        for (int32_t address = record; address < std::min(record + kCloneRecordSize, kImageSize);
             ++address) {
            if (rawA.GetByte(address) != rawB.GetByte(address)) differing.push_back(address);
        }
        if (differing.empty()) continue;
        different = true;
        if (!shows(differing)) {
            unshown.insert(unshown.end(), differing.begin(), differing.end());
            continue;
        }
        for (const int32_t address : differing)
            if (!shows({address})) unshown.push_back(address);
    }
    if (!unshown.empty()) std::printf("Bytes that no page shows:\n");
    for (const int32_t address : unshown) {
        std::printf("  %04X: %02X \u2192 %02X\n", static_cast<unsigned>(address),
                    rawA.GetByte(address), rawB.GetByte(address));
    }
    return different ? clsExitStatus::kDifferent : clsExitStatus::kOk;
}
