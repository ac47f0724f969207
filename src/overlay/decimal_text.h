#pragma once

#include <cstdint>
#include <string_view>

// Numbers written in the description language.

// value held within ±2147483647: symmetric, so that negating the result is always safe.
int32_t ClampToInt32(int64_t value);

// The number at the start of text as atoi reads it (leading blanks and tabs, a sign, digits),
// held within ±2147483647 rather than overflowing; 0 when there is none.
int32_t DecimalPrefix(std::string_view text);
