#pragma once

#include <functional>
#include <string>

// Faults in the overlay, in cell descriptions and in programming contracts end the program. Every
// such fault goes through FatalError(): the compiled-in text is presented (an error box captioned
// with the executable's file name in the GUI, standard error otherwise), then the process ends
// with exit code 3.

// Shows a fatal text to the user. The GUI installs an error box; the default writes standard error.
using FatalPresenter = std::function<void(const std::string& caption, const std::string& text)>;

// Replaces the whole fatal path. Tests install a handler that throws, so that a fatal fault can be
// observed without ending the test process. A handler that returns still ends the process.
using FatalHandler = std::function<void(const std::string& text)>;

// Installs the presenter; an empty one restores the standard-error presenter.
void SetFatalPresenter(FatalPresenter presenter);

// Installs the handler and returns the one it replaces; an empty one restores the default path.
FatalHandler SetFatalHandler(FatalHandler handler);

// The executable's file name without its folder: the caption of fatal boxes.
std::string ExecutableFileName();

[[noreturn]] void FatalError(const std::string& text);

// Exit code of a fatal end.
constexpr int kFatalExitCode = 3;
