#include "terminal_text.h"

#include <cstdint>

std::string Latin1FromUtf8(const std::string& text) {
    std::string latin1;
    latin1.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<uint8_t>(text[i]);
        size_t length = lead < 0x80             ? 1
                        : (lead & 0xE0) == 0xC0 ? 2
                        : (lead & 0xF0) == 0xE0 ? 3
                        : (lead & 0xF8) == 0xF0 ? 4
                                                : 0;
        bool valid = length != 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<uint8_t>(text[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            latin1 += text[i++];
            continue;
        }
        if (length == 1) {
            latin1 += text[i];
        } else if (length == 2) {
            const uint32_t code =
                ((lead & 0x1Fu) << 6) | (static_cast<uint8_t>(text[i + 1]) & 0x3Fu);
            latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
        } else {
            latin1 += '?';
        }
        i += length;
    }
    return latin1;
}

std::string Utf8FromLatin1(const std::string& text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}
