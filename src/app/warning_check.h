#pragma once

#include <string>
#include <vector>

class cmcGTex;

// The checks of the overlay's warning check list, each a check cell naming a page: the pages
// with a cell in error need attention, the pages with duplicates are only worth a look.
struct datWarningCheck {
    std::vector<std::string> attention;
    std::vector<std::string> duplicates;
    // Whether the list's last check cell names a sheet (a list without one marks nothing).
    bool lastNamesSheet = false;
};

// Evaluates every check cell against the working image through the cell value engine, whose
// host must be installed.
datWarningCheck RunWarningCheck(cmcGTex& gtex);
