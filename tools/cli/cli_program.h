#pragma once

#include <memory>
#include <string>

#include "app/program.h"
#include "app/radio_controller.h"
#include "cli_platform.h"
#include "console_host.h"
#include "platform/clock.h"
#include "platform/event_loop.h"

// What a command asks of the program beside its operands.
struct datCliSetup {
    bool answerYes = false;
    int32_t port = 1;
    std::string device;  // when set, the clone commands use this device whatever the port
    bool highSpeed = false;
    // The safety of clone writes and reads.
    bool backups = true;  // the automatic backups (off with --no-backup)
    bool review = false;  // write: read the radio and show the changes first (--review)
    bool verify = true;   // write: read the written memory back and compare (--no-verify)
};

// One program instance for one command: the same process-wide objects and main controller as
// the GUI, without a window, over the console host, an event loop that runs the timers in real
// time, and default settings. The working document starts as the template of model type 0.
class cuiCliProgram {
public:
    explicit cuiCliProgram(const datCliSetup& setup);
    ~cuiCliProgram();
    cuiCliProgram(const cuiCliProgram&) = delete;
    cuiCliProgram& operator=(const cuiCliProgram&) = delete;

    indMain& Main() { return m_program->Main(); }
    cmcGTex& GTex() { return m_program->GTex(); }
    cuiConsoleHost& Host() { return m_host; }
    cmcEventLoop& Loop() { return m_loop; }

    // Opens a clone file as the Open command does. On failure returns its file error code
    // (1-9) with the message kept in text and not shown; 0 on success.
    int OpenQuietly(const std::string& path, std::string& text);

private:
    cmcEmptySettingsStore m_store;
    cmcNoInstanceLock m_lock;
    cmcNoScreen m_screen;
    cuiConsoleHost m_host;
    cmcCliSerialBackend m_serial;
    cmcSteadyClock m_clock;
    cmcEventLoop m_loop{m_clock};
    std::unique_ptr<indProgram> m_program;
};
