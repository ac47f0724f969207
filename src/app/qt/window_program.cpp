#include "app/qt/window_program.h"

#include "app/program.h"
#include "app/qt/desktop_host.h"
#include "app/qt/main_window.h"

#ifdef _WIN32
#include "platform/win_serial.h"
using cmcSystemSerialBackend = cmcWinSerialBackend;
#else
#include "platform/posix_serial.h"
using cmcSystemSerialBackend = cmcPosixSerialBackend;
#endif

namespace {

constexpr const char* kProgressCaptionKey = "GI_Clone_ProgressCaption";

}  // namespace

cuiQtWindowProgram::cuiQtWindowProgram(cmcSettingsStore& store, cmcInstanceLock& lock,
                                       cuiQtHost& host)
    : m_serial(std::make_unique<cmcSystemSerialBackend>()), m_host(host) {
    m_program = std::make_unique<indProgram>(
        datPlatformServices{store, lock, m_screen, host, *m_serial, m_timers, m_clock});
}

cuiQtWindowProgram::~cuiQtWindowProgram() {
    // The window's menus and toolbar listen to the event manager, which goes with the program.
    m_host.SetMainWindow(nullptr);
    m_window.reset();
    m_program.reset();
}

bool cuiQtWindowProgram::IsFirstInstance() const {
    return m_program->IsFirstInstance();
}

void cuiQtWindowProgram::Start(const std::vector<std::string>& arguments) {
    m_window = std::make_unique<cuiQtMainWindow>(*m_program, m_host);
    m_host.SetMainWindow(m_window.get());
    m_host.SetProgressCaption(m_program->GTex().GetFirstLine(kProgressCaptionKey));
    m_window->Start(arguments);
}
