#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_timer_service.h"
#include "platform/serial_line.h"

class cmcInstanceLock;
class cmcSettingsStore;
class cuiQtHost;
class cuiQtMainWindow;
class indProgram;

// The windowed program: the process-wide objects over the Qt platform services, and the main
// window. The settings store, the lock and the host are given, so that tests can run the whole
// program over a temporary store and a scripted desktop. A QApplication must exist.
class cuiQtWindowProgram {
public:
    cuiQtWindowProgram(cmcSettingsStore& store, cmcInstanceLock& lock, cuiQtHost& host);
    ~cuiQtWindowProgram();
    cuiQtWindowProgram(const cuiQtWindowProgram&) = delete;
    cuiQtWindowProgram& operator=(const cuiQtWindowProgram&) = delete;

    // A second instance ends at once, without a window.
    bool IsFirstInstance() const;
    // Makes and shows the main window and runs the controller's Setup over the command line
    // (the program's path first).
    void Start(const std::vector<std::string>& arguments);

    indProgram& Program() { return *m_program; }
    // None before Start.
    cuiQtMainWindow* Window() { return m_window.get(); }

private:
    cmcQtScreen m_screen;
    std::unique_ptr<cmcSerialBackend> m_serial;
    cmcQtTimerService m_timers;
    cmcSteadyClock m_clock;
    cuiQtHost& m_host;
    std::unique_ptr<indProgram> m_program;
    std::unique_ptr<cuiQtMainWindow> m_window;
};
