#include "position_entry.h"

#include <cctype>

namespace {

constexpr size_t kTextLength = 13;
constexpr int64_t kMaxLatitude = 90000000;  // degrees, minutes and decimal minutes as digits
constexpr int64_t kMaxLongitude = 180000000;
constexpr int64_t kMinutesLimit = 60;
constexpr size_t kHemisphere = 12;

// The number in characters first...last (counting from 1), or -1 when one is not a digit.
int64_t Digits(const std::string& text, size_t first, size_t last) {
    int64_t value = 0;
    for (size_t i = first - 1; i < last; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

bool IsSendablePosition(const std::string& text, int32_t mode) {
    if (text.size() != kTextLength) return false;
    const int64_t degrees = Digits(text, 1, 3);
    const int64_t minutes = Digits(text, 5, 6);
    const int64_t decimals = Digits(text, 8, 11);
    if (degrees < 0 || minutes < 0 || decimals < 0 || minutes >= kMinutesLimit) return false;
    const int64_t whole = (degrees * 100 + minutes) * 10000 + decimals;
    const char hemisphere =
        static_cast<char>(std::toupper(static_cast<unsigned char>(text[kHemisphere])));
    if (mode == kEntryLatitudeMode)
        return whole <= kMaxLatitude && (hemisphere == 'N' || hemisphere == 'S');
    if (mode == kEntryLongitudeMode)
        return whole <= kMaxLongitude && (hemisphere == 'E' || hemisphere == 'W');
    return false;
}
