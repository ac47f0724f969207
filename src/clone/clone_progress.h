#pragma once

#include <cstdint>

// The clone progress bar: 32 segments with a one-pixel gap after each, filled as data moves.

constexpr int32_t kProgressSegmentCount = 32;

// The filled segments after dataBytes of expectedBytes have moved. The count runs to 33 so that
// the last segment fills only when every byte has arrived; 0 while nothing is expected.
constexpr int32_t ProgressFilledSegments(int32_t dataBytes, int32_t expectedBytes) {
    if (expectedBytes <= 0) return 0;
    return static_cast<int32_t>(int64_t{dataBytes} * (kProgressSegmentCount + 1) / expectedBytes);
}

// The columns of segment i (0-31) in a bar width pixels wide; the column after last is the gap.
struct datProgressSegment {
    int32_t first;
    int32_t last;
};

constexpr datProgressSegment ProgressSegmentColumns(int32_t width, int32_t i) {
    const int32_t w = (width + 1) / kProgressSegmentCount;
    return {w * i, w * (i + 1) - 2};
}
