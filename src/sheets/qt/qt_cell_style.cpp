#include "sheets/qt/qt_cell_style.h"

#include <QFontDatabase>
#include <QPalette>
#include <map>
#include <tuple>

#include "overlay/cell_font.h"
#include "platform/qt/qt_text.h"

namespace {

uint32_t CoreColour(const QColor& colour) {
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
           static_cast<uint32_t>(colour.blue()) << 16;
}

// Whether the machine has the face; asked once per face, as the font database is slow to ask.
bool HasFace(const QString& face) {
    static std::map<QString, bool> known;
    auto found = known.find(face);
    if (found == known.end())
        found = known.emplace(face, QFontDatabase::families().contains(face, Qt::CaseInsensitive))
                    .first;
    return found->second;
}

QFont MakeFont(const datCellFont& font) {
    const QString face = FromCoreText(font.face);
    QFont made =
        HasFace(face) ? QFont(face) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // A positive height counts the cell's internal leading too: about a fifth of it.
    const int pixels = font.height < 0 ? -font.height : font.height * 4 / 5;
    made.setPixelSize(std::max(pixels, 1));
    made.setBold((font.styles & datCellFont::kBold) != 0);
    made.setItalic((font.styles & datCellFont::kItalic) != 0);
    made.setUnderline((font.styles & datCellFont::kUnderline) != 0);
    made.setStrikeOut((font.styles & datCellFont::kStrikeOut) != 0);
    if (font.pitch == datCellFont::kPitchFixed) {
        made.setFixedPitch(true);
        made.setStyleHint(QFont::TypeWriter);
    }
    return made;
}

}  // namespace

QColor QtColour(uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

clsSystemColours SystemColoursOf(const QPalette& palette) {
    clsSystemColours colours;
    colours.window = CoreColour(palette.color(QPalette::Active, QPalette::Base));
    colours.windowText = CoreColour(palette.color(QPalette::Active, QPalette::Text));
    colours.highlight = CoreColour(palette.color(QPalette::Active, QPalette::Highlight));
    colours.highlightText = CoreColour(palette.color(QPalette::Active, QPalette::HighlightedText));
    colours.buttonFace = CoreColour(palette.color(QPalette::Active, QPalette::Button));
    colours.greyText = CoreColour(palette.color(QPalette::Disabled, QPalette::Text));
    return colours;
}

QFont QtCellFont(const datCellFont& font) {
    // Painting asks for the same few fonts again and again.
    using Key = std::tuple<std::string, int32_t, uint8_t, int32_t>;
    static std::map<Key, QFont> made;
    const Key key{font.face, font.height, font.styles, font.pitch};
    auto found = made.find(key);
    if (found == made.end()) found = made.emplace(key, MakeFont(font)).first;
    return found->second;
}
