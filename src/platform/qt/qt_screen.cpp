#include "platform/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

cmcScreenSize cmcQtScreen::Size() const {
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    if (screen == nullptr || screen->size().isEmpty()) return {1024, 768};
    return {screen->size().width(), screen->size().height()};
}
