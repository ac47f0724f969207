#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/program.h"
#include "app/qt/about_box.h"
#include "app/qt/desktop_host.h"
#include "app/qt/main_window.h"
#include "app/qt/page_tree.h"
#include "app/qt/window_program.h"
#include "app/radio_controller.h"
#include "platform/headless_services.h"
#include "platform/qt/fatal_box.h"
#include "platform/qt/qt_text.h"

// ktv818x-screenshots FOLDER: starts the windowed program with default settings (the user's are
// never read or changed), opens every page of the tree one after another and saves a picture of
// the main window for each, then one of the About box. tools/screenshots.sh runs it under Xvfb.
namespace {

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(QWidget& widget, const QString& path) {
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", path.toLocal8Bit().constData());
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 64;
    }
    InstallFatalBox();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    cmcEmptySettingsStore store;
    cmcNoInstanceLock lock;
    cuiQtHost host;
    cuiQtWindowProgram program(store, lock, host);
    program.Start({argv[0]});
    cuiQtMainWindow& window = *program.Window();
    window.resize(960, 600);
    Wait(500);

    bool saved = Save(window, folder + QStringLiteral("/main_window.png"));
    cuiQtTreeView& view = window.PageTree()->View();
    cuiTree& tree = window.PageTree()->Tree();
    int number = 0;
    for (const int32_t node : tree.Nodes()) {
        view.setCurrentItem(view.ItemOf(node));
        Wait(view.ChangeTimer().interval() + 300);
        const QString sheet = FromCoreText(tree.CellOf(node)->GetSuffix());
        saved &= Save(window, folder + QStringLiteral("/page_%1_%2.png")
                                           .arg(++number, 2, 10, QLatin1Char('0'))
                                           .arg(sheet));
    }

    window.ShowAbout();
    Wait(300);
    if (auto* box = window.findChild<cuiQtAboutBox*>()) {
        saved &= Save(*box, folder + QStringLiteral("/about.png"));
        box->close();
    }
    Wait(100);
    window.close();
    return saved ? 0 : 1;
}
