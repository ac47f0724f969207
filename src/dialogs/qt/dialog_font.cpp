#include "dialogs/qt/dialog_font.h"

#include "platform/qt/qt_text.h"

QFont QtFontOf(const datCellFont& font) {
    QFont qtFont(FromCoreText(font.face));
    qtFont.setStyleHint(QFont::SansSerif);
    if (font.size > 0) qtFont.setPointSize(font.size);
    qtFont.setBold((font.styles & datCellFont::kBold) != 0);
    qtFont.setItalic((font.styles & datCellFont::kItalic) != 0);
    qtFont.setUnderline((font.styles & datCellFont::kUnderline) != 0);
    qtFont.setStrikeOut((font.styles & datCellFont::kStrikeOut) != 0);
    if (font.pitch == datCellFont::kPitchFixed) qtFont.setFixedPitch(true);
    return qtFont;
}
