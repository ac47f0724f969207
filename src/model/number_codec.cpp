#include "model/number_codec.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

constexpr size_t kLongestEntry = 9;

int64_t RoundHalfAway(double value) {
    return static_cast<int64_t>(std::round(value));
}

}  // namespace

int32_t ClampNumber(int32_t value, const clsNumberRange& range) {
    return std::clamp(value, range.minimum, range.maximum);
}

clsNumberInput ParseNumberInput(const std::string& input, const clsNumberRange& range) {
    std::string kept;
    for (const char c : input) {
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-') kept += c;
    }
    kept.resize(std::min(kept.size(), kLongestEntry));
    if (kept.empty()) return {ClampNumber(0, range), false};
    int64_t value = RoundHalfAway(std::strtod(kept.c_str(), nullptr)) - range.offset;
    if (range.step != 1) {
        value = RoundHalfAway(static_cast<double>(value) / range.step) * range.step;
    }
    return {static_cast<int32_t>(std::clamp<int64_t>(value, range.minimum, range.maximum)), true};
}

int32_t StepNumber(int32_t value, int32_t direction, const clsNumberRange& range) {
    int32_t next = value + direction * range.step;
    if (next < range.minimum) next = range.maximum;
    if (next > range.maximum) next = range.minimum;
    return next - next % range.step;
}
