#pragma once

#include <QFont>

#include "overlay/cell_font.h"

// The overlay's font description as Qt draws it. Faces the system lacks ("MS Sans Serif" on most
// systems but Windows) fall back to Qt's choice for a sans-serif face of that size.
QFont QtFontOf(const datCellFont& font);
