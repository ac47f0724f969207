#include "help/popup_placement.h"

cmcRect PopupTypeRect(int32_t width, int32_t height, cmcPoint cursor) {
    int32_t left = cursor.x - width / 2;
    if (left <= 0) left = 0;
    return {left, cursor.y, left + width, cursor.y + height};
}

cmcRect PlacePopup(const cmcRect& popup, cmcPoint cursor, const cmcRect& workArea) {
    const int32_t width = popup.right - popup.left;
    const int32_t height = popup.bottom - popup.top;
    int32_t left = width / 2 < cursor.x ? cursor.x - width / 2 : 0;
    int32_t top = cursor.y;
    if (top + height > workArea.bottom) {
        const bool roomAbove = height < cursor.y - workArea.top && cursor.y < workArea.bottom;
        top = roomAbove ? cursor.y - height : workArea.bottom - height;
    }
    if (left + width > workArea.right) left = workArea.right - width;
    return {left, top, left + width, top + height};
}
