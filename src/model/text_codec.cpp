#include "model/text_codec.h"

#include <algorithm>

namespace {

constexpr uint8_t kBlank = 0x20;

bool IsPrintable(uint8_t c) {
    return c >= 0x20 && c <= 0x7E;
}

}  // namespace

void FillTextBuffer(uint8_t* buffer, int32_t length, const std::string& input) {
    for (int32_t i = 0; i < length; ++i) {
        buffer[i] =
            i < static_cast<int32_t>(input.size()) ? static_cast<uint8_t>(input[i]) : kBlank;
    }
}

std::string TextOfBuffer(uint8_t* buffer, int32_t length) {
    for (int32_t i = 0; i < length; ++i) {
        if (!IsPrintable(buffer[i])) buffer[i] = kBlank;
    }
    std::string text(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

uint8_t ToChannelNameChar(uint8_t c) {
    if (c >= 'a' && c <= 'z') return static_cast<uint8_t>(c - 'a' + 'A');
    if (c < 0x20 || c > 0x5F || c == '@') return kBlank;
    return c;
}

void NormaliseChannelName(uint8_t* buffer, int32_t length) {
    std::transform(buffer, buffer + length, buffer, ToChannelNameChar);
}

void NormaliseFreeChannelName(uint8_t* buffer) {
    buffer[0] = ToChannelNameChar(buffer[0]);
    buffer[1] = ToChannelNameChar(buffer[1]);
    switch (buffer[2]) {
        case 'A':
        case 'a':
            buffer[2] = 'A';
            break;
        case 'B':
        case 'b':
            buffer[2] = 'B';
            break;
        default:
            buffer[2] = kBlank;
    }
}
