#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "overlay/cell_capsule.h"
#include "overlay/cell_font.h"

// System colours a sheet names (0x800000nn).
constexpr uint32_t kClHighlight = 0x8000000D;
constexpr uint32_t kClHighlightText = 0x8000000E;
constexpr uint32_t kClBtnFace = 0x8000000F;
constexpr uint32_t kClGrayText = 0x80000011;

// The system colours a sheet paints with (0x00BBGGRR). The GUI fills them from its palette; the
// defaults are the usual light desktop.
struct clsSystemColours {
    uint32_t window = 0xFFFFFF;
    uint32_t windowText = 0x000000;
    uint32_t highlight = 0xD77800;
    uint32_t highlightText = 0xFFFFFF;
    uint32_t buttonFace = 0xF0F0F0;
    uint32_t greyText = 0x6D6D6D;

    // A colour of the overlay (a system colour 0x800000nn or 0x00BBGGRR) as drawn.
    uint32_t Resolve(uint32_t colour) const;
};

// How to paint one cell, decided without drawing: the Qt painter, the printer and the preview
// draw it as it stands.
struct clsCellPaint {
    enum class Mark { None, Warning, Error };
    enum class Rule { None, Full, Lower };
    struct TextLine {
        std::string text;
        int32_t x = 0;
        int32_t y = 0;
        bool clipped = false;  // wider than the cell: clip it to the rectangle
    };

    bool draw = false;  // false: nothing at all is painted
    clsCellRect area;   // the cell's rectangle, widened over the cells it continues into
    bool fill = true;   // false: leave the background (white when printing)
    uint32_t background = 0;
    bool bottomRule = false;
    Rule rightRule = Rule::None;  // not drawn when the cell to the right continues this one
    clsCellRect rightRuleArea;
    uint32_t ruleColour = 0;
    datCellFont font;
    uint32_t textColour = 0;
    clsCellDecoration decoration = clsCellDecoration::None;
    std::vector<TextLine> lines;
    Mark mark = Mark::None;
    int32_t markX = 0;
    int32_t markY = 0;  // top of the mark
    int32_t markSize = 0;
    bool repaintRight = false;  // the cell to the right is a "T" cell: paint it too
};
