#include "print/qt/page_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/qt/qt_text.h"
#include "sheets/qt/cell_painter.h"
#include "sheets/qt/qt_cell_style.h"

namespace {

void DrawFrameText(QPainter& painter, int32_t left, int32_t top, int32_t height,
                   const QString& text) {
    const int32_t width = QFontMetrics(painter.font(), painter.device()).horizontalAdvance(text);
    painter.drawText(QRect(left, top, width + height, 2 * height),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace

void DrawPageFrame(QPainter& painter, const clsPageFrame& frame, const datCellFont& titleFont,
                   const std::string& title, const datPrintTexts& texts) {
    painter.save();
    const clsCellRect& m = frame.margins;
    painter.fillRect(QRect(QPoint(frame.headerBar.left, frame.headerBar.top),
                           QPoint(frame.headerBar.right - 1, frame.headerBar.bottom - 1)),
                     Qt::black);
    painter.fillRect(QRect(QPoint(frame.footerBar.left, frame.footerBar.top),
                           QPoint(frame.footerBar.right - 1, frame.footerBar.bottom - 1)),
                     Qt::black);
    if (frame.b > 0) {
        datCellFont font = titleFont;
        font.SetHeight(-frame.b);
        font.styles = 0;
        painter.setFont(QtCellFont(font));
        painter.setPen(Qt::black);
        const QFontMetrics metrics(painter.font(), painter.device());
        const QString header = FromCoreText(texts.headerRight);
        const QString footer = FromCoreText(texts.footerRight);
        DrawFrameText(painter, m.left, frame.headerTop, frame.b, FromCoreText(title));
        DrawFrameText(painter, frame.RightTextLeft(metrics.horizontalAdvance(header)),
                      frame.headerTop, frame.b, header);
        DrawFrameText(painter, frame.RightTextLeft(metrics.horizontalAdvance(footer)),
                      frame.footerTop, frame.b, footer);
    }
    painter.restore();
}

void DrawPageCells(QPainter& painter, cuiPrintSheet& sheet, const clsPageBlock& block, int32_t left,
                   int32_t top) {
    painter.save();
    painter.translate(left, top);
    sheet.ShowBlock(block);
    for (const clsPlacedCell& placed : PlacePageCells(sheet.Sizes(), block, 0, 0)) {
        const clsCellPaint paint = sheet.Sheet().Paint(placed.col, placed.row);
        DrawCellPaint(painter, paint, placed.rect, nullptr, true);
    }
    painter.restore();
}
