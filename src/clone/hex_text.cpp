#include "clone/hex_text.h"

int HexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

cmcBuff HexToBytes(std::string_view text) {
    cmcBuff bytes;
    int high = -1;
    for (const char character : text) {
        const int nibble = HexDigitValue(character);
        if (nibble < 0) continue;
        if (high < 0) {
            high = nibble;
        } else {
            bytes.AppendByte(static_cast<uint8_t>(high << 4 | nibble));
            high = -1;
        }
    }
    if (high >= 0) bytes.AppendByte(static_cast<uint8_t>(high << 4));
    return bytes;
}
