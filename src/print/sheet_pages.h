#pragma once

#include <cstdint>
#include <functional>

#include "print/pagination.h"

// A sheet built for printing, as the page producer sees it: built again with a smaller font when
// a page does not fit.
class cuiPrintSource {
public:
    virtual ~cuiPrintSource() = default;
    // Builds the sheet (again) with the explicit font height (negative: the character height).
    virtual void Build(int32_t fontHeight) = 0;
    virtual bool IsPrintable() const = 0;
    virtual const clsSheetSizes& Sizes() const = 0;
};

// One page as produced: the block it shows and the rectangle its cells cover.
struct clsProducedPage {
    clsPageBlock block;
    clsCellRect extent;
};

// Lays a sheet out page by page inside content. Each page's block is measured; one that does not
// fit makes the sheet build again with the font shrunk by the missing share (at most three
// times; the smaller font stays for the later pages), and is then handed to onPage. A sheet that
// is not printable, or a set cancelled flag, ends the sheet before the next page. Returns how
// many pages were handed on.
int32_t ProduceSheetPages(cuiPrintSource& sheet, const clsCellRect& content, int32_t fontHeight,
                          const bool& cancelled,
                          const std::function<void(const clsProducedPage&)>& onPage);

// How many times a page may make the sheet build again with a smaller font.
constexpr int32_t kMaxFitRebuilds = 3;
