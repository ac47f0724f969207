#include <algorithm>
#include <string>

#include "base/settings.h"
#include "overlay/gtex.h"
#include "platform/text_measure.h"
#include "sheets/column_width_store.h"
#include "sheets/sheet.h"

namespace {

constexpr const char* kWidthList = "GI_CellWidthRegList";

// Calls visit(sheet key, name) for each line "key:name" of the width list.
template <typename Visit>
void ForEachListedSheet(cmcGTex& store, Visit visit) {
    for (int32_t i = 0;; ++i) {
        const std::string line = store.GetLine(kWidthList, i);
        if (!line.empty() && line[0] == '#') return;
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        visit(line.substr(0, colon), line.substr(colon + 1));
    }
}

}  // namespace

bool cuiSheet::IsDataColumn(int32_t col) const {
    if (!m_built || col < 0 || col >= m_cols || m_fixedRows >= RowCount()) return false;
    return m_slots[static_cast<size_t>(m_fixedRows) * static_cast<size_t>(m_cols) +
                   static_cast<size_t>(col)]
        .cell.IsSelectable();
}

std::string cuiSheet::WidthRegistryName() const {
    std::string found;
    ForEachListedSheet(m_store, [&](const std::string& key, const std::string& name) {
        if (found.empty() && key == m_key) found = name;
    });
    return found;
}

void cuiSheet::LoadColumnWidths() {
    if (m_services.columnWidths == nullptr) return;
    const std::string name = WidthRegistryName();
    if (name.empty()) return;
    const cuiColumnWidthStore& widths = *m_services.columnWidths;
    const datSettings defaults;
    const datSettings& settings = m_services.settings != nullptr ? *m_services.settings : defaults;
    m_loadingWidths = true;
    for (int32_t c = 0; c < m_cols; ++c) {
        if (!IsDataColumn(c)) continue;
        // A width of no pixels is no width a user set: it would hide the column.
        const int32_t stored = widths.ReadColumnWidth(name, c);
        if (stored <= 0) continue;
        if (!m_printing) {
            m_grid.SetColWidth(c, stored);
            continue;
        }
        // The screen width in the printer's pixels at the printer's font size.
        const int32_t percentage = std::max(settings.fontSizePercentage * 16 / 100, 1);
        const double ppiRatio = static_cast<double>(m_printerPpi) / m_screenPpi;
        const auto converted = static_cast<int32_t>(
            stored * settings.fontSizePrinter * ppiRatio * 16 / percentage * 0.1 + 0.5);
        m_grid.SetColWidth(c, std::min(m_grid.ColWidth(c), converted));
    }
    if (!m_printing) ClampColumnWidths();
    m_loadingWidths = false;
}

void cuiSheet::SaveColumnWidths() {
    if (m_services.columnWidths == nullptr || m_printing) return;
    const std::string name = WidthRegistryName();
    if (name.empty()) return;
    for (int32_t c = 0; c < m_cols; ++c) {
        if (IsDataColumn(c)) m_services.columnWidths->WriteColumnWidth(name, c, m_grid.ColWidth(c));
    }
}

void cuiSheet::DeleteColumnWidths() {
    if (m_services.columnWidths == nullptr) return;
    cuiColumnWidthStore& widths = *m_services.columnWidths;
    ForEachListedSheet(m_store, [&](const std::string&, const std::string& name) {
        widths.DeleteColumnWidths(name);
    });
}

void cuiSheet::ColumnWidthsChanged() {
    if (m_building || m_printing || !m_built) return;
    ClampColumnWidths();
    SaveColumnWidths();
}

void cuiSheet::ClampColumnWidths() {
    int32_t maximum = kMaxColumnWidth;
    if (!m_loadingWidths) {
        int32_t fixedWidth = 0;
        for (int32_t c = 0; c < m_fixedCols; ++c)
            fixedWidth += m_grid.ColWidth(c);
        maximum = std::clamp(m_grid.ClientWidth() - fixedWidth, kMinColumnWidth, maximum);
    }
    for (int32_t c = 0; c < m_cols; ++c) {
        if (!IsDataColumn(c)) continue;
        const int32_t width = m_grid.ColWidth(c);
        const int32_t clamped = std::clamp(width, kMinColumnWidth, maximum);
        if (clamped != width) m_grid.SetColWidth(c, clamped);
    }
}

void cuiSheet::FitColumn(int32_t col) {
    if (!HasFlag(kColSizing) || col < 0 || col >= m_cols) return;
    const auto padding = static_cast<int32_t>(8 * m_scale + 0.5);
    int32_t width = 0;
    auto widthOf = [&](int32_t row, const std::string& text) {
        const cmcCellObj& cell = Cell(col, row);
        const datCellFont& font = cell.GetFont()      ? *cell.GetFont()
                                  : m_basic.GetFont() ? *m_basic.GetFont()
                                                      : datCellFont();
        int32_t widest = 0;
        size_t start = 0;
        for (;;) {
            const size_t brk = text.find('\n', start);
            widest = std::max(
                widest,
                m_measure.Measure(font, std::string_view(text).substr(start, brk - start)).width);
            if (brk == std::string::npos) break;
            start = brk + 1;
        }
        width = std::max(width, widest + padding);
    };
    for (int32_t r = 0; r < m_fixedRows; ++r) {
        const bool continued =
            col + 1 < m_cols && (Cell(col + 1, r).GetLayoutFlags() & clsCellLayout::kContinues);
        if (!continued) widthOf(r, Cell(col, r).GetCaption());
    }
    for (int32_t r = m_fixedRows; r < RowCount(); ++r)
        widthOf(r, CellText(col, r));
    m_grid.SetColWidth(col, width);
    ColumnWidthsChanged();
}
