#include "app/program.h"

indProgram::indProgram(const datPlatformServices& services)
    : m_timers(services.timers),
      m_environ(services.store, services.lock, services.screen),
      m_events(services.timers) {
    // Cell models are read from the main store wherever a cell is parsed.
    SetMainGTex(&m_gtex);
    m_main = std::make_unique<indMain>(
        datControllerLinks{m_environ, m_gtex, m_helpGTex, m_events, services.host, services.serial,
                           services.timers, services.clock, m_choices});
}

indProgram::~indProgram() {
    m_main.reset();
    SetMainGTex(nullptr);
}
