#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>
#include <type_traits>

// The number a whole text writes in decimal: an optional minus sign and digits, nothing before or
// after them (no blanks, no plus sign, no exponent), within the range of T. Anything else, and a
// value T cannot hold, gives nothing: a number typed, passed on a command line or kept in the
// settings is either taken exactly or refused, never cut to a prefix or wrapped.
template <typename T>
std::optional<T> ParseWholeNumber(std::string_view text) {
    static_assert(std::is_integral_v<T>);
    T value{};
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || last != end) return std::nullopt;
    return value;
}
