#include <algorithm>

#include "base/event_manager.h"
#include "base/settings.h"
#include "overlay/decimal_text.h"
#include "overlay/gtex.h"
#include "platform/fatal.h"
#include "platform/string_format.h"
#include "platform/text_measure.h"
#include "sheets/sheet.h"

namespace {

constexpr int32_t kFitWidthPadding = 8;  // pixels on screen, scaled when printing
constexpr int32_t kFitHeightPadding = 2;
// No sheet comes near these (the largest lists 422 rows of 8 cells); a description that asks for
// more is as faulty as one that asks for none, and is refused before it takes all memory.
constexpr int64_t kMaxRows = 1 << 16;
constexpr int64_t kMaxCells = 1 << 21;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The value after "name=" of a setting group, or none when the group is not that setting.
std::optional<std::string_view> SettingValue(std::string_view group, std::string_view name) {
    if (!StartsWith(group, name)) return std::nullopt;
    std::string_view rest = group.substr(name.size());
    if (rest.empty() || rest[0] != '=') return std::nullopt;
    return rest.substr(1);
}

// Calls apply with the content of each "(" ... ")" group of text; text between groups is
// ignored and there are no escapes.
template <typename Apply>
void ForEachGroup(std::string_view text, Apply apply) {
    for (size_t open = text.find('('); open != std::string_view::npos;) {
        const size_t close = text.find(')', open + 1);
        if (close == std::string_view::npos) return;
        apply(text.substr(open + 1, close - open - 1));
        open = text.find('(', close + 1);
    }
}

// The number of cells of a row line.
int32_t CellCount(std::string_view line) {
    int32_t count = 0;
    cmcCellObj scratch;
    do {
        line = scratch.ParseCell(line, nullptr, nullptr, true);
        ++count;
    } while (!line.empty());
    return count;
}

}  // namespace

cuiSheet::cuiSheet(cuiGrid& grid, cmcGTex& store, const std::string& nameSpec,
                   const cmcTextMeasure& measure, const clsSheetServices& services,
                   const cmcCellCapsule* ownerCapsule, int32_t initialLabel, int32_t initialIndex)
    : m_grid(grid),
      m_store(store),
      m_measure(measure),
      m_services(services),
      m_nameSpec(nameSpec),
      m_initialLabel(initialLabel),
      m_initialIndex(initialIndex) {
    std::string_view name = nameSpec;
    if (!name.empty() && name[0] == '[') {
        const size_t close = name.find(']');
        name = close == std::string_view::npos ? std::string_view() : name.substr(close + 1);
    }
    const size_t comma = name.find(',');
    m_key = std::string(name.substr(0, comma));
    if (comma != std::string_view::npos) m_argument = std::string(name.substr(comma + 1));
    if (ownerCapsule != nullptr) {
        m_ownerCapsule = std::make_unique<cmcCellCapsule>(*ownerCapsule);
        if (ownerCapsule->cell != nullptr) {
            m_ownerCell = std::make_unique<cmcCellObj>(*ownerCapsule->cell);
            m_ownerCapsule->cell = m_ownerCell.get();
        }
    }
    ComputeTints();
    if (m_services.events != nullptr) m_services.events->AddListener(&cuiSheet::OnEvent, this);
}

cuiSheet::~cuiSheet() {
    if (m_services.events != nullptr) m_services.events->RemoveListener(&cuiSheet::OnEvent, this);
    RemovePopupMenu();
}

void cuiSheet::SetSavedPosition(int32_t col, int32_t row, int32_t leftCol, int32_t topRow) {
    m_savedCol = col;
    m_savedRow = row;
    m_savedLeft = leftCol;
    m_savedTop = topRow;
}

void cuiSheet::SetPrinter(int32_t printerPpi, int32_t screenPpi) {
    m_printing = true;
    m_printerPpi = printerPpi;
    m_screenPpi = std::max(screenPpi, 1);
    const int32_t ratio = printerPpi / m_screenPpi;
    m_scale = ratio;
    m_defaultSize = std::max(1, ratio);
}

void cuiSheet::SetImageList(cuiImageList* list, int32_t imageHeight) {
    m_imageList = list;
    m_imageHeight = imageHeight;
}

void cuiSheet::SetFlag(uint8_t flag, bool on) {
    m_flags = static_cast<uint8_t>(on ? (m_flags | flag) : (m_flags & ~flag));
}

