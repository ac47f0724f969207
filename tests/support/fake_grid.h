#pragma once

#include <set>
#include <utility>

#include "sheets/layout_grid.h"

// A grid without a window that remembers what the sheet asked it to repaint.
class FakeGrid : public cuiLayoutGrid {
public:
    using cuiLayoutGrid::cuiLayoutGrid;

    void InvalidateCell(int32_t column, int32_t row) override { invalidated.insert({column, row}); }
    void InvalidateAll() override { ++invalidatedAll; }
    void ForgetRepaints() {
        invalidated.clear();
        invalidatedAll = 0;
    }

    std::set<std::pair<int32_t, int32_t>> invalidated;
    int invalidatedAll = 0;
};
