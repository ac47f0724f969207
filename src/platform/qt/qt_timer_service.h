#pragma once

#include <functional>
#include <memory>

#include "platform/timer_service.h"

// Timers on the GUI thread's event loop (QTimer). Periods are kept to the millisecond.
class cmcQtTimerService : public cmcTimerService {
public:
    std::unique_ptr<cmcTimer> CreateTimer(std::function<void()> onTick) override;
};
