#include "dialogs/sheet_size.h"

#include "sheets/grid.h"

clsSheetSize FullSheetSize(const cuiGrid& grid) {
    clsSheetSize size;
    for (int32_t column = 0; column < grid.ColCount(); ++column)
        size.width += grid.ColWidth(column);
    for (int32_t row = 0; row < grid.RowCount(); ++row)
        size.height += grid.RowHeight(row);
    return size;
}
