#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "sheets/cell_paint.h"

class QPalette;
struct datCellFont;

// A colour of the core (0x00BBGGRR, already resolved) as Qt draws it.
QColor QtColour(uint32_t colour);
// The system colours a sheet paints with, from the desktop's palette: so a dark theme gives a
// dark, readable page.
clsSystemColours SystemColoursOf(const QPalette& palette);
// An overlay font as Qt draws it. The overlays name Windows faces; a face the machine lacks
// becomes the desktop's own sans-serif face at the same size. A negative height is the character
// height in pixels.
QFont QtCellFont(const datCellFont& font);
