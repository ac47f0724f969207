#pragma once

#include <cstdint>
#include <string_view>

#include "overlay/cell_capsule.h"

// The page margins as the overlay gives them: left, top, right and bottom in millimetres.
struct datMarginsMm {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Reads "left,top,right,bottom". Each field is trimmed of blanks and tabs; a missing field, one
// that is not a whole decimal number, or a negative one reads as 0, so that a broken overlay line
// prints with no margin rather than outside the paper.
datMarginsMm ParseMarginsMm(std::string_view line);

// Millimetres at a printer's resolution (dots per inch), truncated.
int32_t MillimetresToPixels(int32_t mm, int32_t dpi);

// The rectangle inside the margins on a page of the given size in printer pixels, measured with
// the vertical resolution both ways. Margins wider than the page leave an empty rectangle (right
// at left, bottom at top), never a negative one.
clsCellRect PageMarginRect(const datMarginsMm& margins, int32_t pageWidth, int32_t pageHeight,
                           int32_t dpi);

// The character height in pixels of a font of the given point size at dpi dots per inch.
int32_t FontPixelHeight(int32_t points, int32_t dpi);
// The explicit font height a sheet is built with for printing: negative, the character height.
int32_t PrintFontHeight(int32_t points, int32_t dpi);

// The page frame around the printed cells: the sheet's title at the top left and the program's
// title at the top right over a bar, the maker's name at the bottom right under a bar. b is the
// frame font's height in pixels; c the gap unit derived from it.
struct clsPageFrame {
    int32_t b = 0;
    int32_t c = 0;
    clsCellRect margins;
    clsCellRect headerBar;
    clsCellRect footerBar;
    clsCellRect content;  // where the cells go
    int32_t headerTop = 0;
    int32_t footerTop = 0;
    // Left edge of a text of the given width that ends one pixel inside the right margin.
    int32_t RightTextLeft(int32_t width) const { return margins.right - width - 1; }
};

clsPageFrame PageFrameGeometry(const clsCellRect& margins, int32_t b);
