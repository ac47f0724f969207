#include "base/event_manager.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <list>
#include <string>
#include <vector>

#include "support/manual_scheduler.h"

namespace {

// A listener whose reaction is a test's lambda; every call is logged as "name:code".
struct Probe {
    std::string name;
    std::vector<std::string>* log;
    std::function<void(const cmcEvent&)> react;

    static void Listen(void* context, const cmcEvent& event) {
        auto* probe = static_cast<Probe*>(context);
        probe->log->push_back(probe->name + ":" + std::to_string(static_cast<int>(event.code)));
        if (probe->react) probe->react(event);
    }
};

class EventManager : public testing::Test {
protected:
    Probe& Add(const std::string& name, std::function<void(const cmcEvent&)> react = {}) {
        m_probes.push_back(Probe{name, &log, std::move(react)});
        manager.AddListener(Probe::Listen, &m_probes.back());
        return m_probes.back();
    }

    cmcEvMan manager;
    std::vector<std::string> log;

private:
    std::list<Probe> m_probes;  // stable addresses: they are the listeners' contexts
};

constexpr cmcEvCode kA = cmcEvCode::RepaintAll;
constexpr cmcEvCode kB = cmcEvCode::RefreshMenus;
constexpr cmcEvCode kQuery = cmcEvCode::QueryActiveCell;

using Log = std::vector<std::string>;

TEST_F(EventManager, NewestListenerHearsFirstAndReRegisteringMovesToTheFront) {
    Probe& a = Add("A");
    Add("B");
    manager.Send(kB, 0, 0);
    EXPECT_EQ(log, (Log{"B:9", "A:9"}));

    log.clear();
    manager.AddListener(Probe::Listen, &a);
    manager.Send(kB, 0, 0);
    manager.Tick();
    manager.Send(kB, 0, 0);
    EXPECT_EQ(log, (Log{"A:9", "B:9", "A:9", "B:9"}));

    log.clear();
    manager.AddListener(nullptr, &a);
    manager.RemoveListener(nullptr, &a);
    manager.Send(kB, 0, 0);
    EXPECT_EQ(log, (Log{"A:9", "B:9"}));
}

TEST_F(EventManager, ListenersAddedOrRemovedDuringADeliveryTakeEffectAtOnce) {
    Probe late{"late", &log, {}};
    Probe& c = Add("C");
    Add("A", [&](const cmcEvent&) { manager.RemoveListener(Probe::Listen, &c); });
    Probe* self = nullptr;
    self = &Add("self", [&](const cmcEvent&) {
        manager.RemoveListener(Probe::Listen, self);
        manager.AddListener(Probe::Listen, &late);
    });

    manager.Send(kB, 0, 0);
    // self removes itself and adds a listener at the front, behind the walk, which misses this
    // event; A removes C before C's turn, so C is skipped.
    EXPECT_EQ(log, (Log{"self:9", "A:9"}));
    log.clear();
    manager.Send(kB, 0, 0);
    EXPECT_EQ(log, (Log{"late:9", "A:9"}));
}

TEST_F(EventManager, ATickInsideAnImmediateDeliveryLeavesTheWalkIntact) {
    // A listener that removes itself and then opens a modal box: the manager's tick runs in the
    // box's message loop while the outer delivery still stands on the removed entry.
    Add("older");
    Probe* modal = nullptr;
    modal = &Add("modal", [&](const cmcEvent& event) {
        if (event.mode != cmcEvMode::Immediate) return;
        manager.RemoveListener(Probe::Listen, modal);
        manager.Post(kA, 0, 0);
        manager.Tick();
        manager.Tick();
    });

    manager.Send(kB, 0, 0);
    EXPECT_EQ(log, (Log{"modal:9", "older:13", "older:9"}));
    manager.Tick();
    log.clear();
    manager.Send(kB, 0, 0);
    EXPECT_EQ(log, (Log{"older:9"}));
}

TEST_F(EventManager, PostedEventsWaitForTheNextTickInOrder) {
    Add("L", [&](const cmcEvent& event) {
        if (event.code == kA) manager.Post(kB, 0, 0);
        if (event.mode == cmcEvMode::Immediate) manager.Post(cmcEvCode::RepaintLabel, 0, 0);
    });
    manager.Post(kA, 0, 0);
    manager.Post(cmcEvCode::ShowAbout, 0, 0);
    EXPECT_TRUE(log.empty());

    manager.Tick();
    EXPECT_EQ(log, (Log{"L:13", "L:3"}));
    manager.Send(cmcEvCode::SettingsChanged, 0, 0);
    manager.Tick();
    // The event posted by the delivery of 13 waited one tick more; the one posted by the
    // immediate delivery between the ticks did not.
    EXPECT_EQ(log, (Log{"L:13", "L:3", "L:2", "L:9", "L:15"}));
    manager.Tick();
    EXPECT_EQ(log.size(), 5u);
}

TEST_F(EventManager, EventsCarryACopyOfTheirData) {
    std::vector<cmcEvent> seen;
    Add("L", [&](const cmcEvent& event) { seen.push_back(event); });
    std::string text = "Channel 16";
    std::array<int32_t, 3> cell{5, 120, 7};
    manager.PostText(cmcEvCode::StatusMessage, 0x000000FF, 0x8000000F, text);
    manager.PostData(cmcEvCode::CurrentCellChanged, cell.data(), sizeof cell);
    manager.Post(kA, 1, -2);
    text = "overwritten";
    cell.fill(0);
    manager.Tick();
    manager.SendText(cmcEvCode::LogLine, 3, 4, "line");
    manager.PostData(kA, nullptr, 8);
    manager.Tick();

    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].mode, cmcEvMode::Posted);
    EXPECT_EQ(seen[0].first, 0x000000FF);
    EXPECT_EQ(seen[0].second, static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(seen[0].Text(), "Channel 16");
    EXPECT_EQ(seen[0].data.size(), 11u);  // with its terminating zero
    ASSERT_EQ(seen[1].data.size(), 12u);
    std::array<int32_t, 3> received{};
    std::memcpy(received.data(), seen[1].data.data(), 12);
    EXPECT_EQ(received, (std::array<int32_t, 3>{5, 120, 7}));
    EXPECT_EQ(seen[1].first, 0);
    EXPECT_TRUE(seen[2].data.empty());
    EXPECT_EQ(seen[2].second, -2);
    EXPECT_EQ(seen[3].mode, cmcEvMode::Immediate);
    EXPECT_EQ(seen[3].Text(), "line");
    EXPECT_TRUE(seen[4].data.empty());
}

