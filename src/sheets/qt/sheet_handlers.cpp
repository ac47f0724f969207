#include "sheets/qt/sheet_handlers.h"

#include "sheets/qt/qt_grid.h"
#include "sheets/sheet.h"

void ConnectSheetToGrid(cuiQtGrid& grid, cuiSheet& sheet) {
    clsGridHandlers& on = grid.Handlers();
    cuiSheet* s = &sheet;
    cuiQtGrid* g = &grid;
    on.selectCell = [s](int32_t column, int32_t row, bool& allow) {
        allow = allow && s->CanSelect(column, row);
    };
    on.colWidthsChanged = [s, g] {
        s->ColumnWidthsChanged();
        g->InvalidateAll();
    };
    on.timedScroll = [s](uint8_t directions) { s->TimedScroll(directions); };
    on.focusEnter = [s] { s->FocusEnter(); };
    on.focusLeave = [s] { s->FocusLeave(); };
    on.keyDown = [s](int32_t key, uint8_t modifiers) { s->KeyDown(key, modifiers); };
    on.keyPress = [s](char character) { s->KeyPress(character); };
    on.mouseDown = [s](int32_t x, int32_t y, bool right, uint8_t modifiers) {
        s->MouseDown(x, y, right, modifiers);
    };
    on.mouseMove = [s](int32_t x, int32_t y) { s->MouseMove(x, y); };
    on.mouseUp = [s](int32_t x, int32_t y, bool right) { s->MouseUp(x, y, right); };
    on.doubleClick = [s](int32_t x, int32_t y) { s->DoubleClick(x, y); };
    on.cellText = [s](int32_t column, int32_t row) { return s->CellText(column, row); };
    on.editorKey = [s](int32_t key) { s->EditorKeyDown(key); };
    on.editorLeft = [s] { s->CommitEditor(); };
}
