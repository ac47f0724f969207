#pragma once

#include <cstdint>
#include <vector>

#include "overlay/cell_capsule.h"

class cuiGrid;

// The arithmetic a grid window follows beyond the cell rectangles of its layout: which cells a
// client area shows, how far it may scroll, where the in-place editor sits, which column edge the
// mouse is on and where a held mouse scrolls to. The Qt grid asks these; they are tested alone.

// The columns (rows) in view over a client area of that width (height): the fixed ones, then the
// scrolling ones from the first in view up to the last that starts inside the area.
std::vector<int32_t> VisibleColumns(const cuiGrid& grid, int32_t clientWidth);
std::vector<int32_t> VisibleRows(const cuiGrid& grid, int32_t clientHeight);

// The last first-scrolling column (row) worth scrolling to: from it on the remaining columns
// (rows) fill the area beside the fixed ones, so scrolling further would only show empty space.
int32_t LastLeftColumn(const cuiGrid& grid, int32_t clientWidth);
int32_t LastTopRow(const cuiGrid& grid, int32_t clientHeight);
// How many scrolling columns (rows) from the first in view fit wholly, at least one.
int32_t WholeColumnsInView(const cuiGrid& grid, int32_t clientWidth);
int32_t WholeRowsInView(const cuiGrid& grid, int32_t clientHeight);

// The area of the scrolling cells: right of the fixed columns, below the fixed rows.
clsCellRect ScrollingArea(const cuiGrid& grid, int32_t clientWidth, int32_t clientHeight);

// The in-place editor over a cell: the cell's width, one text line high (never more than the cell)
// and placed by the cell's vertical alignment (clsCellLayout) as the text is drawn.
clsCellRect EditorRect(const clsCellRect& cell, uint8_t verticalAlignment, int32_t textHeight);

// The column whose right edge a point of a fixed row is on (within slack pixels), for dragging
// its width; -1 when the point is on none.
int32_t ColumnEdgeAt(const cuiGrid& grid, int32_t x, int32_t y, int32_t slack);

// The directions a held mouse at (x, y) scrolls in (clsScrollDirection bits): towards the side of
// the scrolling area the point lies beyond; none inside it.
uint8_t TimedScrollDirections(const clsCellRect& scrollingArea, int32_t x, int32_t y);

// The bevels of a page: the title panel's, the grid panel's and a selection list's, in pixels.
constexpr int32_t kTitleBevel = 2;
constexpr int32_t kGridBevel = 2;
constexpr int32_t kListBevel = 1;
constexpr int32_t kListBorder = 2;
// The height of the title panel over a page: the title's text height, its bevel and a margin.
int32_t TitlePanelHeight(int32_t textHeight);
