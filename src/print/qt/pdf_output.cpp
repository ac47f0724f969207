#include "print/qt/pdf_output.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <filesystem>
#include <system_error>

#include "platform/qt/qt_text.h"
#include "print/qt/sheet_printer.h"

void SetUpPdfPrinter(QPrinter& printer, const std::string& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(FromCorePath(path));
    printer.setResolution(kPdfDpi);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setCreator(QStringLiteral("ktv818x"));
}

PdfResult WriteSheetsPdf(const std::string& path, const std::vector<std::string>& sheets,
                         cmcGTex& store, const clsRadioSheetState& state, int32_t fontPoints,
                         int32_t* pages) {
    const std::filesystem::path target(path);
    std::filesystem::path partial = target;
    partial += ".part";
    int32_t printed = 0;
    bool written = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, partial.string());
        cuiSheetPrinter sheetPrinter(printer, store, state, clsSheetServices(), fontPoints,
                                     kPdfScreenPpi);
        const bool cancelled = false;
        for (const std::string& sheet : sheets)
            sheetPrinter.PrintSheet(sheet, cancelled);
        written = sheetPrinter.End();
        printed = sheetPrinter.PagesPrinted();
    }
    if (pages) *pages = printed;
    std::error_code error;
    if (written && printed > 0) std::filesystem::rename(partial, target, error);
    if (!written || printed == 0 || error) {
        std::filesystem::remove(partial, error);
        return written && printed == 0 ? PdfResult::NoPages : PdfResult::WriteFailed;
    }
    return PdfResult::Written;
}
