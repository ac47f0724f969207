#include "dialogs/window_placement.h"

#include <algorithm>

namespace {

// The popup starts this far in from the cell's left edge, so that the cell's start stays visible.
constexpr int32_t kIndent = 8;

// Moves a window's top left corner so that it ends inside the work area, and then, should it still
// not fit, so that it starts there.
clsWindowPlace KeepInside(clsWindowPlace place, int32_t width, int32_t height,
                          const cmcRect& workArea) {
    place.left = std::max(std::min(place.left, workArea.right - width), workArea.left);
    place.top = std::max(std::min(place.top, workArea.bottom - height), workArea.top);
    return place;
}

}  // namespace

clsWindowPlace PlaceNextToCell(const cmcRect& cell, int32_t width, int32_t height,
                               const cmcRect& workArea) {
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

clsWindowPlace CentreOverOwner(const cmcRect& owner, int32_t width, int32_t height,
                               const cmcRect& workArea) {
    const clsWindowPlace centred{owner.left + (owner.right - owner.left - width) / 2,
                                 owner.top + (owner.bottom - owner.top - height) / 2};
    return KeepInside(centred, width, height, workArea);
}

clsListWindowSize SizeSelectionList(int32_t sheetWidth, int32_t sheetHeight, int32_t frameWidth,
                                    int32_t frameHeight, const cmcRect& workArea) {
    clsListWindowSize size{sheetWidth + frameWidth, sheetHeight + frameHeight, false};
    const int32_t areaWidth = workArea.right - workArea.left;
    const int32_t areaHeight = workArea.bottom - workArea.top;
    if (size.width > areaWidth || size.height > areaHeight) {
        size.scrollBars = true;
        size.width = std::min(size.width, areaWidth);
        size.height = std::min(size.height, areaHeight);
    }
    return size;
}
