#pragma once

#include <memory>
#include <string>

#include "print/sheet_pages.h"
#include "sheets/layout_grid.h"
#include "sheets/radio_sheet.h"

class cmcGTex;
class cmcTextMeasure;

// A page sheet built for printing on a grid without a window, at the printer's resolution: every
// build makes a fresh sheet with the font height asked for, and its sizes for pagination. Drawing
// a page shows the page's block from the grid's top-left corner.
class cuiPrintSheet : public cuiPrintSource {
public:
    // printerPpi and screenPpi scale the sheet's rules and insets (Build of the sheet); the
    // measure must measure at the printer's resolution.
    cuiPrintSheet(cmcGTex& store, const std::string& nameSpec, const cmcTextMeasure& measure,
                  const clsSheetServices& services, const clsRadioSheetState& state,
                  int32_t printerPpi, int32_t screenPpi);

    void Build(int32_t fontHeight) override;
    bool IsPrintable() const override { return m_sheet && m_sheet->IsPrintable(); }
    const clsSheetSizes& Sizes() const override { return m_sizes; }

    // The sheet of the last build; there is none before the first.
    iuiSheet& Sheet() { return *m_sheet; }
    // Scrolls the grid so that the block's cells lie from (0, 0) as PlacePageCells places them.
    void ShowBlock(const clsPageBlock& block);

private:
    cmcGTex& m_store;
    std::string m_nameSpec;
    const cmcTextMeasure& m_measure;
    clsSheetServices m_services;
    clsRadioSheetState m_state;
    int32_t m_printerPpi;
    int32_t m_screenPpi;
    std::unique_ptr<iuiSheet> m_sheet;
    std::unique_ptr<cuiLayoutGrid> m_grid;
    clsSheetSizes m_sizes;
};

// The sizes, fixed part and continued header columns of a built sheet.
clsSheetSizes SheetSizesOf(cuiSheet& sheet);
