#include "print/print_sheet.h"

#include <algorithm>

#include "platform/text_measure.h"

namespace {

constexpr int32_t kTextPadding = 8;  // pixels beside a cell's text, scaled to the printer

bool Continues(cuiSheet& sheet, int32_t col, int32_t row) {
    return col < sheet.ColCount() &&
           (sheet.Cell(col, row).GetLayoutFlags() & clsCellLayout::kContinues) != 0;
}

// The widest line of the text in the cell's font.
int32_t TextWidth(const cmcTextMeasure& measure, const datCellFont& font, const std::string& text) {
    int32_t widest = 0;
    size_t start = 0;
    for (;;) {
        const size_t brk = text.find('\n', start);
        widest = std::max(
            widest, measure.Measure(font, std::string_view(text).substr(start, brk - start)).width);
        if (brk == std::string::npos) return widest;
        start = brk + 1;
    }
}

// A printed column is at least as wide as the texts its data rows show: on paper nothing can be
// scrolled or widened to read a clipped name. A cell spread over its right neighbours is left to
// them.
void WidenColumnsToTexts(cuiSheet& sheet, const cmcTextMeasure& measure, int32_t padding) {
    cuiGrid& grid = sheet.Grid();
    for (int32_t col = 0; col < sheet.ColCount(); ++col) {
        int32_t width = grid.ColWidth(col);
        if (width <= 0) continue;  // a hidden column stays hidden
        for (int32_t row = sheet.FixedRows(); row < sheet.RowCount(); ++row) {
            const cmcCellObj& cell = sheet.Cell(col, row);
            if ((cell.GetLayoutFlags() & clsCellLayout::kContinues) ||
                Continues(sheet, col + 1, row))
                continue;
            const datCellFont& font = cell.GetFont()                ? *cell.GetFont()
                                      : sheet.BasicCell().GetFont() ? *sheet.BasicCell().GetFont()
                                                                    : datCellFont();
            const std::string text = sheet.CellText(col, row);
            if (!text.empty()) width = std::max(width, TextWidth(measure, font, text) + padding);
        }
        grid.SetColWidth(col, width);
    }
}

}  // namespace

cuiPrintSheet::cuiPrintSheet(cmcGTex& store, const std::string& nameSpec,
                             const cmcTextMeasure& measure, const clsSheetServices& services,
                             const clsRadioSheetState& state, int32_t printerPpi, int32_t screenPpi)
    : m_store(store),
      m_nameSpec(nameSpec),
      m_measure(measure),
      m_services(services),
      m_state(state),
      m_printerPpi(printerPpi),
      m_screenPpi(screenPpi) {}

void cuiPrintSheet::Build(int32_t fontHeight) {
    // The old sheet goes before its grid.
    m_sheet.reset();
    m_grid = std::make_unique<cuiLayoutGrid>();
    m_sheet =
        std::make_unique<iuiSheet>(*m_grid, m_store, m_nameSpec, m_measure, m_services, m_state);
    m_sheet->SetPrinter(m_printerPpi, m_screenPpi);
    m_sheet->SetExplicitFontHeight(fontHeight);
    m_sheet->Build();
    WidenColumnsToTexts(*m_sheet, m_measure,
                        kTextPadding * std::max(m_printerPpi / std::max(m_screenPpi, 1), 1));
    m_sizes = SheetSizesOf(*m_sheet);
}

void cuiPrintSheet::ShowBlock(const clsPageBlock& block) {
    m_grid->SetTopLeft(block.cols.first, block.rows.first);
}

clsSheetSizes SheetSizesOf(cuiSheet& sheet) {
    clsSheetSizes sizes;
    cuiGrid& grid = sheet.Grid();
    sizes.fixedCols = grid.FixedCols();
    sizes.fixedRows = grid.FixedRows();
    for (int32_t c = 0; c < grid.ColCount(); ++c) {
        sizes.widths.push_back(grid.ColWidth(c));
        bool continues = false;
        for (int32_t r = 0; r < sizes.fixedRows && !continues; ++r)
            continues = (sheet.Cell(c, r).GetLayoutFlags() & clsCellLayout::kContinues) != 0;
        sizes.continuesHeader.push_back(continues);
    }
    for (int32_t r = 0; r < grid.RowCount(); ++r)
        sizes.heights.push_back(grid.RowHeight(r));
    return sizes;
}
