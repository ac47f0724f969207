#include "model/timer_codec.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/string_format.h"

namespace {

constexpr size_t kMaxDigits = 9;

bool IsOffWord(const std::string& letters) {
    return letters.size() >= 2 && (letters[0] == 'o' || letters[0] == 'O') &&
           (letters[1] == 'f' || letters[1] == 'F');
}

}  // namespace

std::optional<int32_t> ParseTimerInput(const std::string& input, const clsTimerRange& range) {
    std::string digits;
    std::string letters;
    for (const char c : input) {
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') digits += c;
        if (c == 'o' || c == 'O' || c == 'f' || c == 'F') letters += c;
    }
    if (IsOffWord(letters)) return 0;
    if (digits.empty()) return std::nullopt;
    digits.resize(std::min(digits.size(), kMaxDigits));
    const double seconds = std::strtod(digits.c_str(), nullptr);
    const double scaled = (seconds + 0.0005) * range.scale;
    const double clamped =
        std::clamp(scaled, static_cast<double>(range.minimum), static_cast<double>(range.maximum));
    return static_cast<int32_t>(clamped);
}

std::string FormatTimer(int32_t value, int32_t scale) {
    const int64_t milliseconds = static_cast<int64_t>(value) * 1000 / scale;
    return StringPrintf("%3d.%03d", value / scale, static_cast<int>(milliseconds % 1000));
}

int32_t StepTimer(int32_t value, int32_t step, const clsTimerRange& range) {
    const int32_t next = value + step;
    if (next < range.minimum) return range.maximum;
    if (next > range.maximum) return range.minimum;
    return next;
}
