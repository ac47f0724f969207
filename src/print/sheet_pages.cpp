#include "print/sheet_pages.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

bool Fits(const clsCellRect& extent, const clsCellRect& content) {
    return extent.right <= content.right && extent.bottom <= content.bottom;
}

// The font height that shrinks extent into content, at least one pixel.
int32_t ShrunkFontHeight(int32_t fontHeight, const clsCellRect& extent,
                         const clsCellRect& content) {
    // An empty extent counts as one pixel.
    const double width = std::max(extent.right - extent.left, 1);
    const double height = std::max(extent.bottom - extent.top, 1);
    const double factor =
        std::min((content.bottom - content.top) / height, (content.right - content.left) / width);
    const double shrunk = std::trunc(std::abs(fontHeight) * factor);
    return static_cast<int32_t>(std::max(shrunk, 1.0));
}

}  // namespace

int32_t ProduceSheetPages(cuiPrintSource& sheet, const clsCellRect& content, int32_t fontHeight,
                          const bool& cancelled,
                          const std::function<void(const clsProducedPage&)>& onPage) {
    sheet.Build(fontHeight);
    if (!sheet.IsPrintable()) return 0;
    const clsPagination pagination =
        Paginate(sheet.Sizes(), content.right - content.left, content.bottom - content.top);
    int32_t pages = 0;
    for (const clsPageBlock& block : pagination.Pages()) {
        for (int32_t rebuild = 0; rebuild < kMaxFitRebuilds; ++rebuild) {
            if (!sheet.IsPrintable() || cancelled) return pages;
            const clsCellRect extent =
                PageCellExtent(sheet.Sizes(), block, content.left, content.top);
            if (Fits(extent, content)) break;
            fontHeight = ShrunkFontHeight(fontHeight, extent, content);
            sheet.Build(fontHeight);
        }
        if (!sheet.IsPrintable() || cancelled) return pages;
        onPage({block, PageCellExtent(sheet.Sizes(), block, content.left, content.top)});
        ++pages;
    }
    return pages;
}
