#pragma once

#include <string>
#include <vector>

class cmcGTex;

// A page of the main window's tree: the sheet it opens and the node's caption.
struct datTreePage {
    std::string sheetKey;
    std::string caption;
    bool makerOnly = false;
};

// The pages of the overlay's tree description, in tree order.
std::vector<datTreePage> ReadTreePages(cmcGTex& store);
