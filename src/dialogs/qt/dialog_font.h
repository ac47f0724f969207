#pragma once

#include <QFont>
#include <QRect>

#include "overlay/cell_capsule.h"
#include "overlay/cell_font.h"

// The overlay's font description as Qt draws it. Faces the system lacks ("MS Sans Serif" on most
// systems but Windows) fall back to Qt's choice for a sans-serif face of that size.
QFont QtFontOf(const datCellFont& font);

// The desktop work area (the screen without its panels) of the screen that shows point.
clsCellRect WorkAreaAt(const QPoint& point);
