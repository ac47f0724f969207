#include "platform/timer_queue.h"

#include <map>
#include <utility>

struct cmcTimerQueue::State {
    struct Entry {
        std::shared_ptr<std::function<void()>> onTick;
        bool active = false;
        int32_t interval = 1;
        uint64_t due = 0;
        uint64_t order = 0;  // breaks ties between equal due times
    };

    const cmcTimerQueue* queue = nullptr;
    std::map<uint64_t, Entry> entries;  // by timer id
    uint64_t nextId = 0;
    uint64_t nextOrder = 0;

    // The earliest active entry, or entries.end().
    std::map<uint64_t, Entry>::iterator Earliest() {
        auto earliest = entries.end();
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (!it->second.active) continue;
            if (earliest == entries.end() || it->second.due < earliest->second.due ||
                (it->second.due == earliest->second.due &&
                 it->second.order < earliest->second.order)) {
                earliest = it;
            }
        }
        return earliest;
    }
};

// A timer holds its queue weakly: a timer that outlives its queue does nothing.
class cmcTimerQueue::Timer : public cmcTimer {
public:
    Timer(std::weak_ptr<State> state, uint64_t id) : m_state(std::move(state)), m_id(id) {}
    ~Timer() override {
        if (auto state = m_state.lock()) state->entries.erase(m_id);
    }

    void Start(int32_t intervalMs) override {
        auto state = m_state.lock();
        if (!state) return;
        auto& entry = state->entries.at(m_id);
        entry.active = true;
        entry.interval = intervalMs < 1 ? 1 : intervalMs;
        entry.due = state->queue->QueueNow() + static_cast<uint64_t>(entry.interval);
        entry.order = state->nextOrder++;
    }

    void Stop() override {
        if (auto state = m_state.lock()) state->entries.at(m_id).active = false;
    }

    bool IsActive() const override {
        auto state = m_state.lock();
        return state && state->entries.at(m_id).active;
    }

private:
    std::weak_ptr<State> m_state;
    uint64_t m_id;
};

cmcTimerQueue::cmcTimerQueue() : m_state(std::make_shared<State>()) {
    m_state->queue = this;
}

cmcTimerQueue::~cmcTimerQueue() = default;

std::unique_ptr<cmcTimer> cmcTimerQueue::CreateTimer(std::function<void()> onTick) {
    const uint64_t id = m_state->nextId++;
    m_state->entries[id].onTick = std::make_shared<std::function<void()>>(std::move(onTick));
    return std::make_unique<Timer>(m_state, id);
}

std::optional<uint64_t> cmcTimerQueue::NextDue() const {
    const auto earliest = m_state->Earliest();
    if (earliest == m_state->entries.end()) return std::nullopt;
    return earliest->second.due;
}

bool cmcTimerQueue::FireOne(uint64_t now) {
    const auto earliest = m_state->Earliest();
    if (earliest == m_state->entries.end() || earliest->second.due > now) return false;
    auto& entry = earliest->second;
    entry.due += static_cast<uint64_t>(entry.interval);
    if (entry.due <= now) entry.due = now + static_cast<uint64_t>(entry.interval);
    entry.order = m_state->nextOrder++;
    // The tick function may destroy its own timer, and with it the entry: keep it alive.
    const auto onTick = entry.onTick;
    if (*onTick) (*onTick)();
    return true;
}
