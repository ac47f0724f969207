#include "clone/line_settings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

std::optional<std::string> SplitField(const std::string& text, char delimiter, int index) {
    size_t start = 0;
    for (int field = 0; field < index; ++field) {
        const size_t end = text.find(delimiter, start);
        if (end == std::string::npos) return std::nullopt;
        start = end + 1;
    }
    const size_t end = text.find(delimiter, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

namespace {

struct ParityLetter {
    char letter;
    uint8_t parity;
};

// The Windows parity numbers; letters not listed select none.
constexpr ParityLetter kParityLetters[] = {{'O', 1}, {'E', 2}, {'M', 3}, {'S', 4}};

uint8_t ParityOfLetter(const std::string& field) {
    const char letter = field.empty() ? 'N' : static_cast<char>(std::toupper(field[0]));
    for (const auto& entry : kParityLetters) {
        if (entry.letter == letter) return entry.parity;
    }
    return 0;
}

}  // namespace

bool ApplyLineSettings(const std::string& text, datLineSettings& settings) {
    const auto baud = SplitField(text, ',', 0);
    const auto parity = SplitField(text, ',', 1);
    const auto dataBits = SplitField(text, ',', 2);
    const auto stopBits = SplitField(text, ',', 3);
    if (!baud || !parity || !dataBits || !stopBits) return false;
    const long rate = std::atol(baud->c_str());
    if (rate <= 0) return false;

    settings.baud = static_cast<uint32_t>(rate);
    settings.parity = ParityOfLetter(*parity);
    if (settings.parity == 0) {
        settings.flags1 &= static_cast<uint8_t>(~kLineParityCheck);
    } else {
        settings.flags1 |= kLineParityCheck;
    }
    settings.dataBits = static_cast<uint8_t>(std::clamp(std::atol(dataBits->c_str()), 4L, 8L));
    settings.stopBits = *stopBits == "1.5" ? 1 : *stopBits == "2" ? 2 : 0;
    return true;
}
