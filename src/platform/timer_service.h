#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// A periodic timer that calls its tick function on the GUI thread. Start restarts the period from
// now; a timer destroyed from inside its own tick function is safe.
class cmcTimer {
public:
    virtual ~cmcTimer() = default;
    virtual void Start(int32_t intervalMs) = 0;  // intervalMs >= 1
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

// Makes timers. The GUI provides one over its toolkit's timers; programs without a GUI and the
// tests provide their own loops.
class cmcTimerService {
public:
    virtual ~cmcTimerService() = default;
    virtual std::unique_ptr<cmcTimer> CreateTimer(std::function<void()> onTick) = 0;
};
