#pragma once

#include <cstdint>

#include "platform/host.h"

// A window's top left corner on the desktop, in pixels.
struct clsWindowPlace {
    int32_t left = 0;
    int32_t top = 0;

    bool operator==(const clsWindowPlace&) const = default;
};

// Where a popup of width x height goes next to a cell (both rectangles on the desktop): below the
// cell, 8 pixels in from its left edge, so that the cell's text stays readable. Too low for the
// work area: above the cell when there is more room there than the popup is high, otherwise resting
// on the work area's bottom, where it covers the cell; then it goes left of the cell when it would
// cross the right edge and fits there, and otherwise ends at the right edge. A popup larger than
// the work area keeps its top left corner inside it.
clsWindowPlace PlaceNextToCell(const cmcRect& cell, int32_t width, int32_t height,
                               const cmcRect& workArea);

// A window centred over its owner (on the desktop), moved as little as needed to lie inside the
// work area; a window larger than the work area keeps its top left
// corner inside it.
clsWindowPlace CentreOverOwner(const cmcRect& owner, int32_t width, int32_t height,
                               const cmcRect& workArea);

// The size of a selection list's window: its sheet's full size plus the window frame, or, when
// that does not fit the work area in either direction, the work area's size in that direction with
// both scroll bars on.
struct clsListWindowSize {
    int32_t width = 0;
    int32_t height = 0;
    bool scrollBars = false;

    bool operator==(const clsListWindowSize&) const = default;
};
clsListWindowSize SizeSelectionList(int32_t sheetWidth, int32_t sheetHeight, int32_t frameWidth,
                                    int32_t frameHeight, const cmcRect& workArea);
