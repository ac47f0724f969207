#include "print/print_sheet.h"

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
