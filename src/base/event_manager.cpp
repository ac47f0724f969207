#include "base/event_manager.h"

#include <algorithm>
#include <utility>

namespace {

std::string TextOf(const std::vector<uint8_t>& data) {
    const auto end = std::find(data.begin(), data.end(), uint8_t{0});
    return std::string(data.begin(), end);
}

std::vector<uint8_t> CopyOf(const void* data, int32_t length) {
    if (data == nullptr || length <= 0) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + length);
}

std::vector<uint8_t> TextWithZero(const std::string& text) {
    std::vector<uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}

// Keeps a count of running deliveries right however a delivery ends, so that a listener that
// throws (a trapped fatal fault in the tests) leaves the manager usable.
class CountGuard {
public:
    explicit CountGuard(int& counter) : m_counter(counter) { ++m_counter; }
    ~CountGuard() { --m_counter; }
    CountGuard(const CountGuard&) = delete;
    CountGuard& operator=(const CountGuard&) = delete;

private:
    int& m_counter;
};

}  // namespace

std::string cmcEvent::Text() const {
    return TextOf(data);
}

std::string cmcEvAnswer::Text() const {
    return TextOf(m_data);
}

cmcEvAnswer::~cmcEvAnswer() {
    // Released one by one: a long chain must not recurse through its destructors.
    std::unique_ptr<cmcEvAnswer> next = std::move(m_next);
    while (next)
        next = std::move(next->m_next);
}

cmcEvMan::cmcEvMan(cmcTimerService& timers) : m_task(cmcTask::Create(timers)) {
    m_task->SetCallback([this](cmcTask&) { Tick(); });
    m_task->SetInterval(kEvManTickMs);
}

cmcEvMan::cmcEvMan() = default;

// Queued events go undelivered, listeners and answers are released with their lists.
cmcEvMan::~cmcEvMan() {
    if (m_task) m_task->SetInterval(-1);
}

void cmcEvMan::AddListener(cmcEvListener callback, void* context) {
    if (callback == nullptr) return;
    MarkRemoved(callback, context);
    m_listeners.push_front(Listener{callback, context, false});
}

void cmcEvMan::RemoveListener(cmcEvListener callback, void* context) {
    if (callback == nullptr) return;
    MarkRemoved(callback, context);
}

void cmcEvMan::MarkRemoved(cmcEvListener callback, void* context) {
    for (Listener& listener : m_listeners)
        if (listener.callback == callback && listener.context == context) listener.removed = true;
}

void cmcEvMan::Deliver(const cmcEvent& event) {
    CountGuard running(m_deliveries);
    // Entries added at the front during the walk are behind it and miss this event; entries are
    // never unlinked while a delivery runs, so the iterator stays valid.
    for (auto it = m_listeners.begin(); it != m_listeners.end(); ++it)
        if (!it->removed) it->callback(it->context, event);
}

void cmcEvMan::Send(cmcEvCode code, int32_t first, int32_t second) {
    Deliver(cmcEvent{code, cmcEvMode::Immediate, first, second, {}});
}

void cmcEvMan::SendText(cmcEvCode code, int32_t first, int32_t second, const std::string& text) {
    Deliver(cmcEvent{code, cmcEvMode::Immediate, first, second, TextWithZero(text)});
}

void cmcEvMan::Enqueue(cmcEvent event) {
    m_queue.push_back(Queued{std::move(event), false, true});
}

void cmcEvMan::Post(cmcEvCode code, int32_t first, int32_t second) {
    Enqueue(cmcEvent{code, cmcEvMode::Posted, first, second, {}});
}

void cmcEvMan::PostText(cmcEvCode code, int32_t first, int32_t second, const std::string& text) {
    Enqueue(cmcEvent{code, cmcEvMode::Posted, first, second, TextWithZero(text)});
}

void cmcEvMan::PostData(cmcEvCode code, const void* data, int32_t length) {
    Enqueue(cmcEvent{code, cmcEvMode::Posted, 0, 0, CopyOf(data, length)});
}

const cmcEvAnswer* cmcEvMan::Query(cmcEvCode code, int32_t first, int32_t second) {
    // The answers of this query hang below the entry that is current now (the root, or the entry
    // of an outer query waiting for its next answer); an earlier chain there is released.
    cmcEvAnswer* const parent = m_currentAnswer;
    parent->m_nested = std::make_unique<cmcEvAnswer>();
    m_currentAnswer = parent->m_nested.get();
    {
        struct Restore {
            cmcEvMan& manager;
            cmcEvAnswer* parent;
            ~Restore() { manager.m_currentAnswer = parent; }
        } restore{*this, parent};
        CountGuard running(m_queries);
        Deliver(cmcEvent{code, cmcEvMode::Query, first, second, {}});
    }
    // Every answer hung a fresh empty entry after itself: release the trailing one.
    std::unique_ptr<cmcEvAnswer>* link = &parent->m_nested;
    while ((*link)->m_next)
        link = &(*link)->m_next;
    link->reset();
    return parent->m_nested.get();
}

void cmcEvMan::AppendAnswer(int32_t first, const void* data, int32_t length) {
    if (m_queries == 0) return;
    m_currentAnswer->m_first = first;
    m_currentAnswer->m_data = CopyOf(data, length);
    m_currentAnswer->m_next = std::make_unique<cmcEvAnswer>();
    m_currentAnswer = m_currentAnswer->m_next.get();
}

void cmcEvMan::Answer(int32_t first) {
    AppendAnswer(first, nullptr, 0);
}

void cmcEvMan::AnswerData(const void* data, int32_t length) {
    AppendAnswer(0, data, length);
}

void cmcEvMan::Tick() {
    if (m_ticking) return;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_ticking};
    m_ticking = true;

    for (Queued& entry : m_queue)
        entry.fresh = false;
    // Events posted by the listeners below are appended fresh and wait for the next tick.
    for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
        if (it->delivered || it->fresh) continue;
        it->delivered = true;
        Deliver(it->event);
    }
    m_queue.remove_if([](const Queued& entry) { return entry.delivered; });

    // A tick can run inside a nested message loop opened by a listener; an immediate delivery
    // further up the stack may still be walking the listener list then.
    if (m_deliveries == 0)
        m_listeners.remove_if([](const Listener& listener) { return listener.removed; });
}