const clsSheeRowAtr& cuiSheet::RowAttributes(int32_t row) const {
    if (row < 0 || row >= RowCount()) FatalError("Illegal Cell selection");
    return m_rows[static_cast<size_t>(row)];
}

bool cuiSheet::IsInside(int32_t col, int32_t row) const {
    return m_built && col >= 0 && col < m_cols && row >= 0 && row < RowCount();
}

clsSheetCellId& cuiSheet::Slot(int32_t col, int32_t row) {
    if (m_slots.empty() || col < 0 || col >= m_cols || row < 0 || row >= RowCount()) {
        FatalError("Illegal Cell selection");
    }
    return m_slots[static_cast<size_t>(row) * static_cast<size_t>(m_cols) +
                   static_cast<size_t>(col)];
}

void cuiSheet::Build() {
    m_building = true;
    m_built = false;
    m_rows.clear();
    m_slots.clear();
    m_body.clear();
    m_cols = 0;
    m_skip = 0;
    m_loopStart = m_loopEnd = kNone;
    m_loopCount = 0;
    m_loopLines.clear();
    m_selectOn = true;
    m_state = 0;

    SetArgument(m_argument);
    ApplyStyle();
    m_grid.SetColSizing(HasFlag(kColSizing));

    BuildBasicCell();
    m_grid.SetBackground(m_system.Resolve(m_basic.GetColour()));
    CountRowsAndColumns();
    if (m_cols <= 0 || m_rows.empty() ||
        static_cast<int64_t>(m_cols) * static_cast<int64_t>(m_rows.size()) > kMaxCells) {
        FatalError("Illegal Cell assign");
    }

    m_fixedCols = std::clamp(m_fixedCols, 0, m_cols - 1);
    m_fixedRows = std::clamp(m_fixedRows, 0, RowCount() - 1);
    m_grid.SetSize(m_cols, RowCount());
    for (int32_t c = 0; c < m_cols; ++c)
        m_grid.SetColWidth(c, m_defaultSize);
    for (int32_t r = 0; r < RowCount(); ++r)
        m_grid.SetRowHeight(r, m_defaultSize);
    m_grid.SetFixed(m_fixedCols, m_fixedRows);
    m_slots.resize(static_cast<size_t>(m_cols) * m_rows.size());
    for (size_t r = 0; r < m_rows.size(); ++r) {
        const bool inRange =
            m_multiSelect != 0 && (m_rows[r].flags & clsSheeRowAtr::kSelectable) != 0;
        for (int32_t c = 0; c < m_cols; ++c) {
            m_slots[r * static_cast<size_t>(m_cols) + static_cast<size_t>(c)].flags =
                inRange ? clsSheetCellId::kInRange : 0;
        }
    }
    m_firstSelCol = m_cols;
    m_firstSelRow = RowCount();
    m_built = true;
    PopulateCells();
    m_body.clear();

    ChooseCurrentCell();
    m_building = false;
    m_grid.InvalidateAll();
    UpdatePopupMenu(true);
}

void cuiSheet::ApplyStyle() {
    const std::string style = m_store.GetFirstLine(m_key + "_Style");
    ForEachGroup(style, [this](std::string_view group) { ApplyStyleSetting(group); });
}

void cuiSheet::ApplyStyleSetting(std::string_view group) {
    if (auto value = SettingValue(group, "TitleString")) {
        if (!value->empty()) m_title = std::string(*value);
    } else if (auto colour = SettingValue(group, "TitleColor")) {
        if (auto found = ColourOf(*colour)) m_titleColour = *found;
    } else if (auto font = SettingValue(group, "TitleFont")) {
        m_titleFont = datCellFont();
        ApplyFontFields(m_titleFont, *font);
    } else if (auto cols = SettingValue(group, "FixedCols")) {
        m_fixedCols = std::max(DecimalPrefix(*cols), 0);
    } else if (auto rows = SettingValue(group, "FixedRows")) {
        m_fixedRows = std::max(DecimalPrefix(*rows), 0);
    } else if (group == "NoPrint") {
        SetFlag(kNoPrint, true);
    } else if (auto ratio = SettingValue(group, "PrintFontRatio")) {
        m_printFontRatio = DecimalPrefix(*ratio);
    } else if (auto mode = SettingValue(group, "MultiSelect")) {
        m_multiSelect = *mode == "Cell" ? 1 : *mode == "Line" ? 2 : 0;
    } else if (StartsWith(group, "ColSizing")) {
        SetFlag(kColSizing, true);
    } else if (StartsWith(group, "ColorSelectLine")) {
        SetFlag(kColorSelectLine, true);
    }
}

