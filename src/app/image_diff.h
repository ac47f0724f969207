#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/tree_pages.h"
#include "model/eeprom.h"
#include "sheets/sheet_listing.h"

class cmcEngineHost;
class cmcGTex;

// A page cell whose text differs between two images: where a user finds it (page, row caption
// and column caption) and what it shows in each.
struct datCellDifference {
    std::string name;
    std::string before;
    std::string after;
};

// A differing byte that no page shows: changing it alone changes no cell's text.
struct datByteDifference {
    int32_t address = 0;
    uint8_t before = 0;
    uint8_t after = 0;
};

struct datImageDifferences {
    std::vector<datCellDifference> cells;  // in page, row and column order
    std::vector<datByteDifference> bytes;  // in address order
    bool IsEmpty() const { return cells.empty() && bytes.empty(); }
};

// The cell-by-cell comparison of two images, as the pages of the tree show them. Both the
// review before a write and the command line's diff use it.
//
// The texts come from the cell value engine over the host's working image: while an image is
// compared it is put into the working image (and its model type into the settings), and both
// are given back afterwards. Evaluating every cell of every page is what costs, so the second
// image is evaluated only in the cells that read a differing byte: the engine's reads of the
// first image are logged per cell, and a cell that read none of the differing bytes computes
// the same text from both images. The list of cells (every selectable page cell with a label,
// the first of each binding) is built once per model type.
class cuiImageDiff {
public:
    cuiImageDiff(cmcGTex& store, cmcEngineHost& host, std::vector<datTreePage> pages);
    ~cuiImageDiff();
    cuiImageDiff(const cuiImageDiff&) = delete;
    cuiImageDiff& operator=(const cuiImageDiff&) = delete;

    datImageDifferences Compare(const cmcEeprom& before, const cmcEeprom& after);
    // The cells as before and after show them, and the bytes where the raw images differ (as
    // files hold them, before the normalising that opening does): a byte is listed when putting
    // it alone from rawAfter into before changes no text.
    datImageDifferences Compare(const cmcEeprom& before, const cmcEeprom& after,
                                const cmcEeprom& rawBefore, const cmcEeprom& rawAfter);

private:
    struct Cell {
        size_t page;
        int32_t col;
        int32_t row;
    };
    class Stage;

    void BuildCells();
    cuiSheetListing& Listing(size_t page);
    std::string TextOf(const Cell& cell);
    std::string NameOf(const Cell& cell);
    // Which cells read any of the addresses, each once and in cell order; every cell when one
    // of them is the model type.
    std::vector<int32_t> CellsReading(const std::vector<int32_t>& addresses) const;
    // Whether putting the addresses' bytes of after alone into the staged image changes a text.
    bool ChangesText(Stage& stage, const std::vector<int32_t>& addresses, const cmcEeprom& after);

    cmcGTex& m_store;
    cmcEngineHost& m_host;
    std::vector<datTreePage> m_pages;
    std::vector<std::unique_ptr<cuiSheetListing>> m_listings;
    int32_t m_cellsModelType = -1;  // the model type the cell list was built for
    std::vector<Cell> m_cells;
    // Filled by each comparison: the first image's texts, and for every address the cells that
    // read it.
    std::vector<std::string> m_beforeTexts;
    std::vector<std::vector<int32_t>> m_readers;
};
