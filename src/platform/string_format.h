#pragma once

#include <cstdio>
#include <string>

// printf-style formatting into a std::string, for the program's "%s"/"%d" texts, many of which
// come from the overlay file.
template <typename... Args>
std::string StringPrintf(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<size_t>(length));
    return text;
}
