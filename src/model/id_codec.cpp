#include "model/id_codec.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr uint8_t kLargestIdByte = 99;

}  // namespace

bool IsIdEmpty(const uint8_t* id) {
    return std::any_of(id, id + kIdBytes, [](uint8_t b) { return b > kLargestIdByte; });
}

void ClearId(uint8_t* id) {
    std::fill(id, id + kIdBytes, kEmptyIdByte);
}

void WriteIdDigits(uint8_t* id, const std::string& input, int32_t digitCount) {
    std::string digits;
    for (const char c : input) {
        if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
    }
    if (static_cast<int32_t>(digits.size()) != digitCount) {
        ClearId(id);
        return;
    }
    std::fill(id, id + kIdBytes, 0);
    for (int32_t i = 0; i < digitCount; ++i) {
        const int digit = digits[static_cast<size_t>(i)] - '0';
        id[i / 2] = static_cast<uint8_t>(id[i / 2] + (i % 2 == 0 ? digit * 10 : digit));
    }
}

int32_t IdDigit(const uint8_t* id, int32_t position) {
    const int32_t byte = id[position / 2];
    return std::min(position % 2 == 0 ? byte / 10 : byte % 10, 9);
}

std::string IdText(const uint8_t* id, int32_t digitCount) {
    if (IsIdEmpty(id)) return {};
    std::string text;
    for (int32_t i = 0; i < digitCount; ++i)
        text += static_cast<char>('0' + IdDigit(id, i));
    return text;
}

uint8_t IdCheckByte(const uint8_t* id) {
    if (IsIdEmpty(id)) return 0xFF;
    int32_t sum = 0;
    for (int32_t i = 0; i < kIdBytes; ++i)
        sum += id[i];
    return static_cast<uint8_t>(0xFF - (sum & 0xFF));
}
