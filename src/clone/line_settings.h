#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/serial_line.h"

// The index-th piece of text between delimiters (from 0), or nothing when the text has fewer.
// The program's texts are single-byte, so every delimiter byte counts.
std::optional<std::string> SplitField(const std::string& text, char delimiter, int index);

// Applies a line settings text of four comma-separated fields, "baud,parity,data bits,stop
// bits" (the clone line uses "9600,N,8,1" and "38400,N,8,1"), to settings. Data bits are
// clamped into 4-8; stop bits "1.5" give one and a half, "2" two, anything else one. Parity
// letters N, O, E, M and S (either case) select none, odd, even, mark and space; every other
// letter selects none. Returns false, changing nothing, when a field is missing or the baud
// rate is not a positive number.
bool ApplyLineSettings(const std::string& text, datLineSettings& settings);
