#include "model/utc_offset_codec.h"

#include <cctype>
#include <cstdlib>

#include "platform/string_format.h"

namespace {

constexpr size_t kLongestEntry = 5;  // "hh:mm"

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

int32_t ReadNumber(const std::string& digits) {
    return digits.empty() ? 0 : static_cast<int32_t>(std::strtol(digits.c_str(), nullptr, 10));
}

}  // namespace

std::optional<int32_t> ParseUtcOffset(const std::string& input) {
    std::string kept;
    for (const char c : input) {
        if (IsDigit(c) || c == '+' || c == '-' || c == ':') kept += c;
    }
    const bool negative = !kept.empty() && kept[0] == '-';
    std::string rest;
    for (const char c : kept) {
        if (IsDigit(c) || c == ':') rest += c;
    }
    if (rest.size() > kLongestEntry) return std::nullopt;
    const size_t colon = rest.find(':');
    // A second colon makes the entry ambiguous; it is refused like any other bad offset.
    if (colon != std::string::npos && rest.find(':', colon + 1) != std::string::npos) {
        return std::nullopt;
    }
    const int32_t hours = ReadNumber(rest.substr(0, colon));
    const int32_t minutes = colon == std::string::npos ? 0 : ReadNumber(rest.substr(colon + 1));
    if (minutes >= 60) return std::nullopt;
    const int32_t total = hours * 60 + minutes;
    if (total > kMaxUtcOffsetMinutes) return std::nullopt;
    return negative ? -total : total;
}

std::string FormatUtcOffset(int32_t minutes) {
    const int32_t magnitude = minutes < 0 ? -minutes : minutes;
    const char* sign = minutes > 0 ? "+" : minutes < 0 ? "-" : "";
    return StringPrintf("%s%d:%02d", sign, magnitude / 60, magnitude % 60);
}
