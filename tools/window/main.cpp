#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/qt/desktop_host.h"
#include "app/qt/window_program.h"
#include "platform/qt/fatal_box.h"
#include "platform/qt/file_instance_lock.h"
#include "platform/qt/qsettings_store.h"

// ktv818x: the windowed program.
namespace {

// Without a display Qt would abort with a message of its own: say what to use instead.
bool HasDisplay() {
#if defined(__linux__) || defined(__FreeBSD__)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "ktv818x: no display to open a window on; ktv818x-cli works without one "
                     "(ktv818x-cli --help)\n");
        return 1;
    }
    QApplication application(argc, argv);
    InstallFatalBox();
    const std::vector<std::string> arguments(argv, argv + argc);

    cmcQSettingsStore store;
    cmcFileInstanceLock lock;
    cuiQtHost host;
    cuiQtWindowProgram program(store, lock, host);
    // A second instance ends silently; the first one is not told.
    if (!program.IsFirstInstance()) return 0;
    program.Start(arguments);
    return application.exec();
}
