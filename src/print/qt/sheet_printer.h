#pragma once

#include <QPainter>
#include <cstdint>
#include <string>

#include "print/print_texts.h"
#include "print/qt/device_text_measure.h"
#include "sheets/radio_sheet.h"

class QPagedPaintDevice;
class cmcGTex;

// Prints sheets into one paged document (a printer or a PDF): each sheet built for the device's
// resolution, cut into pages that fit inside the margins and the page frame, one page after the
// other. The document begins with its first page, so a run that prints nothing leaves no page.
class cuiSheetPrinter {
public:
    // fontPoints is the print font size; screenPpi what the sheets' insets are scaled from.
    cuiSheetPrinter(QPagedPaintDevice& device, cmcGTex& store, const clsRadioSheetState& state,
                    const clsSheetServices& services, int32_t fontPoints, int32_t screenPpi);
    ~cuiSheetPrinter();

    // Prints the pages of one sheet, checking cancelled before each; returns how many.
    int32_t PrintSheet(const std::string& nameSpec, const bool& cancelled);
    // Ends the document; false when the device failed (a file that could not be written).
    bool End();
    int32_t PagesPrinted() const { return m_pages; }

private:
    QPagedPaintDevice& m_device;
    cmcGTex& m_store;
    clsRadioSheetState m_state;
    clsSheetServices m_services;
    int32_t m_fontPoints;
    int32_t m_screenPpi;
    int32_t m_dpi;
    datPrintTexts m_texts;
    cuiDeviceTextMeasure m_measure;
    QPainter m_painter;
    int32_t m_pages = 0;
    bool m_failed = false;
};
