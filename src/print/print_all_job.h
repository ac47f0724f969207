#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/task.h"

// What the print-all job does with the document: the printer (or the PDF writer) behind it.
struct clsPrintJobSteps {
    std::function<void()> beginDocument;
    // Prints the pages of one sheet; it checks the job's cancelled flag before each page.
    std::function<void(const std::string& sheetName)> printSheet;
    std::function<void()> endDocument;
    // The job is over (the document ended): enable the main window, close the printing window.
    std::function<void()> finished;
};

// Prints a list of sheets into one document, one sheet per tick of a 50 ms task, so that the
// printing window's Cancel button is handled between sheets. Cancel stops the sheet in progress
// before its next page and skips every later sheet; the document is still ended.
class cuiPrintAllJob {
public:
    static constexpr int32_t kTickMs = 50;

    cuiPrintAllJob(cmcTimerService& timers, clsPrintJobSteps steps);

    // Starts a job over the sheets (nothing happens while one runs).
    void Start(std::vector<std::string> sheetNames);
    void Cancel() { m_cancelled = true; }
    bool IsRunning() const { return m_running; }
    // The flag the sheet producer watches.
    const bool& Cancelled() const { return m_cancelled; }

private:
    void Tick();

    clsPrintJobSteps m_steps;
    std::vector<std::string> m_names;
    size_t m_position = 0;
    bool m_running = false;
    bool m_cancelled = false;
    cmcTaskPtr m_task;
};
