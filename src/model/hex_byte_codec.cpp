#include "model/hex_byte_codec.h"

#include <cctype>

#include "platform/string_format.h"

bool IsHexDigit(int32_t c) {
    return c >= 0 && c < 128 && std::isxdigit(c) != 0;
}

std::string FormatHexByte(uint8_t value) {
    return StringPrintf("%02X", value);
}

std::optional<uint8_t> ParseHexByte(const std::string& input) {
    if (input.empty() || input.size() > 2) return std::nullopt;
    int32_t value = 0;
    for (const char c : input) {
        if (!IsHexDigit(static_cast<unsigned char>(c))) return std::nullopt;
        const int32_t digit = std::isdigit(static_cast<unsigned char>(c))
                                  ? c - '0'
                                  : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        value = value * 16 + digit;
    }
    return static_cast<uint8_t>(value);
}
