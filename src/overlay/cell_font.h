#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "overlay/colour_names.h"

// A cell's font as the overlay describes it. Turning it into a font that draws is the Qt layer's
// job.
//
// Height and size are one measure in two units, as the overlay's authors know them: a negative
// height is the character height in pixels, the size is in points. Changing one recomputes the
// other at the 96 pixels per inch the overlays are written for.
struct datCellFont {
    // styles
    static constexpr uint8_t kBold = 0x01;
    static constexpr uint8_t kItalic = 0x02;
    static constexpr uint8_t kUnderline = 0x04;
    static constexpr uint8_t kStrikeOut = 0x08;
    // pitch
    static constexpr int32_t kPitchDefault = 0;
    static constexpr int32_t kPitchFixed = 1;
    static constexpr int32_t kPitchVariable = 2;
    // character sets the program itself names
    static constexpr int32_t kDefaultCharset = 1;

    void SetHeight(int32_t pixels);
    void SetSize(int32_t points);

    bool operator==(const datCellFont&) const = default;

    int32_t charset = kDefaultCharset;
    std::string face = DefaultFace();
    uint32_t colour = kClWindowText;
    int32_t height = -11;
    int32_t size = 8;
    uint8_t styles = 0;
    int32_t pitch = kPitchDefault;

    static std::string DefaultFace() { return "MS Sans Serif"; }
};

// Applies the font fields of a "Font=" group or a "TitleFont=" setting: up to seven fields
// separated by "," (character set, face, colour, height, size, styles, pitch). Parsing stops at
// the first missing field; an empty field changes nothing, except the face, which any present
// face field first resets to the default face. Names that are not in their tables are ignored.
void ApplyFontFields(datCellFont& font, std::string_view fields);
