#include "sheets/qt/cell_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "model/cell_call.h"
#include "platform/qt/qt_text.h"
#include "sheets/qt/image_list.h"
#include "sheets/qt/qt_cell_style.h"

namespace {

QRect ToQRect(const clsCellRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// A cross of two bars, each a third of the size thick: twelve corners.
QPolygon ErrorSymbol(int x, int y, int size) {
    const int a = size / 3;
    const int b = size - a;
    const int s = size;
    return QPolygon({QPoint(x + a, y), QPoint(x + b, y), QPoint(x + b, y + a), QPoint(x + s, y + a),
                     QPoint(x + s, y + b), QPoint(x + b, y + b), QPoint(x + b, y + s),
                     QPoint(x + a, y + s), QPoint(x + a, y + b), QPoint(x, y + b), QPoint(x, y + a),
                     QPoint(x + a, y + a)});
}

void DrawPrintedMark(QPainter& painter, const clsCellPaint& paint) {
    const int x = paint.markX;
    const int y = paint.markY;
    const int size = paint.markSize;
    if (size <= 0) return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (paint.mark == clsCellPaint::Mark::Error) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(ErrorSymbol(x, y, size));
        return;
    }
    // A white triangle with a black outline, a black bar and a dot in it.
    const int line = std::max(size / 12, 1);
    painter.setPen(QPen(Qt::black, line));
    painter.setBrush(Qt::white);
    painter.drawPolygon(
        QPolygon({QPoint(x + size / 2, y), QPoint(x + size, y + size), QPoint(x, y + size)}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const int bar = std::max(size / 8, 1);
    painter.drawRect(x + (size - bar) / 2, y + size * 3 / 10, bar, size * 4 / 10);
    painter.drawRect(x + (size - bar) / 2, y + size * 8 / 10, bar, bar);
}

void DrawDecoration(QPainter& painter, const clsCellPaint& paint, const QRect& area) {
    const QColor grey = QtColour(kDecorationColour);
    if (paint.decoration == clsCellDecoration::QuarterPillar) {
        const int top = area.top() + area.height() * 7 / 10;
        painter.fillRect(QRect(area.left(), top, area.width(), area.bottom() + 1 - top), grey);
    } else if (paint.decoration == clsCellDecoration::Diagonal) {
        painter.setPen(grey);
        painter.drawLine(area.right(), area.top(), area.left(), area.bottom());
    }
}

}  // namespace

void DrawCellPaint(QPainter& painter, const clsCellPaint& paint, const clsCellRect& clip,
                   const cuiImageList* images, bool printing) {
    if (!paint.draw) return;
    const QRect area = ToQRect(paint.area);
    if (area.isEmpty()) return;
    painter.save();
    painter.setClipRect(ToQRect(clip), Qt::IntersectClip);

    if (paint.fill) painter.fillRect(area, QtColour(paint.background));
    const QColor rule = QtColour(paint.ruleColour);
    if (paint.bottomRule)
        painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), rule);
    if (paint.rightRule != clsCellPaint::Rule::None)
        painter.fillRect(ToQRect(paint.rightRuleArea), rule);
    DrawDecoration(painter, paint, area);

    const QFont font = QtCellFont(paint.font);
    painter.setFont(font);
    // Paper gets black text: the engine's tints (greyed fixed values in olive) would print faint
    // or not at all on a black-and-white printer.
    painter.setPen(printing ? QColor(Qt::black) : QtColour(paint.textColour));
    const int ascent = QFontMetrics(font, painter.device()).ascent();
    for (const clsCellPaint::TextLine& line : paint.lines) {
        if (line.text.empty()) continue;
        painter.drawText(line.x, line.y + ascent, FromCoreText(line.text));
    }

    if (paint.mark != clsCellPaint::Mark::None) {
        if (printing) {
            DrawPrintedMark(painter, paint);
        } else if (images != nullptr) {
            const QPixmap& image = images->Image(paint.mark == clsCellPaint::Mark::Error
                                                     ? cuiImageList::kErrorImage
                                                     : cuiImageList::kWarningImage);
            if (!image.isNull())
                painter.drawPixmap(QRect(paint.markX, paint.markY, paint.markSize, paint.markSize),
                                   image);
        }
    }
    painter.restore();
}
