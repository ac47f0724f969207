#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "app/tree_pages.h"
#include "cell_binding.h"
#include "sheets/sheet_listing.h"

class cuiCliProgram;

// Where a cell lies: a page of the tree and its column and row there.
struct datCellPlace {
    size_t page = 0;
    int32_t col = 0;
    int32_t row = 0;
};

// The pages of the tree built without a window over the program's working image, each on first
// use: the command line finds, shows and edits cells through them as the GUI's pages do.
class cuiPageCells {
public:
    explicit cuiPageCells(cuiCliProgram& program, bool maker = false);

    const std::vector<datTreePage>& Pages() const { return m_pages; }
    cuiSheetListing& Listing(size_t page);
    // The page of a sheet key, also written without its "GI_Sheet_" prefix.
    std::optional<size_t> FindPage(const std::string& key) const;
    // The first cell, in tree and grid order, that carries the binding.
    std::optional<datCellPlace> Find(const datCliBinding& binding);

private:
    cuiCliProgram& m_program;
    std::vector<datTreePage> m_pages;
    std::vector<std::unique_ptr<cuiSheetListing>> m_listings;
};
