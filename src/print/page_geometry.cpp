#include "print/page_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kInchesPerMillimetre = 0.03937007874015748;
constexpr int32_t kPointsPerInch = 72;

std::string_view Trimmed(std::string_view field) {
    const size_t first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = field.find_last_not_of(" \t");
    return field.substr(first, last - first + 1);
}

int32_t FieldValue(std::string_view field) {
    field = Trimmed(field);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value < 0) return 0;
    return value;
}

}  // namespace

datMarginsMm ParseMarginsMm(std::string_view line) {
    int32_t values[4] = {0, 0, 0, 0};
    for (int32_t& value : values) {
        const size_t comma = line.find(',');
        value = FieldValue(line.substr(0, comma));
        if (comma == std::string_view::npos) break;
        line.remove_prefix(comma + 1);
    }
    return {values[0], values[1], values[2], values[3]};
}

int32_t MillimetresToPixels(int32_t mm, int32_t dpi) {
    const double pixels = std::trunc(static_cast<double>(mm) * dpi * kInchesPerMillimetre);
    return static_cast<int32_t>(std::clamp(pixels, -2147483647.0, 2147483647.0));
}

clsCellRect PageMarginRect(const datMarginsMm& margins, int32_t pageWidth, int32_t pageHeight,
                           int32_t dpi) {
    pageWidth = std::max(pageWidth, 0);
    pageHeight = std::max(pageHeight, 0);
    auto pixels = [dpi](int32_t mm, int32_t limit) {
        return std::clamp(MillimetresToPixels(mm, dpi), 0, limit);
    };
    clsCellRect rect;
    rect.left = pixels(margins.left, pageWidth);
    rect.top = pixels(margins.top, pageHeight);
    rect.right = std::max(pageWidth - pixels(margins.right, pageWidth), rect.left);
    rect.bottom = std::max(pageHeight - pixels(margins.bottom, pageHeight), rect.top);
    return rect;
}

int32_t PrintFontHeight(int32_t points, int32_t dpi) {
    return points * dpi / -kPointsPerInch;
}

int32_t FontPixelHeight(int32_t points, int32_t dpi) {
    return std::abs(PrintFontHeight(points, dpi));
}

clsPageFrame PageFrameGeometry(const clsCellRect& margins, int32_t b) {
    clsPageFrame frame;
    frame.b = b;
    frame.c = static_cast<int32_t>(b * 0.1 + 1);
    const int32_t c = frame.c;
    const int32_t L = margins.left;
    const int32_t T = margins.top;
    const int32_t R = margins.right;
    const int32_t B = margins.bottom;
    frame.margins = margins;
    frame.headerTop = T;
    frame.headerBar = {L, T + b + c, R, T + b + 2 * c};
    frame.footerTop = B - b - 1;
    frame.footerBar = {L, B - b - 2 * c, R, B - b - c};
    frame.content = {L, T + b + 6 * c, R, B - b - 6 * c};
    // A frame taller than the page leaves no room for cells rather than a negative room.
    frame.content.bottom = std::max(frame.content.bottom, frame.content.top);
    return frame;
}