TEST_F(EventManager, QueryCollectsTheAnswersInTheOrderGiven) {
    EXPECT_EQ(manager.Query(kQuery, 0, 0), nullptr);

    Add("older", [&](const cmcEvent& event) {
        if (event.mode == cmcEvMode::Query) manager.AnswerData("GI_Sheet_IntCh", 15);
    });
    Add("newer", [&](const cmcEvent& event) {
        EXPECT_EQ(event.mode, cmcEvMode::Query);
        manager.Answer(event.second + 1);
    });
    const cmcEvAnswer* answer = manager.Query(kQuery, 0, 41);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->First(), 42);
    EXPECT_TRUE(answer->Data().empty());
    ASSERT_NE(answer->Next(), nullptr);
    EXPECT_EQ(answer->Next()->First(), 0);
    EXPECT_EQ(answer->Next()->Text(), "GI_Sheet_IntCh");
    EXPECT_EQ(answer->Next()->Next(), nullptr);
}

TEST_F(EventManager, AnAnswerOutsideAQueryIsIgnored) {
    manager.Answer(7);
    Add("L", [&](const cmcEvent& event) {
        if (event.mode != cmcEvMode::Query) manager.Answer(9);
    });
    manager.Send(kB, 0, 0);
    EXPECT_EQ(manager.Query(kQuery, 0, 0), nullptr);
}

TEST_F(EventManager, NestedQueriesKeepTheirAnswersApart) {
    const cmcEvAnswer* inner = nullptr;
    int innerFirst = 0;
    Add("owner", [&](const cmcEvent& event) {
        if (event.code == cmcEvCode::QueryOwnsControl) manager.Answer(1);
    });
    Add("asker", [&](const cmcEvent& event) {
        if (event.code != kQuery) return;
        manager.Answer(100);
        inner = manager.Query(cmcEvCode::QueryOwnsControl, 0, 5);
        innerFirst = inner != nullptr ? inner->First() : -1;
        manager.Answer(200);
    });

    const cmcEvAnswer* outer = manager.Query(kQuery, 0, 0);
    EXPECT_EQ(innerFirst, 1);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Next(), nullptr);
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->First(), 100);
    ASSERT_NE(outer->Next(), nullptr);
    EXPECT_EQ(outer->Next()->First(), 200);
    EXPECT_EQ(outer->Next()->Next(), nullptr);

    // The outer chain is replaced by the next query at the same level.
    const cmcEvAnswer* owners = manager.Query(cmcEvCode::QueryOwnsControl, 0, 5);
    ASSERT_NE(owners, nullptr);
    EXPECT_EQ(owners->First(), 1);
    EXPECT_EQ(owners->Next(), nullptr);
}

TEST_F(EventManager, ATickEnteredFromItsOwnDeliveryDoesNothing) {
    Add("L", [&](const cmcEvent& event) {
        if (event.code == kA) manager.Tick();
    });
    manager.Post(kA, 0, 0);
    manager.Post(kB, 0, 0);
    manager.Tick();
    EXPECT_EQ(log, (Log{"L:13", "L:9"}));
}

TEST(EventManagerLifetime, DestructionDropsQueuedEventsUndelivered) {
    std::vector<std::string> log;
    Probe probe{"L", &log, {}};
    {
        cmcEvMan manager;
        manager.AddListener(Probe::Listen, &probe);
        manager.Post(kA, 0, 0);
        manager.PostText(kB, 0, 0, "queued");
    }
    EXPECT_TRUE(log.empty());
}

}  // namespace

namespace {

TEST(EventManagerTask, DeliversPostedEventsEveryTenMillisecondsWithoutReentering) {
    ManualScheduler scheduler;
    cmcEvMan manager(scheduler);
    std::vector<std::string> log;
    // The first delivery opens a modal box whose message loop runs 100 ms of timers.
    Probe modal{"modal", &log, [&](const cmcEvent& event) {
                    if (event.code != kA) return;
                    manager.Post(kB, 0, 0);
                    scheduler.Advance(100);
                }};
    manager.AddListener(Probe::Listen, &modal);

    manager.Post(kA, 0, 0);
    scheduler.Advance(9);
    EXPECT_TRUE(log.empty());
    scheduler.Advance(1);
    // The tick stood still while the box was open; the event posted meanwhile came one tick later.
    EXPECT_EQ(log, (Log{"modal:13"}));
    scheduler.Advance(10);
    EXPECT_EQ(log, (Log{"modal:13", "modal:9"}));
}

TEST(EventManagerTask, StopsItsTaskWhenDestroyed) {
    ManualScheduler scheduler;
    std::vector<std::string> log;
    Probe probe{"L", &log, {}};
    {
        cmcEvMan manager(scheduler);
        manager.AddListener(Probe::Listen, &probe);
        manager.Post(kA, 0, 0);
        scheduler.Advance(5);
    }
    scheduler.Advance(100);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(scheduler.NextDue(), std::nullopt);
}

}  // namespace
