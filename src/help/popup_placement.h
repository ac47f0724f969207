#pragma once

#include <cstdint>

#include "platform/host.h"

// A point on the screen in pixels.
struct cmcPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The context-help popup's first rectangle, before it has been shown anywhere: width by height,
// centred on the cursor's x (but never left of 0) with its top at the cursor.
cmcRect PopupTypeRect(int32_t width, int32_t height, cmcPoint cursor);

// Where a popup of popup's size goes for the cursor: centred on the cursor's x (at 0 when that
// would reach left of x = 0) with its top at the cursor; when it would reach below the work area,
// it goes above the cursor if there is room there, else flush with the work area's bottom; when
// it would reach beyond the work area's right edge, it is moved left to end there. The size stays.
cmcRect PlacePopup(const cmcRect& popup, cmcPoint cursor, const cmcRect& workArea);
