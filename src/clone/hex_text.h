#pragma once

#include <string_view>

#include "base/buff.h"

// Turns a text of hexadecimal digits into bytes, as the clone frames are written: every 0-9,
// a-f, A-F is a nibble, every other character is skipped, nibbles pair high first, and a
// single nibble left at the end becomes a byte with that nibble in its high half. So
// "FEFE EE EF E0" gives FE FE EE EF E0.
cmcBuff HexToBytes(std::string_view text);

// The value of one hexadecimal digit, or -1.
int HexDigitValue(char digit);
