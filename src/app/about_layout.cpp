#include "app/about_layout.h"

datAboutLayout AboutLayout(int32_t iconWidth, int32_t iconHeight, int32_t labelWidth,
                           int32_t labelHeight, int32_t buttonHeight) {
    datAboutLayout layout;
    const int32_t iconLeft = iconWidth / 2;
    const int32_t iconTop = iconHeight / 2;
    layout.icon = {iconLeft, iconTop, iconLeft + iconWidth, iconTop + iconHeight};
    // The factors are cut to whole pixels as the box was always laid out.
    layout.labelLeft = iconLeft + static_cast<int32_t>(1.5 * iconWidth);
    layout.labelTop = 0;
    const int32_t buttonLeft = layout.labelLeft + labelWidth + 2 * iconWidth;
    const int32_t buttonTop = iconHeight / 4;
    const int32_t buttonWidth = static_cast<int32_t>(2.5 * iconWidth);
    layout.button = {buttonLeft, buttonTop, buttonLeft + buttonWidth, buttonTop + buttonHeight};
    layout.clientWidth = layout.button.right + iconHeight / 4;
    layout.clientHeight = layout.labelTop + labelHeight + iconHeight / 2;
    return layout;
}

cmcRect CentreOver(const cmcRect& mainWindow, int32_t width, int32_t height,
                   const cmcRect& workArea) {
    int32_t left = mainWindow.left + (mainWindow.right - mainWindow.left - width) / 2;
    int32_t top = mainWindow.top + (mainWindow.bottom - mainWindow.top - height) / 2;
    if (left + width > workArea.right) left = workArea.right - width;
    if (top + height > workArea.bottom) top = workArea.bottom - height;
    if (left < workArea.left) left = workArea.left;
    if (top < workArea.top) top = workArea.top;
    return {left, top, left + width, top + height};
}
