#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"

// A desktop for tests: it records every message box, dialog and window change and answers from a
// script the test fills beforehand. A box with OK alone answers OK without a script; a question
// that finds no scripted answer answers Cancel and is counted as unscripted, so that a test can
// insist nothing was asked beyond what it expected.
class ScriptedHost : public cmcHost {
public:
    struct Message {
        std::string caption;
        std::string text;
        cmcMessageIcon icon;
        cmcMessageButtons buttons;
    };

    // What the test sets.
    std::string executablePath;
    std::string documentsFolder;
    std::string currentDirectory;
    cmcRect workArea{0, 0, 1024, 768};
    std::optional<cmcRect> mainWindowRect;
    std::deque<cmcMessageAnswer> answers;  // for the message boxes, in order
    std::deque<std::string> openPaths;     // picked in open dialogs; "" cancels
    std::deque<std::string> savePaths;     // picked in save dialogs; "" cancels

    // What the test checks.
    std::vector<Message> messages;
    int32_t unscripted = 0;
    std::vector<datFileDialog> openDialogs;
    std::vector<datFileDialog> saveDialogs;
    bool busyCursor = false;
    bool mainWindowEnabled = true;
    int32_t progressShown = 0;  // how often the progress window was shown
    bool progressOpen = false;
    std::vector<int32_t> progressPaints;

    cmcMessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                                 cmcMessageIcon icon, cmcMessageButtons buttons) override;
    std::string AskOpenPath(const datFileDialog& dialog) override;
    std::string AskSavePath(const datFileDialog& dialog) override;
    void SetBusyCursor(bool busy) override { busyCursor = busy; }
    std::string ExecutablePath() override { return executablePath; }
    std::string DocumentsFolder() override { return documentsFolder; }
    std::string CurrentDirectory() override { return currentDirectory; }
    cmcRect WorkArea() override { return workArea; }
    std::optional<cmcRect> MainWindowRect() override { return mainWindowRect; }
    void EnableMainWindow(bool enabled) override { mainWindowEnabled = enabled; }
    void ShowProgress() override;
    void PaintProgress(int32_t filledSegments) override;
    void CloseProgress() override { progressOpen = false; }
};
