#include "shipped_overlay.h"

#include <string_view>

#include "model/address_range.h"
#include "model/cell_request.h"
#include "model/clone_file.h"
#include "model/model_class.h"
#include "support/test_paths.h"

namespace {

constexpr int32_t kModelCode = 0x3338;
constexpr int32_t kSubCode = 0x0001;

bool IsEndOfSection(const std::string& line) {
    return !line.empty() && line[0] == '#';
}

}  // namespace

clsShippedOverlay::clsShippedOverlay() {
    store.SetSourceFile(BinPath("KTV818X.OVL").string());
    help.SetSourceFile(BinPath("KTV818XH.OVL").string());
    SetMainGTex(&store);
}

clsShippedOverlay::~clsShippedOverlay() {
    SetMainGTex(nullptr);
}

std::vector<std::string> clsShippedOverlay::Lines(const std::string& key) {
    std::vector<std::string> lines;
    for (int32_t i = 0;; ++i) {
        std::string line = store.GetLine(key, i);
        if (IsEndOfSection(line)) break;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<cmcCellObj> clsShippedOverlay::ParseRow(const std::string& row,
                                                    const cmcCellObj* parent,
                                                    clsSheetVariables& variables) {
    std::vector<cmcCellObj> cells;
    std::string_view rest = row;
    do {
        cmcCellObj cell;
        rest = cell.ParseCell(rest, &variables, parent);
        cells.push_back(std::move(cell));
    } while (!rest.empty());
    return cells;
}

cmcCellObj clsShippedOverlay::ParseItem(const std::string& line, const cmcCellObj& parent) {
    const size_t plus = line.find('+');
    const std::string text = plus == std::string::npos ? "" : line.substr(plus + 1);
    clsSheetVariables variables{};
    cmcCellObj cell;
    cell.ParseCell(text, &variables, &parent);
    return cell;
}

std::vector<std::string> clsShippedOverlay::TreeSheets() {
    clsSheetVariables variables{};
    cmcCellObj basic;
    basic.ParseCell(store.GetFirstLine("GI_Tree_Main_BasicCell"), &variables, nullptr);
    std::vector<std::string> sheets;
    for (const std::string& line : Lines("GI_Tree_Main_Body")) {
        const cmcCellObj node = ParseItem(line, basic);
        if (node.GetLabel() == CallSheet) sheets.push_back(node.GetSuffix());
    }
    return sheets;
}

std::vector<std::string> clsShippedOverlay::ShownSheets(int32_t modelType, const cmcEeprom& image) {
    constexpr int32_t kBandSwitches = 0x0B98;
    const uint8_t bands = image.GetByte(kBandSwitches);
    // Tree groups, each an option flag of the node's cell, and whether the tree drops them.
    const bool dropped[] = {
        true,                      // 0: maker pages
        (bands & 0x01) == 0,       // 1: USA channels
        (bands & 0x04) == 0,       // 2: Canada channels
        (bands & 0x02) == 0,       // 3: weather channels
        IsModelClassA(modelType),  // 4: the European pages
        IsModelClassB(modelType),  // 5: the handheld pages
    };
    clsSheetVariables variables{};
    cmcCellObj basic;
    basic.ParseCell(store.GetFirstLine("GI_Tree_Main_BasicCell"), &variables, nullptr);
    std::vector<std::string> sheets;
    for (const std::string& line : Lines("GI_Tree_Main_Body")) {
        const cmcCellObj node = ParseItem(line, basic);
        bool shown = node.GetLabel() == CallSheet;
        for (int group = 0; group < 6; ++group) {
            if (dropped[group] && node.GetOptionFlag(group)) shown = false;
        }
        if (shown) sheets.push_back(node.GetSuffix());
    }
    return sheets;
}

clsShippedHost::clsShippedHost(clsShippedOverlay& overlay)
    : m_overlay(overlay), m_choiceSource(overlay.store), m_choiceLists(m_choiceSource) {
    confirmAnswer = false;
    workingDirectory = "/home/skipper";
    SetEngineHost(this);
}

clsShippedHost::~clsShippedHost() {
    SetEngineHost(nullptr);
}

bool clsShippedHost::LoadInitialImage(int32_t modelType) {
    cmcClnFile file;
    file.SetImage(image);
    file.SetModelCode(kModelCode);
    file.SetSubCode(kSubCode);
    file.SetMapRevisionCheck([](int32_t revision) { return revision == 2; });
    const std::string path =
        BinPath(m_overlay.store.GetLine("GI_App_InitialFile", modelType)).string();
    if (file.Load(path, kCloneFileRanges) != CloneFileResult::kOk) return false;
    environ.Settings().modelType = modelType;
    return true;
}

std::string clsShippedHost::Text(const std::string& key, int32_t line) {
    return m_overlay.store.GetLine(key, line);
}
