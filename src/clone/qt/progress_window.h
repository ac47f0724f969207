#pragma once

#include <QFrame>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>

// The clone progress window "Cloning": a tool window over the main window with a sunken panel in
// which 32 segments fill as data moves. The user cannot close it; the clone manager does, when
// the read or write has ended. The manager repaints it every 30 ms through the host.

// The drawing surface: segments in the highlight colour up to the filled count, the rest and the
// one-pixel gaps after each in the window colour.
class cuiProgressBox : public QWidget {
public:
    explicit cuiProgressBox(QWidget* parent);
    void SetFilledSegments(int32_t filled);
    int32_t FilledSegments() const { return m_filled; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t m_filled = 0;
};

class cuiProgressWindow : public QWidget {
public:
    cuiProgressWindow(QWidget* mainWindow, const std::string& caption);

    // Centred over the main window (inside the work area) and shown.
    void ShowOverOwner();
    void SetFilledSegments(int32_t filled) { m_box->SetFilledSegments(filled); }
    cuiProgressBox* Box() const { return m_box; }

protected:
    // The close box and Alt+F4 do nothing: a clone stopped halfway leaves the radio unusable.
    void closeEvent(QCloseEvent* event) override;

private:
    QFrame* m_panel;
    cuiProgressBox* m_box;
};

// The host's one progress window, as cmcHost shows, paints and closes it. The window is a child of
// the main window (so it stays above it); when the main window goes first the reference clears
// itself. The desktop host holds one and forwards to it (the caption comes from the overlay
// store):
//     void cuiQtHost::ShowProgress() {
//         m_progress.Show(m_window, m_store.GetFirstLine("GI_Clone_ProgressCaption"));
//     }
//     void cuiQtHost::PaintProgress(int32_t filled) { m_progress.Paint(filled); }
//     void cuiQtHost::CloseProgress() { m_progress.Close(); }
class cuiCloneProgress {
public:
    cuiCloneProgress() = default;
    ~cuiCloneProgress() { Close(); }
    cuiCloneProgress(const cuiCloneProgress&) = delete;
    cuiCloneProgress& operator=(const cuiCloneProgress&) = delete;

    void Show(QWidget* mainWindow, const std::string& caption);
    void Paint(int32_t filledSegments);
    // Hides and destroys the window.
    void Close();
    cuiProgressWindow* Window() const { return m_window; }

private:
    QPointer<cuiProgressWindow> m_window;
};
