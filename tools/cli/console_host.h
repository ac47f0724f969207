#pragma once

#include <cstdio>
#include <string>

#include "platform/host.h"

// The desktop as the command-line program has it: message boxes are written to standard error,
// questions are answered by the --yes option or on the terminal, the clone progress is a bar on
// standard error when that is a terminal, and no file dialog is ever shown (every path is on the
// command line).
class cuiConsoleHost : public cmcHost {
public:
    // With answerYes every question is answered OK / Yes without asking.
    explicit cuiConsoleHost(bool answerYes) : m_answerYes(answerYes) {}

    // While quiet, messages are only kept (LastMessage), not written: a command that reports a
    // failure in its own words.
    void SetQuiet(bool quiet) { m_quiet = quiet; }
    const std::string& LastMessage() const { return m_lastMessage; }
    void ClearLastMessage() { m_lastMessage.clear(); }

    cmcMessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                                 cmcMessageIcon icon, cmcMessageButtons buttons) override;
    std::string AskOpenPath(const datFileDialog&) override { return ""; }
    std::string AskSavePath(const datFileDialog&) override { return ""; }
    void SetBusyCursor(bool) override {}

    std::string ExecutablePath() override;
    std::string DocumentsFolder() override { return ""; }
    std::string CurrentDirectory() override;

    cmcRect WorkArea() override { return {0, 0, 1024, 768}; }
    std::optional<cmcRect> MainWindowRect() override { return std::nullopt; }
    void EnableMainWindow(bool) override {}

    void ShowProgress() override;
    void PaintProgress(int32_t filledSegments) override;
    void CloseProgress() override;

private:
    cmcMessageAnswer Ask(cmcMessageButtons buttons);

    bool m_answerYes;
    bool m_quiet = false;
    std::string m_lastMessage;
    bool m_progressShown = false;
    int32_t m_paintedSegments = -1;
};