void cuiSheet::BuildBasicCell() {
    std::string text = m_store.GetFirstLine(m_key + "_BasicCell");
    if (m_fontHeight != 0) {
        text += StringPrintf("{(Font=,,,%d,,,)}", m_fontHeight);
    } else {
        const int32_t percentage =
            m_services.settings != nullptr ? m_services.settings->fontSizePercentage : 100;
        text += StringPrintf("{(Font=,,,%%%d,,,)}", percentage);
    }
    if (m_printing && m_printFontRatio != 100 && m_printFontRatio > 0) {
        text += StringPrintf("{(Font=,,,%%%d,,,)}", m_printFontRatio);
    }
    m_basic = cmcCellObj();
    m_basic.ParseCell(text, &m_variables, nullptr);
}

std::string cuiSheet::BodyLine(int32_t lineNumber) {
    if (lineNumber >= 0 && lineNumber < static_cast<int32_t>(m_body.size())) {
        return m_body[static_cast<size_t>(lineNumber)];
    }
    return m_store.GetLine(m_key + "_Cells", lineNumber);
}

void cuiSheet::CountRowsAndColumns() {
    const std::string section = m_key + "_Cells";
    for (int32_t n = 0;; ++n) {
        std::string line = m_store.GetLine(section, n);
        if (!line.empty() && line[0] == '#') break;
        m_body.push_back(line);
        if (m_skip > 0) {
            --m_skip;
            continue;
        }
        if (!line.empty() && line[0] == ':') {
            ApplyDirectiveLine(line, n);
            continue;
        }
        AppendRow(n);
        m_cols = std::max(m_cols, CellCount(line));
        if (m_loopStart != kNone) m_loopLines.push_back(n);
    }
}

void cuiSheet::AppendRow(int32_t line) {
    clsSheeRowAtr row;
    row.line = line;
    row.flags = m_selectOn ? clsSheeRowAtr::kSelectable : 0;
    m_rows.push_back(row);
}

void cuiSheet::ApplyDirectiveLine(std::string_view line, int32_t lineNumber) {
    ForEachGroup(line, [&](std::string_view group) { ApplyDirective(group, lineNumber); });
    if (m_loopStart == kNone || m_loopEnd == kNone || m_loopCount <= 0) return;
    // The loop's rows are already there once; the repetitions take the same body lines, so
    // that a one-line loop copies the row above and a longer one is parsed again.
    const int64_t total =
        static_cast<int64_t>(m_rows.size()) +
        static_cast<int64_t>(m_loopCount - 1) * static_cast<int64_t>(m_loopLines.size());
    if (total > kMaxRows) FatalError("Illegal Cell assign");
    for (int32_t k = 1; k < m_loopCount; ++k) {
        for (int32_t line : m_loopLines)
            AppendRow(line);
    }
    m_loopStart = m_loopEnd = kNone;
    m_loopCount = 0;
    m_loopLines.clear();
}

void cuiSheet::StartLoop(int32_t lineNumber, int32_t count) {
    m_loopStart = lineNumber;
    m_loopEnd = kNone;
    m_loopCount = std::max(1, count);
    m_loopLines.clear();
}

void cuiSheet::ApplyDirective(std::string_view group, int32_t lineNumber) {
    if (StartsWith(group, "LoopFrom")) {
        StartLoop(lineNumber, DecimalPrefix(group.substr(8)));
    } else if (StartsWith(group, "LoopTo")) {
        if (m_loopStart != kNone) m_loopEnd = lineNumber;
    } else if (StartsWith(group, "SelectON")) {
        m_selectOn = true;
    } else if (StartsWith(group, "SelectOFF")) {
        m_selectOn = false;
    }
}

void cuiSheet::PopulateCells() {
    for (int32_t r = 0; r < RowCount(); ++r)
        PopulateRow(r);
    FinishPopulating();
}

void cuiSheet::PopulateRow(int32_t row) {
    const int32_t line = m_rows[static_cast<size_t>(row)].line;
    if (row > 0 && m_rows[static_cast<size_t>(row) - 1].line == line) {
        for (int32_t c = 0; c < m_cols; ++c) {
            clsSheetCellId& slot = Slot(c, row);
            slot.cell = Slot(c, row - 1).cell;
            slot.cell.SetIndex(slot.cell.GetIndex() + 1);
            if (slot.cell.IsSelectable()) {
                m_firstSelCol = std::min(m_firstSelCol, c);
                m_firstSelRow = std::min(m_firstSelRow, row);
            }
        }
        m_grid.SetRowHeight(row, std::max(m_grid.RowHeight(row), m_grid.RowHeight(row - 1)));
        return;
    }
    ParseRowLine(row, BodyLine(line));
}

