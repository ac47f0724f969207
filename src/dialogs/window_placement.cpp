#include "dialogs/window_placement.h"

#include <algorithm>

namespace {

// The popup starts this far in from the cell's left edge, so that the cell's start stays visible.
constexpr int32_t kIndent = 8;

}  // namespace

clsWindowPlace PlaceNextToCell(const clsCellRect& cell, int32_t width, int32_t height,
                               const clsCellRect& workArea) {
    clsWindowPlace place{cell.left + kIndent, cell.bottom};
    bool onBottom = false;
    if (place.top + height > workArea.bottom) {
        if (cell.top - workArea.top > height) {
            place.top = cell.top - height;
        } else {
            place.top = workArea.bottom - height;
            onBottom = true;
        }
    }
    if (place.left + width > workArea.right) {
        if (onBottom && cell.left - width >= workArea.left) {
            place.left = cell.left - width;
        } else {
            place.left = workArea.right - width;
        }
    }
    place.left = std::max(place.left, workArea.left);
    place.top = std::max(place.top, workArea.top);
    return place;
}
