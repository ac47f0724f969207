#include "overlay/decimal_text.h"

#include <algorithm>
#include <limits>

int32_t ClampToInt32(int64_t value) {
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(value, -kMax, kMax));
}

int32_t DecimalPrefix(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        // Past 32 bits the value only needs to stay beyond the clamp.
        value = std::min<int64_t>(value * 10 + (text[at] - '0'), int64_t{1} << 40);
    }
    return ClampToInt32(negative ? -value : value);
}
