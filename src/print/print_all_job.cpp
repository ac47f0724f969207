#include "print/print_all_job.h"

#include <utility>

cuiPrintAllJob::cuiPrintAllJob(cmcTimerService& timers, clsPrintJobSteps steps)
    : m_steps(std::move(steps)), m_task(cmcTask::Create(timers)) {
    m_task->SetCallback([this](cmcTask&) { Tick(); });
    m_task->SetInterval(kTickMs);
}

void cuiPrintAllJob::Start(std::vector<std::string> sheetNames) {
    if (m_running) return;
    m_names = std::move(sheetNames);
    m_position = 0;
    m_cancelled = false;
    m_running = true;
}

void cuiPrintAllJob::Tick() {
    if (!m_running) return;
    if (m_position == 0 && m_steps.beginDocument) m_steps.beginDocument();
    // Once cancelled, the sheets left would each stop before their first page: skip them.
    if (m_position < m_names.size() && !m_cancelled && m_steps.printSheet)
        m_steps.printSheet(m_names[m_position]);
    ++m_position;
    if (m_position < m_names.size() && !m_cancelled) return;
    if (m_steps.endDocument) m_steps.endDocument();
    m_running = false;
    m_names.clear();
    if (m_steps.finished) m_steps.finished();
}
