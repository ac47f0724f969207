#include "page_cells.h"

#include <algorithm>

#include "cli_program.h"
#include "model/cell_request.h"
#include "sheets/radio_sheet.h"

namespace {

constexpr char kSheetKeyPrefix[] = "GI_Sheet_";

}  // namespace

cuiPageCells::cuiPageCells(cuiCliProgram& program, bool maker) : m_program(program) {
    m_pages = ReadTreePages(program.GTex());
    std::erase_if(m_pages, [maker](const datTreePage& page) { return page.makerOnly && !maker; });
    m_listings.resize(m_pages.size());
}

cuiSheetListing& cuiPageCells::Listing(size_t page) {
    if (!m_listings[page]) {
        m_listings[page] = std::make_unique<cuiSheetListing>(
            m_program.GTex(), m_pages[page].sheetKey, RadioSheetState(EngineHost()));
    }
    return *m_listings[page];
}

std::optional<size_t> cuiPageCells::FindPage(const std::string& key) const {
    for (size_t page = 0; page < m_pages.size(); ++page) {
        const std::string& sheetKey = m_pages[page].sheetKey;
        if (sheetKey == key || sheetKey == kSheetKeyPrefix + key) return page;
    }
    return std::nullopt;
}

std::optional<datCellPlace> cuiPageCells::Find(const datCliBinding& binding) {
    for (size_t page = 0; page < m_pages.size(); ++page) {
        cuiSheetListing& listing = Listing(page);
        for (int32_t row = 0; row < listing.RowCount(); ++row) {
            for (int32_t col = 0; col < listing.ColCount(); ++col) {
                const cmcCellObj& cell = listing.Cell(col, row);
                if (cell.GetLabel() == binding.label && cell.GetIndex() == binding.index &&
                    (binding.category == datCliBinding::kAnyCategory ||
                     cell.GetCategory() == binding.category)) {
                    return datCellPlace{page, col, row};
                }
            }
        }
    }
    return std::nullopt;
}
