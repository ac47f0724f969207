#include "app/qt/frame_look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>

#include "overlay/cell_font.h"
#include "overlay/colour_names.h"
#include "platform/qt/qt_text.h"

namespace {

// The system colours by their number, as the desktop's palette names them.
QColor SystemColour(uint32_t index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
        case 4:   // menu
        case 15:  // button face
        case 22:  // 3D light
            return palette.color(QPalette::Button);
        case 5:  // window
            return palette.color(QPalette::Base);
        case 7:  // menu text
        case 8:  // window text
            return palette.color(QPalette::Text);
        case 9:   // caption text
        case 18:  // button text
            return palette.color(QPalette::ButtonText);
        case 13:  // highlight
            return palette.color(QPalette::Highlight);
        case 14:  // highlighted text
            return palette.color(QPalette::HighlightedText);
        case 16:  // button shadow
            return palette.color(QPalette::Mid);
        case 17:  // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 20:  // button highlight
            return palette.color(QPalette::Light);
        case 21:  // 3D dark shadow
            return palette.color(QPalette::Shadow);
        case 23:  // tooltip text
            return palette.color(QPalette::ToolTipText);
        case 24:  // tooltip background
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor FromCoreColour(uint32_t colour) {
    if (colour & kSystemColourFlag) return SystemColour(colour & 0xFF);
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QFont FromCoreFont(const datCellFont& font, const QFont& base) {
    QFont result = base;
    if (font.face != datCellFont::DefaultFace()) {
        const QString family = FromCoreText(font.face);
        if (QFontDatabase::hasFamily(family)) result.setFamily(family);
    }
    if (font.size > 0) result.setPointSize(font.size);
    result.setBold((font.styles & datCellFont::kBold) != 0);
    result.setItalic((font.styles & datCellFont::kItalic) != 0);
    result.setUnderline((font.styles & datCellFont::kUnderline) != 0);
    result.setStrikeOut((font.styles & datCellFont::kStrikeOut) != 0);
    return result;
}
