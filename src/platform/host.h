#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The desktop as the program's logic reaches it: message boxes, file dialogs, the cursor, the
// program's own folders, the main window's place and state, and the clone progress window. The
// GUI implements it over its toolkit, the command-line program over the terminal, the tests with
// a scripted host. Every operation runs on the GUI thread; the modal ones return when the user
// has answered.

enum class cmcMessageIcon { Warning, Error, Information };
enum class cmcMessageButtons { Ok, OkCancel, YesNoCancel };
// The button that closed a message box; closing it without a button answers Cancel (Ok when OK
// is the only button).
enum class cmcMessageAnswer { Ok, Cancel, Yes, No };

// A screen rectangle in pixels; right and bottom are exclusive.
struct cmcRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// What a file dialog offers.
struct datFileDialog {
    std::string defaultExtension;  // added to a typed name without one; no dot
    std::string filter;            // pairs of description and pattern, all separated by "|"
    std::string initialFolder;
    std::string proposedName;  // the file name filled in at first; "" for none
};

class cmcHost {
public:
    virtual ~cmcHost() = default;

    // Modal box owned by the main window; returns the button pressed.
    virtual cmcMessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                                         cmcMessageIcon icon, cmcMessageButtons buttons) = 0;
    // Modal open dialog (the file must exist; no read-only box; resizable): the path, "" on Cancel.
    virtual std::string AskOpenPath(const datFileDialog& dialog) = 0;
    // Modal save dialog (asks before overwriting; refuses read-only files): the path, "" on Cancel.
    virtual std::string AskSavePath(const datFileDialog& dialog) = 0;
    // The hourglass while a file is read or written; false restores the normal cursor.
    virtual void SetBusyCursor(bool busy) = 0;

    // The running program's full path; its folder holds the overlay and initial files.
    virtual std::string ExecutablePath() = 0;
    // The user's documents folder, "" when the system names none.
    virtual std::string DocumentsFolder() = 0;
    // The process's current directory.
    virtual std::string CurrentDirectory() = 0;

    // The desktop's work area (the screen without task bars).
    virtual cmcRect WorkArea() = 0;
    // The main window's normal (restored) rectangle; none when the system cannot give it.
    virtual std::optional<cmcRect> MainWindowRect() = 0;
    // Disables or enables the main window for input; enabling also gives it the focus.
    virtual void EnableMainWindow(bool enabled) = 0;

    // The clone progress window over the main window: shown while data moves, with
    // kProgressSegments segments of which filledSegments are filled; its close box does nothing.
    virtual void ShowProgress() = 0;
    virtual void PaintProgress(int32_t filledSegments) = 0;
    virtual void CloseProgress() = 0;
};

// Segments of the clone progress bar.
constexpr int32_t kProgressSegments = 32;
