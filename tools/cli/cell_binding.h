#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A cell named on the command line as the description language binds it: an optional category
// name and ".", a label name and an optional "[index]", such as "CT_IntCh.CL_ChList_No[67]" or
// "CL_ComConf_UtcOffset".
struct datCliBinding {
    static constexpr int32_t kAnyCategory = -1;
    int32_t category = kAnyCategory;  // none written: the first cell with the label and index
    int32_t label = 0;
    int32_t index = 0;  // none written: 0
};

// Unlike the overlay's own descriptions, a name the registry does not hold is an error of the
// command line, not a fault of the program: false with a one-line description in error.
bool ParseCellBinding(std::string_view text, datCliBinding& binding, std::string& error);
