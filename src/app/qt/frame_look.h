#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

struct datCellFont;

// The overlay's colours (0x00BBGGRR, or 0x800000nn for the system colour nn) in the desktop's
// palette: system colours follow the desktop's theme.
QColor FromCoreColour(uint32_t colour);

// An overlay font over base: the overlay's face where the desktop has it (the classic "MS Sans
// Serif" stands for the desktop's own face), its size in points, its styles.
QFont FromCoreFont(const datCellFont& font, const QFont& base);
