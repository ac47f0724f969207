#include "overlay/cell_font.h"

#include <algorithm>
#include <optional>

#include "overlay/decimal_text.h"
#include "overlay/double_byte.h"

namespace {

struct NamedValue {
    std::string_view name;
    int32_t value;
};

constexpr NamedValue kCharsets[] = {
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
};

constexpr NamedValue kStyles[] = {
    {"fsBold", datCellFont::kBold},
    {"fsItalic", datCellFont::kItalic},
    {"fsUnderline", datCellFont::kUnderline},
    {"fsStrikeOut", datCellFont::kStrikeOut},
};

constexpr NamedValue kPitches[] = {
    {"fpDefault", datCellFont::kPitchDefault},
    {"fpFixed", datCellFont::kPitchFixed},
    {"fpVariable", datCellFont::kPitchVariable},
};

constexpr int32_t kPixelsPerInch = 96;
constexpr int32_t kPointsPerInch = 72;

bool IsBlank(char c) {
    return c == ' ';
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// A name of table, after leading blanks and followed by nothing but blanks.
template <size_t N>
std::optional<int32_t> LookUp(const NamedValue (&table)[N], std::string_view text) {
    text = SkipBlanks(text);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    for (const NamedValue& row : table) {
        if (row.name == text) return row.value;
    }
    return std::nullopt;
}

// value * numerator / denominator, rounded half away from zero, within 32 bits.
int32_t MulDiv(int32_t value, int32_t numerator, int32_t denominator) {
    const int64_t product = int64_t{value} * numerator;
    const int64_t half = denominator / 2;
    const int64_t result =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return ClampToInt32(result);
}

// A height or size field: "%" n scales the current value by n percent (a result of 0 becomes 1),
// a plain number replaces it; 0 changes nothing.
std::optional<int32_t> Measure(std::string_view field, int32_t current) {
    field = SkipBlanks(field);
    if (!field.empty() && field.front() == '%') {
        const int64_t scaled = int64_t{current} * DecimalPrefix(field.substr(1)) / 100;
        return scaled == 0 ? 1 : ClampToInt32(scaled);
    }
    const int32_t value = DecimalPrefix(field);
    if (value == 0) return std::nullopt;
    return value;
}

// Splits off the text up to the next "," that is not the second byte of a double-byte character;
// true when such a "," ended it, so that a further field is present.
bool NextField(std::string_view& rest, std::string_view& field) {
    size_t at = 0;
    while (at < rest.size() && rest[at] != ',')
        at += IsLeadByte(rest[at]) ? 2 : 1;
    at = std::min(at, rest.size());
    field = rest.substr(0, at);
    const bool separated = at < rest.size();
    rest.remove_prefix(separated ? at + 1 : at);
    return separated;
}

void ApplyStyles(datCellFont& font, std::string_view names) {
    bool first = true;
    for (;;) {
        const size_t plus = names.find('+');
        if (auto style = LookUp(kStyles, names.substr(0, plus))) {
            if (first) font.styles = 0;  // the first known name replaces the styles
            first = false;
            font.styles |= static_cast<uint8_t>(*style);
        }
        if (plus == std::string_view::npos) break;
        names.remove_prefix(plus + 1);
    }
}

}  // namespace

void datCellFont::SetHeight(int32_t pixels) {
    height = pixels;
    size = -MulDiv(pixels, kPointsPerInch, kPixelsPerInch);
}

void datCellFont::SetSize(int32_t points) {
    size = points;
    height = -MulDiv(points, kPixelsPerInch, kPointsPerInch);
}

void ApplyFontFields(datCellFont& font, std::string_view fields) {
    enum Field { Charset, Face, Colour, Height, Size, Styles, Pitch, kFieldCount };
    std::string_view rest = fields;
    bool present = true;  // field 0 always is; a later one when a "," came before it
    for (int field = Charset; field < kFieldCount && present; ++field) {
        std::string_view text;
        present = NextField(rest, text);
        switch (field) {
            case Charset:
                if (auto charset = LookUp(kCharsets, text)) font.charset = *charset;
                break;
            case Face:
                font.face = datCellFont::DefaultFace();
                if (!SkipBlanks(text).empty()) font.face = SkipBlanks(text);
                break;
            case Colour:
                if (auto colour = ColourOf(text)) font.colour = *colour;
                break;
            case Height:
                if (auto height = Measure(text, font.height)) font.SetHeight(*height);
                break;
            case Size:
                if (auto size = Measure(text, font.size)) font.SetSize(*size);
                break;
            case Styles:
                ApplyStyles(font, text);
                break;
            case Pitch:
                if (auto pitch = LookUp(kPitches, text)) font.pitch = *pitch;
                break;
        }
    }
}
