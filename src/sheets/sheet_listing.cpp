#include "sheets/sheet_listing.h"

cuiSheetListing::cuiSheetListing(cmcGTex& store, const std::string& nameSpec,
                                 const clsRadioSheetState& state)
    : m_sheet(m_grid, store, nameSpec, m_measure, clsSheetServices(), state) {
    m_sheet.Build();
}

std::string cuiSheetListing::Text(int32_t col, int32_t row) {
    if (m_sheet.Cell(col, row).GetLayoutFlags() & clsCellLayout::kContinues) return "";
    return m_sheet.CellText(col, row);
}

std::vector<std::vector<std::string>> cuiSheetListing::Texts() {
    std::vector<std::vector<std::string>> rows(static_cast<size_t>(RowCount()));
    for (int32_t r = 0; r < RowCount(); ++r) {
        rows[static_cast<size_t>(r)].reserve(static_cast<size_t>(ColCount()));
        for (int32_t c = 0; c < ColCount(); ++c)
            rows[static_cast<size_t>(r)].push_back(Text(c, r));
    }
    return rows;
}
