#pragma once

class QWidget;
struct cmcCellCapsule;

// The widget a cell dialog opens over: the viewport of the Qt grid that asked, in whose
// coordinates the request's cell rectangle is given; nullptr when the request came from no grid
// on screen.
QWidget* CellHostOf(const cmcCellCapsule& capsule);
