#include "platform/qt/fatal_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "platform/fatal.h"

void InstallFatalBox() {
    SetFatalPresenter([](const std::string& caption, const std::string& text) {
        QMessageBox::critical(QApplication::activeWindow(), QString::fromLocal8Bit(caption),
                              QString::fromLatin1(text));
    });
}
