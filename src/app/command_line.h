#pragma once

#include <string>
#include <vector>

// What the windowed program takes from its command line: the arguments the controller's Setup
// reads for its switches (the program's path first, then "/tamblor" and "/convert" as written;
// their Linux forms "--tamblor" and "--convert" in any letter case become these), and the clone
// file to open, the first other argument ("" for none).
struct datWindowCommandLine {
    std::vector<std::string> setupArguments;
    std::string file;
};

datWindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments);
