#include "model/position_codec.h"

#include <cctype>
#include <cstdlib>

#include "platform/string_format.h"

namespace {

constexpr int32_t kUnitsPerDegree = 600000;
constexpr int32_t kUnitsPerMinute = 10000;
constexpr size_t kDialogTextLength = 13;

struct Parts {
    int32_t degrees;
    int32_t minutes;
    int32_t fractionHigh;  // first two of the four fraction digits
    int32_t fractionLow;   // last two
    char hemisphere;
};

Parts Split(int32_t value, clsAxis axis) {
    const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    const auto inDegree = static_cast<int32_t>(magnitude % kUnitsPerDegree);
    const int32_t fraction = inDegree % kUnitsPerMinute;
    const char hemisphere =
        axis == clsAxis::Latitude ? (value >= 0 ? 'N' : 'S') : (value > 0 ? 'E' : 'W');
    return {static_cast<int32_t>(magnitude / kUnitsPerDegree), inDegree / kUnitsPerMinute,
            fraction / 100, fraction % 100, hemisphere};
}

std::string Format(int32_t value, clsAxis axis, const char* latitudeFormat) {
    const Parts p = Split(value, axis);
    const char* format = axis == clsAxis::Latitude ? latitudeFormat : "%03d%c%02d.%02d%02d'%c";
    return StringPrintf(format, p.degrees, static_cast<char>(kDegreeSign), p.minutes,
                        p.fractionHigh, p.fractionLow, p.hemisphere);
}

// The number in columns first..last (1-based); blanks and other non-digits count as nothing.
int32_t Columns(const std::string& text, size_t first, size_t last) {
    int32_t number = 0;
    for (size_t i = first - 1; i < last; ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            number = number * 10 + (text[i] - '0');
    }
    return number;
}

}  // namespace

std::string FormatPosition(int32_t value, clsAxis axis) {
    return Format(value, axis, "%02d%c%02d.%02d%02d'%c");
}

std::string PositionDialogText(int32_t value, clsAxis axis) {
    return Format(value, axis, " %02d%c%02d.%02d%02d'%c");
}

std::optional<int32_t> ParsePositionDialogText(const std::string& text, clsAxis axis) {
    if (text.size() < kDialogTextLength) return std::nullopt;
    const int64_t magnitude = static_cast<int64_t>(Columns(text, 1, 3)) * kUnitsPerDegree +
                              Columns(text, 5, 6) * kUnitsPerMinute + Columns(text, 8, 11);
    const char hemisphere = text[12];
    const bool negative = axis == clsAxis::Latitude ? hemisphere != 'N' : hemisphere == 'W';
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}
