#pragma once

#include "sheets/cell_paint.h"

class QPainter;
class cuiImageList;

// Draws one cell as the sheet decided it (cuiSheet::Paint) on any painter: the grid on screen,
// the print preview and the printer. clip is the cell's own rectangle: a cell that continues into
// its neighbours paints only its share, so that the neighbours complete the same picture. On
// screen the marks are the image list's; when printing they are drawn as symbols, so that they
// print in black and white at any resolution.
void DrawCellPaint(QPainter& painter, const clsCellPaint& paint, const clsCellRect& clip,
                   const cuiImageList* images, bool printing);
