#include "dialogs/qt/cell_host.h"

#include "overlay/cell_capsule.h"
#include "sheets/qt/qt_grid.h"

QWidget* CellHostOf(const cmcCellCapsule& capsule) {
    auto* grid = dynamic_cast<cuiQtGrid*>(capsule.grid);
    return grid != nullptr ? grid->viewport() : nullptr;
}
