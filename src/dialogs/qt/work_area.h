#pragma once

#include <QPoint>

#include "platform/host.h"

// The desktop work area (the screen without its panels) of the screen that shows point; without a
// screen, a 1024 x 768 one.
cmcRect WorkAreaAt(const QPoint& point);
