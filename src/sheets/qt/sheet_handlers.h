#pragma once

class cuiQtGrid;
class cuiSheet;

// Gives every step of the grid to the sheet: selection, widths, timed scrolling, focus, keys,
// mouse, the cells' texts for screen readers and the in-place editor. The owner adds what is its
// own (drawing the cells, the popup menu) and may wrap a handler.
void ConnectSheetToGrid(cuiQtGrid& grid, cuiSheet& sheet);
