#pragma once

#include <QPoint>
#include <QRect>

#include "platform/host.h"

// The desktop work area (the screen without its panels) of the screen that shows point; without a
// screen, a 1024 x 768 one.
cmcRect WorkAreaAt(const QPoint& point);

// A rectangle on the desktop as the core's placement rules take it.
cmcRect CoreRectOf(const QRect& rect);
