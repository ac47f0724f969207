#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>

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
//
// An object that deletes itself on a later tick (a task disposed while it runs) also leaves its
// deletion here: when the service goes first that tick never comes, and the service deletes the
// object as it goes. Timers outlive their service safely, so this runs after the derived parts.
class cmcTimerService {
public:
    virtual ~cmcTimerService() {
        std::unordered_map<const void*, std::function<void()>> pending;
        pending.swap(m_pendingDeletions);
        for (auto& [object, remove] : pending)
            remove();
    }
    virtual std::unique_ptr<cmcTimer> CreateTimer(std::function<void()> onTick) = 0;

    void DeferDeletion(const void* object, std::function<void()> remove) {
        m_pendingDeletions[object] = std::move(remove);
    }
    // The object deleted itself on its tick.
    void CancelDeletion(const void* object) { m_pendingDeletions.erase(object); }

private:
    std::unordered_map<const void*, std::function<void()>> m_pendingDeletions;
};
