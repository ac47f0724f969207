#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "base/event_codes.h"
#include "base/task.h"

// The program's message bus. Controls do not call one another to announce changes: they hand a
// numbered event to the one event manager, which passes it to every registered listener, newest
// listener first. Three deliveries:
//   Send     immediate, before the call returns;
//   Post     queued, delivered on the manager's next tick, in order;
//   Query    immediate, and the listeners' Answer calls are collected into a chain.
// Everything runs on the GUI thread. Listeners may send, post, query and add or remove listeners
// from inside a delivery: removal only marks an entry (it is no longer called), and marked entries
// are unlinked by a later tick, never while a delivery is walking the list.

enum class cmcEvMode : int32_t { Posted = 0, Immediate = 1, Query = 2 };

// One event as a listener sees it, for the length of the call. Data is the manager's own copy of
// the sender's bytes; empty means none.
struct cmcEvent {
    cmcEvCode code;
    cmcEvMode mode;
    int32_t first;
    int32_t second;
    std::vector<uint8_t> data;

    // The data read as a text: its bytes up to the first zero.
    std::string Text() const;
};

// One listener's answer to a query. Answers of one query form a chain in the order given; the
// chain stays valid until the next query is made at the same nesting level.
class cmcEvAnswer {
public:
    cmcEvAnswer() = default;
    ~cmcEvAnswer();
    cmcEvAnswer(const cmcEvAnswer&) = delete;
    cmcEvAnswer& operator=(const cmcEvAnswer&) = delete;

    int32_t First() const { return m_first; }
    const std::vector<uint8_t>& Data() const { return m_data; }
    std::string Text() const;
    const cmcEvAnswer* Next() const { return m_next.get(); }

private:
    friend class cmcEvMan;
    int32_t m_first = 0;
    std::vector<uint8_t> m_data;
    std::unique_ptr<cmcEvAnswer> m_next;
    // Answers of a query that ran while this entry waited for the next answer of its own query.
    std::unique_ptr<cmcEvAnswer> m_nested;
};

// A listener: a plain function with the context it was registered with. The event must not be
// kept beyond the call.
using cmcEvListener = void (*)(void* context, const cmcEvent& event);

class cmcEvMan {
public:
    // Delivers posted events on a task of its own, every 10 ms.
    explicit cmcEvMan(cmcTimerService& timers);
    // Without a task: the owner calls Tick (tests that step the deliveries by hand).
    cmcEvMan();
    // Stops the task; queued events are dropped undelivered.
    ~cmcEvMan();
    cmcEvMan(const cmcEvMan&) = delete;
    cmcEvMan& operator=(const cmcEvMan&) = delete;

    // A listener registered again moves to the front (its old entry is marked removed). An empty
    // callback is ignored.
    void AddListener(cmcEvListener callback, void* context);
    void RemoveListener(cmcEvListener callback, void* context);

    void Send(cmcEvCode code, int32_t first, int32_t second);
    // The text travels with its terminating zero.
    void SendText(cmcEvCode code, int32_t first, int32_t second, const std::string& text);

    void Post(cmcEvCode code, int32_t first, int32_t second);
    void PostText(cmcEvCode code, int32_t first, int32_t second, const std::string& text);
    void PostData(cmcEvCode code, const void* data, int32_t length);

    // Returns the first answer, or nullptr when no listener answered.
    const cmcEvAnswer* Query(cmcEvCode code, int32_t first, int32_t second);
    // A listener's answer to the innermost running query; ignored when no query runs.
    void Answer(int32_t first);
    void AnswerData(const void* data, int32_t length);

    // Delivers the events posted before this tick began, then unlinks what was delivered and,
    // when no delivery is running, the listeners marked removed. A tick entered again from inside
    // its own delivery does nothing.
    void Tick();

private:
    struct Listener {
        cmcEvListener callback;
        void* context;
        bool removed;
    };
    struct Queued {
        cmcEvent event;
        bool delivered;
        bool fresh;  // posted during the current tick: waits for the next one
    };

    void Deliver(const cmcEvent& event);
    void Enqueue(cmcEvent event);
    void MarkRemoved(cmcEvListener callback, void* context);
    void AppendAnswer(int32_t first, const void* data, int32_t length);

    std::list<Listener> m_listeners;
    std::list<Queued> m_queue;
    int m_deliveries = 0;  // deliveries running, nested ones counted
    int m_queries = 0;     // queries running, nested ones counted
    bool m_ticking = false;
    cmcEvAnswer m_rootAnswer;
    cmcEvAnswer* m_currentAnswer = &m_rootAnswer;
    cmcTaskPtr m_task;  // last: it goes first, before anything its tick uses
};

constexpr int32_t kEvManTickMs = 10;