void cuiSheet::ParseRowLine(int32_t row, const std::string& line) {
    std::string_view rest = line;
    for (int32_t c = 0; c < m_cols; ++c) {
        cmcCellObj& cell = Slot(c, row).cell;
        rest = cell.ParseCell(rest, &m_variables, &m_basic);
        FitCell(c, row);
        if (cell.IsSelectable()) {
            m_firstSelCol = std::min(m_firstSelCol, c);
            m_firstSelRow = std::min(m_firstSelRow, row);
        }
        if (rest.empty()) break;
    }
}

void cuiSheet::FitCell(int32_t col, int32_t row) {
    const cmcCellObj& cell = Slot(col, row).cell;
    const uint8_t layout = cell.GetLayoutFlags();
    if ((layout & (clsCellLayout::kFitWidth | clsCellLayout::kFitHeight)) == 0) return;
    const datCellFont& font = cell.GetFont()      ? *cell.GetFont()
                              : m_basic.GetFont() ? *m_basic.GetFont()
                                                  : datCellFont();
    int32_t width = 0;
    int32_t height = 0;
    std::string_view caption = cell.GetCaption();
    for (;;) {
        const size_t brk = caption.find('\n');
        const cmcTextSize size = m_measure.Measure(font, caption.substr(0, brk));
        width = std::max(width, size.width);
        height += size.height;
        if (brk == std::string_view::npos) break;
        caption = caption.substr(brk + 1);
    }
    if (layout & clsCellLayout::kFitWidth) {
        const auto fit = static_cast<int32_t>(width + kFitWidthPadding * m_scale + 0.5);
        if (fit > m_grid.ColWidth(col)) m_grid.SetColWidth(col, fit);
    }
    if (layout & clsCellLayout::kFitHeight) {
        const auto fit = static_cast<int32_t>(height + kFitHeightPadding * m_scale + 0.5);
        if (fit > m_grid.RowHeight(row)) m_grid.SetRowHeight(row, fit);
    }
}

void cuiSheet::FinishPopulating() {
    if (m_printing) {
        LoadColumnWidths();
        return;
    }
    if (IsSelectionList()) return;
    if (m_resetWidths) {
        DeleteColumnWidths();
        m_resetWidths = false;
    } else {
        LoadColumnWidths();
    }
    ClampColumnWidths();
    SaveColumnWidths();
}

void cuiSheet::ChooseCurrentCell() {
    int32_t col = kNone;
    int32_t row = kNone;
    if (IsInside(m_savedCol, m_savedRow) && m_savedCol >= m_fixedCols &&
        m_savedRow >= m_fixedRows && Cell(m_savedCol, m_savedRow).IsSelectable()) {
        col = m_savedCol;
        row = m_savedRow;
        if (m_savedLeft != kNone && m_savedTop != kNone) m_grid.SetTopLeft(m_savedLeft, m_savedTop);
    }
    for (int32_t pass = 0; pass < 2 && col == kNone; ++pass) {
        const bool byLabel = pass == 0;
        if (byLabel && m_initialLabel == CL_None) continue;
        for (int32_t r = m_fixedRows; r < RowCount() && col == kNone; ++r) {
            for (int32_t c = m_fixedCols; c < m_cols; ++c) {
                const cmcCellObj& cell = Cell(c, r);
                if (!cell.IsSelectable()) continue;
                if (byLabel &&
                    (cell.GetLabel() != m_initialLabel || cell.GetIndex() != m_initialIndex)) {
                    continue;
                }
                col = c;
                row = r;
                break;
            }
        }
    }
    if (col == kNone) {
        m_grid.MoveCurrent(m_fixedCols, m_fixedRows, false);
        m_grid.SetEnabled(false);
        return;
    }
    m_grid.SetEnabled(true);
    m_grid.MoveCurrent(col, row, true);
    m_anchorCol = col;
    m_anchorRow = row;
}

std::string cuiSheet::CellText(int32_t col, int32_t row) {
    cmcCellObj& cell = Cell(col, row);
    if (cell.GetLabel() == CL_None) return cell.GetCaption();
    return GetCellText(cell, 0);
}
