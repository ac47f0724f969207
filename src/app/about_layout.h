#pragma once

#include <cstdint>

#include "platform/host.h"

// Where the About box puts its icon, its label and its button, all from the icon's size, and how
// large its client area is.
struct datAboutLayout {
    cmcRect icon;
    int32_t labelLeft = 0;
    int32_t labelTop = 0;
    cmcRect button;
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
};

// buttonHeight is the button's own height; the label's size is its text's.
datAboutLayout AboutLayout(int32_t iconWidth, int32_t iconHeight, int32_t labelWidth,
                           int32_t labelHeight, int32_t buttonHeight);

// A window of width x height centred over the main window, then kept inside the work area: moved
// left or up where it sticks out, then right or down where it starts before the area.
cmcRect CentreOver(const cmcRect& mainWindow, int32_t width, int32_t height,
                   const cmcRect& workArea);
