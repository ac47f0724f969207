#pragma once

#include <string>

#include "overlay/cell_font.h"

class cmcGTex;

// What the cell dialogs show that comes from the overlay: the caption, the button captions, the
// text a button is as wide as, and the dialogs' font.
struct clsDialogTexts {
    std::string caption;
    std::string ok;
    std::string cancel;
    std::string buttonSample;
    datCellFont font;
};

clsDialogTexts ReadDialogTexts(cmcGTex& store);
