#include "print/print_texts.h"

#include "overlay/gtex.h"

datPrintTexts ReadPrintTexts(cmcGTex& store) {
    datPrintTexts texts;
    texts.margins = ParseMarginsMm(store.GetLine("GI_Sys_Printer_Margins", 0));
    // One field read by the margins' rule: blanks trimmed, anything else 0.
    texts.frameFontPoints = ParseMarginsMm(store.GetLine("GI_Sys_Printer_FrameFont", 0)).left;
    texts.headerRight = store.GetLine("GI_Sys_AppTitleRev", 0);
    texts.footerRight = store.GetLine("GI_Sys_Maker", 0);
    return texts;
}
