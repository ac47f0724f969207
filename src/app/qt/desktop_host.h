#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "clone/qt/progress_window.h"
#include "platform/host.h"

// The desktop as the program's logic reaches it, over Qt: message boxes and file dialogs owned by
// the main window, the busy cursor, the folders, the work area of the window's screen, and the
// clone progress window. Tests derive from it to answer the boxes and dialogs from a script.
class cuiQtHost : public cmcHost {
public:
    cuiQtHost();
    ~cuiQtHost() override;

    // The main window that owns the boxes and whose place is asked for; none before it exists.
    void SetMainWindow(QWidget* window) { m_window = window; }
    // The progress window's caption, from the overlay.
    void SetProgressCaption(const std::string& caption) { m_progressCaption = caption; }

    cmcMessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                                 cmcMessageIcon icon, cmcMessageButtons buttons) override;
    std::string AskOpenPath(const datFileDialog& dialog) override;
    std::string AskSavePath(const datFileDialog& dialog) override;
    void SetBusyCursor(bool busy) override;
    std::string ExecutablePath() override;
    std::string DocumentsFolder() override;
    std::string CurrentDirectory() override;
    cmcRect WorkArea() override;
    std::optional<cmcRect> MainWindowRect() override;
    void EnableMainWindow(bool enabled) override;
    void ShowProgress() override;
    void PaintProgress(int32_t filledSegments) override;
    void CloseProgress() override;

protected:
    QWidget* MainWindow() const { return m_window; }

private:
    QPointer<QWidget> m_window;
    bool m_busy = false;
    std::string m_progressCaption;
    cuiCloneProgress m_progress;
};
