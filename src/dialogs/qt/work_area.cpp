#include "dialogs/qt/work_area.h"

#include <QGuiApplication>
#include <QScreen>

cmcRect WorkAreaAt(const QPoint& point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {0, 0, 1024, 768};
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}
