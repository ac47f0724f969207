#pragma once

#include <cstdint>
#include <string>

#include "overlay/cell_capsule.h"
#include "print/pagination.h"

// One page of the preview, in print order: the sheet it comes from, its margins and the
// rectangle its cells cover, both in screen pixels, and the block it shows.
struct datPageRecord {
    std::string sheetName;
    clsCellRect margins;
    clsCellRect extent;
    clsPageBlock block;
};

// A length in printer pixels as the preview shows it (integer division).
int32_t PrinterToScreen(int32_t value, int32_t screenPpi, int32_t printerPpi);
clsCellRect PrinterToScreen(const clsCellRect& rect, int32_t screenPpi, int32_t printerPpi);

datPageRecord MakePageRecord(const std::string& sheetName, const clsCellRect& margins,
                             const clsCellRect& extent, const clsPageBlock& block,
                             int32_t screenPpi, int32_t printerPpi);
