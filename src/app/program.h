#pragma once

#include <memory>

#include "app/environ.h"
#include "app/radio_controller.h"
#include "base/event_manager.h"
#include "model/overlay_choice_source.h"
#include "overlay/gtex.h"

class cmcClock;
class cmcHost;
class cmcInstanceLock;
class cmcScreen;
class cmcSerialBackend;
class cmcSettingsStore;
class cmcTimerService;

// The platform services a program instance runs on; all outlive it.
struct datPlatformServices {
    cmcSettingsStore& store;
    cmcInstanceLock& lock;
    const cmcScreen& screen;
    cmcHost& host;
    cmcSerialBackend& serial;
    cmcTimerService& timers;
    cmcClock& clock;
};

// The process-wide objects, made in this order and gone in the reverse order: the settings (with
// the single-instance lock), the overlay text store, the help text store, the event manager and
// the main controller. A second instance makes them too (the controller reads the overlay) and
// ends at once; its settings object reads and writes nothing.
class indProgram {
public:
    explicit indProgram(const datPlatformServices& services);
    ~indProgram();
    indProgram(const indProgram&) = delete;
    indProgram& operator=(const indProgram&) = delete;

    bool IsFirstInstance() const { return m_environ.IsFirstInstance(); }
    indEnviron& Environ() { return m_environ; }
    cmcGTex& GTex() { return m_gtex; }
    cmcHelpGTex& HelpGTex() { return m_helpGTex; }
    cmcEvMan& Events() { return m_events; }
    indMain& Main() { return *m_main; }

private:
    indEnviron m_environ;
    cmcGTex m_gtex;
    cmcHelpGTex m_helpGTex;
    cmcEvMan m_events;
    cmcOverlayChoiceSource m_choices{m_gtex};
    std::unique_ptr<indMain> m_main;
};
