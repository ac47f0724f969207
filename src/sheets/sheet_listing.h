#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sheets/estimated_text_measure.h"
#include "sheets/layout_grid.h"
#include "sheets/radio_sheet.h"

// A page sheet built without a window, for listing its cells: the command line prints them, and
// printing walks them the same way. It is built once, at construction, with the engine host's
// state; the texts are the engine's display texts of the cells that carry a label and the
// captions of the others.
//
//   cuiSheetListing listing(store, "GI_Sheet_IntCh", RadioSheetState(EngineHost()));
//   for (int32_t r = 0; r < listing.RowCount(); ++r)
//       for (int32_t c = 0; c < listing.ColCount(); ++c) Print(listing.Text(c, r));
class cuiSheetListing {
public:
    cuiSheetListing(cmcGTex& store, const std::string& nameSpec, const clsRadioSheetState& state);

    iuiSheet& Sheet() { return m_sheet; }
    int32_t ColCount() const { return m_sheet.ColCount(); }
    int32_t RowCount() const { return m_sheet.RowCount(); }
    const cmcCellObj& Cell(int32_t col, int32_t row) { return m_sheet.Cell(col, row); }
    // The text a cell shows; "" for a cell that continues the one on its left (its text is that
    // cell's).
    std::string Text(int32_t col, int32_t row);
    // Every row's texts, in grid order.
    std::vector<std::vector<std::string>> Texts();

private:
    cmcEstimatedTextMeasure m_measure;
    cuiLayoutGrid m_grid;
    iuiSheet m_sheet;
};
