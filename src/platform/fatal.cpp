#include "platform/fatal.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

void PresentOnStandardError(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}

FatalPresenter& Presenter() {
    static FatalPresenter presenter = PresentOnStandardError;
    return presenter;
}

FatalHandler& Handler() {
    static FatalHandler handler;
    return handler;
}

}  // namespace

void SetFatalPresenter(FatalPresenter presenter) {
    Presenter() = presenter ? std::move(presenter) : FatalPresenter(PresentOnStandardError);
}

FatalHandler SetFatalHandler(FatalHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

std::string ExecutableFileName() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || path.filename().empty()) return "ktv818x";
    return path.filename().string();
}

void FatalError(const std::string& text) {
    if (Handler()) Handler()(text);
    Presenter()(ExecutableFileName(), text);
    // The abnormal end: no destructors run, the state that led here may be broken.
    std::_Exit(kFatalExitCode);
}
