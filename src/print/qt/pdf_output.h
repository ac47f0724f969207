#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sheets/radio_sheet.h"

class cmcGTex;

// The PDF's page: A4 at the resolution the sheets are built for.
constexpr int32_t kPdfDpi = 600;
// The screen resolution the sheets' rules and insets are scaled from in a PDF.
constexpr int32_t kPdfScreenPpi = 96;

class QPrinter;

// Sets a printer up for PDF output to path: A4 portrait at kPdfDpi, the whole sheet of paper
// drawable (the overlay's margins are the only ones).
void SetUpPdfPrinter(QPrinter& printer, const std::string& path);

enum class PdfResult { Written, NoPages, WriteFailed };

// Prints the sheets, in order, into a PDF at path, through the same pages a printer gets. The
// file is written beside path under a temporary name and only then takes its place, so a failed
// run never leaves half a file where an old one was. With no page to print nothing is written.
PdfResult WriteSheetsPdf(const std::string& path, const std::vector<std::string>& sheets,
                         cmcGTex& store, const clsRadioSheetState& state, int32_t fontPoints,
                         int32_t* pages = nullptr);
