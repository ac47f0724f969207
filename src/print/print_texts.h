#pragma once

#include <cstdint>
#include <string>

#include "print/page_geometry.h"

class cmcGTex;

// What the overlay says about printed pages: the margins, the point size of the page frame's
// texts, and the texts at the right of the header and the footer.
struct datPrintTexts {
    datMarginsMm margins;
    int32_t frameFontPoints = 0;
    std::string headerRight;
    std::string footerRight;
};

// Reads them from GI_Sys_Printer_Margins, GI_Sys_Printer_FrameFont, GI_Sys_AppTitleRev and
// GI_Sys_Maker. A frame font size that is not a positive number gives no frame texts (the bars
// stay).
datPrintTexts ReadPrintTexts(cmcGTex& store);
