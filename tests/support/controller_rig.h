#pragma once

#include <memory>
#include <set>
#include <string>

#include "app/program.h"
#include "support/fake_backup_place.h"
#include "support/fake_instance_lock.h"
#include "support/fake_screen.h"
#include "support/memory_settings_store.h"
#include "support/scripted_host.h"
#include "support/test_paths.h"

// One program instance for tests: the process-wide objects over an in-memory settings store and
// a scripted host whose program lies in the build's bin folder (so the real overlay and initial
// files are used), with documents in a temporary folder. The serial backend, timers and clock
// are the test's: fakes, or the real ones against the radio simulator.
class ControllerRig {
public:
    ControllerRig(cmcSerialBackend& serial, cmcTimerService& timers, cmcClock& clock);
    ~ControllerRig();

    indMain& Main() { return m_program->Main(); }
    indEnviron& Environ() { return m_program->Environ(); }
    cmcGTex& GTex() { return m_program->GTex(); }
    cmcEvMan& Events() { return m_program->Events(); }
    // Overlay text as the program shows it.
    std::string Line(const std::string& key, int32_t line = 0) { return GTex().GetLine(key, line); }
    std::string MultiLine(const std::string& key);

    TempFolder documents;
    // The automatic backups go here, never to the user's data folder.
    TempFolder backupRoot;
    FakeBackupPlace backups{(backupRoot / "backups").string()};
    ScriptedHost host;

private:
    MemorySettingsStore m_store;
    std::set<std::string> m_heldNames;
    FakeInstanceLock m_lock{m_heldNames};
    FakeScreen m_screen;
    std::unique_ptr<indProgram> m_program;
};
