#pragma once

#include "print/page_geometry.h"
#include "print/print_sheet.h"
#include "print/print_texts.h"

class QPainter;

// Draws one printed page on any painter (the printer, a PDF, the preview's bitmap), black on
// white: the page frame with the sheet's title, the program's title and the maker's name, then
// the page's cells from the top-left corner of the frame's cell area, painted by the grid's own
// cell painter in its printing mode.
void DrawPageFrame(QPainter& painter, const clsPageFrame& frame, const datCellFont& titleFont,
                   const std::string& title, const datPrintTexts& texts);
void DrawPageCells(QPainter& painter, cuiPrintSheet& sheet, const clsPageBlock& block, int32_t left,
                   int32_t top);
