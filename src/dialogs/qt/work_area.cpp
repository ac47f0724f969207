#include "dialogs/qt/work_area.h"

#include <QGuiApplication>
#include <QScreen>

cmcRect WorkAreaAt(const QPoint& point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {0, 0, 1024, 768};
    return CoreRectOf(screen->availableGeometry());
}

cmcRect CoreRectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}
