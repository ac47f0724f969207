#include "model/frequency_codec.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/string_format.h"

namespace {

constexpr size_t kLongestEntry = 10;
constexpr int32_t kRasterSearchStep = 1250;
constexpr int32_t kCoarsestPrecision = 100000;

// The precision the user typed: the largest power of ten up to 100 kHz that divides f.
int32_t TypedPrecision(int32_t frequency) {
    int32_t precision = 1;
    while (precision < kCoarsestPrecision && frequency % (precision * 10) == 0)
        precision *= 10;
    return precision;
}

}  // namespace

int32_t CompleteToRaster(int32_t frequency) {
    const int32_t precision = TypedPrecision(frequency);
    const int64_t limit = static_cast<int64_t>(frequency) + precision;
    for (int64_t candidate = frequency - frequency % kCoarsestPrecision; candidate < limit;
         candidate += kRasterSearchStep) {
        if (candidate >= frequency && candidate % kFrequencyRaster == 0) {
            return static_cast<int32_t>(candidate);
        }
    }
    return -1;
}

int32_t ParseFrequency(const std::string& input) {
    std::string kept;
    for (const char c : input) {
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') kept += c;
    }
    kept.resize(std::min(kept.size(), kLongestEntry));
    if (kept.find_first_of("0123456789") == std::string::npos) return 0;
    const double hertz = std::strtod(kept.c_str(), nullptr) * 1000000.0 + 0.5;
    const double clamped = std::clamp(hertz, kLowestFrequency + 0.5, kHighestFrequency + 0.5);
    const int32_t completed = CompleteToRaster(static_cast<int32_t>(clamped));
    // The band edge itself lies between two raster steps; the radio takes it as the top.
    return completed < 0 ? completed : std::min(completed, kHighestFrequency);
}

std::string FormatFrequency(int32_t frequency) {
    return StringPrintf("%d.%05d", frequency / 1000000, (frequency % 1000000) / 10);
}
