#include "print/qt/sheet_printer.h"

#include <QPagedPaintDevice>

#include "print/print_sheet.h"
#include "print/qt/page_painter.h"
#include "print/sheet_pages.h"

cuiSheetPrinter::cuiSheetPrinter(QPagedPaintDevice& device, cmcGTex& store,
                                 const clsRadioSheetState& state, const clsSheetServices& services,
                                 int32_t fontPoints, int32_t screenPpi)
    : m_device(device),
      m_store(store),
      m_state(state),
      m_services(services),
      m_fontPoints(fontPoints),
      m_screenPpi(screenPpi),
      m_dpi(device.logicalDpiY()),
      m_texts(ReadPrintTexts(store)),
      m_measure(device) {}

cuiSheetPrinter::~cuiSheetPrinter() {
    if (m_painter.isActive()) m_painter.end();
}

int32_t cuiSheetPrinter::PrintSheet(const std::string& nameSpec, const bool& cancelled) {
    if (m_failed) return 0;
    const clsCellRect margins =
        PageMarginRect(m_texts.margins, m_device.width(), m_device.height(), m_dpi);
    const clsPageFrame frame =
        PageFrameGeometry(margins, FontPixelHeight(m_texts.frameFontPoints, m_dpi));
    cuiPrintSheet sheet(m_store, nameSpec, m_measure, m_services, m_state, m_dpi, m_screenPpi);
    return ProduceSheetPages(sheet, frame.content, PrintFontHeight(m_fontPoints, m_dpi), cancelled,
                             [&](const clsProducedPage& page) {
                                 if (m_failed) return;
                                 if (m_pages == 0) {
                                     if (!m_painter.begin(&m_device)) {
                                         m_failed = true;
                                         return;
                                     }
                                 } else if (!m_device.newPage()) {
                                     m_failed = true;
                                     return;
                                 }
                                 DrawPageFrame(m_painter, frame, sheet.Sheet().TitleFont(),
                                               sheet.Sheet().PrintedTitle(), m_texts);
                                 DrawPageCells(m_painter, sheet, page.block, frame.content.left,
                                               frame.content.top);
                                 ++m_pages;
                             });
}

bool cuiSheetPrinter::End() {
    if (m_painter.isActive()) m_failed = !m_painter.end() || m_failed;
    return !m_failed;
}
