#pragma once

#include <cstdint>
#include <string_view>

#include "overlay/cell_ids.h"

// Resolves the category and label names that the overlay writes to their numbers
// (overlay/cell_ids.h) and back. Names are exact: case-sensitive, no trimming. A name that is in
// neither table is a fault of the overlay and ends the program.

// "" gives CT_None.
int32_t CategoryOf(std::string_view name);
// "" gives CL_None.
int32_t LabelOf(std::string_view name);
// The name of label 0-325; "" for any other number.
std::string_view LabelName(int32_t label);
// The channel list a category's rows belong to (0 for none); fatal outside 0-10.
int32_t ListNumberOf(int32_t category);
