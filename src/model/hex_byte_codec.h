#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Bytes of the maker memory window, shown as two hexadecimal digits.
std::string FormatHexByte(uint8_t value);

// One or two hexadecimal digits; nullopt for anything else.
std::optional<uint8_t> ParseHexByte(const std::string& input);

bool IsHexDigit(int32_t c);
