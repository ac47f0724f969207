#pragma once

#include <cstdint>

class cuiGrid;

// A sheet's full size: every column's width and every row's height, scrolled or not.
struct clsSheetSize {
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const clsSheetSize&) const = default;
};

clsSheetSize FullSheetSize(const cuiGrid& grid);
