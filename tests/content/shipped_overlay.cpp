#include "shipped_overlay.h"

#include <cstdlib>
#include <string_view>

#include "model/address_range.h"
#include "model/cell_request.h"
#include "model/clone_file.h"
#include "model/model_class.h"
#include "support/test_paths.h"

namespace {

constexpr int32_t kModelCode = 0x3338;
constexpr int32_t kSubCode = 0x0001;
constexpr int32_t kBankSlots = 421;  // a "LoopFrom" without a count: every slot of a bank
constexpr int32_t kOptionByte = 0x0B99;
constexpr uint8_t kNoiseCancelFitted = 0x08;

bool IsEndOfSection(const std::string& line) {
    return !line.empty() && line[0] == '#';
}

// The directive groups of a ":" line: "(LoopFrom 70)" gives {"LoopFrom", "70"}.
std::vector<std::pair<std::string, std::string>> Directives(const std::string& line) {
    std::vector<std::pair<std::string, std::string>> found;
    for (size_t open = line.find('('); open != std::string::npos; open = line.find('(', open + 1)) {
        const size_t close = line.find(')', open);
        if (close == std::string::npos) break;
        const std::string group = line.substr(open + 1, close - open - 1);
        const size_t blank = group.find(' ');
        found.emplace_back(group.substr(0, blank),
                           blank == std::string::npos ? "" : group.substr(blank + 1));
        open = close;
    }
    return found;
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

clsWalkedSheet::clsWalkedSheet(clsShippedOverlay& overlay, const std::string& key,
                               int32_t modelType, const cmcEeprom& image)
    : m_modelType(modelType), m_image(image) {
    clsSheetVariables variables{};
    m_basic.ParseCell(overlay.store.GetFirstLine(key + "_BasicCell"), &variables, nullptr);
    for (const std::string& line : overlay.Lines(key + "_Cells")) {
        if (m_skip > 0) {
            --m_skip;
            continue;
        }
        if (!line.empty() && line[0] == ':') {
            ApplyDirectives(line);
            continue;
        }
        m_rows.push_back(overlay.ParseRow(line, &m_basic, variables));
    }
}

bool clsWalkedSheet::ConditionHolds(const std::string& name) const {
    if (name == "Only_Mobile") return IsModelClassB(m_modelType);
    if (name == "Only_HH") return !IsModelClassB(m_modelType);
    if (name == "Only_UsaAusExpModel") return IsModelClassA(m_modelType);
    if (name == "Only_MobileUsa1Model") return IsModelClassF(m_modelType);
    if (name == "Only_NotMobileUsa1Model") return !IsModelClassF(m_modelType);
    if (name == "Only_NoiseCancelON") return m_image.GetByte(kOptionByte) & kNoiseCancelFitted;
    return false;  // the radio's voltage and temperature features are not in the image
}

void clsWalkedSheet::ApplyDirectives(const std::string& line) {
    for (const auto& [name, argument] : Directives(line)) {
        if (name == "LoopFrom") {
            m_loopCount = argument.empty() ? kBankSlots : std::max(1, std::atoi(argument.c_str()));
            m_loopStart = m_rows.size();
            m_inLoop = true;
        } else if (name == "LoopTo" && m_inLoop) {
            const size_t loopRows = m_rows.size() - m_loopStart;
            for (int32_t repetition = 1; repetition < m_loopCount; ++repetition) {
                for (size_t i = 0; i < loopRows; ++i) {
                    std::vector<cmcCellObj> row = m_rows[m_loopStart + i];
                    for (cmcCellObj& cell : row)
                        cell.SetIndex(cell.GetIndex() + repetition);
                    m_rows.push_back(std::move(row));
                }
            }
            m_inLoop = false;
        } else if (name.rfind("Only", 0) == 0 && !ConditionHolds(name)) {
            m_skip = std::atoi(argument.c_str());
        }
    }
}

clsShippedHost::clsShippedHost(clsShippedOverlay& overlay)
    : m_overlay(overlay),
      m_environ(m_store, m_lock, m_screen),
      m_choiceSource(overlay.store),
      m_choiceLists(m_choiceSource) {
    m_image.SetSize(kImageSize);
    SetEngineHost(this);
}

clsShippedHost::~clsShippedHost() {
    SetEngineHost(nullptr);
}

bool clsShippedHost::LoadInitialImage(int32_t modelType) {
    cmcClnFile file;
    file.SetImage(m_image);
    file.SetModelCode(kModelCode);
    file.SetSubCode(kSubCode);
    file.SetMapRevisionCheck([](int32_t revision) { return revision == 2; });
    const std::string path =
        BinPath(m_overlay.store.GetLine("GI_App_InitialFile", modelType)).string();
    if (file.Load(path, kCloneFileRanges) != CloneFileResult::kOk) return false;
    m_environ.Settings().modelType = modelType;
    return true;
}

std::string clsShippedHost::Text(const std::string& key, int32_t line) {
    return m_overlay.store.GetLine(key, line);
}
