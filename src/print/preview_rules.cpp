#include "print/preview_rules.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace {

constexpr char kBackspace = 8;
constexpr int32_t kPageUp = 33;
constexpr int32_t kPageDown = 34;
constexpr int32_t kLeft = 37;
constexpr int32_t kUp = 38;
constexpr int32_t kRight = 39;
constexpr int32_t kDown = 40;

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int32_t& SizeAt(std::vector<int32_t>& sizes, int32_t index) {
    return sizes[static_cast<size_t>(index)];
}

int32_t Sum(const std::vector<int32_t>& sizes, int32_t fixed, const clsPageSpan& span) {
    int32_t sum = 0;
    for (int32_t i = 0; i < fixed; ++i)
        sum += sizes[static_cast<size_t>(i)];
    for (int32_t i = 0; i < span.count; ++i)
        sum += sizes[static_cast<size_t>(span.first + i)];
    return sum;
}

// Moves the span's sizes by difference in total, each by step(size) pixels (at least one) in
// turn, until the difference is used up or no size can give any more.
template <typename Step>
void Share(std::vector<int32_t>& sizes, const clsPageSpan& span, int32_t difference, Step step) {
    const int32_t sign = difference < 0 ? -1 : 1;
    int32_t left = std::abs(difference);
    while (left > 0) {
        bool moved = false;
        for (int32_t i = 0; i < span.count && left > 0; ++i) {
            int32_t& size = SizeAt(sizes, span.first + i);
            int32_t amount = std::min(std::max(step(size), 1), left);
            if (sign < 0) amount = std::min(amount, size);
            if (amount <= 0) continue;
            size += sign * amount;
            left -= amount;
            moved = true;
        }
        if (!moved) return;
    }
}

}  // namespace

void clsPreviewNavigation::SetPageCount(int32_t count) {
    m_count = std::max(count, 1);
    GoTo(m_current);
}

void clsPreviewNavigation::GoTo(int32_t page) {
    m_current = std::clamp(page, 0, m_count - 1);
}

bool clsPreviewNavigation::GoToTyped(std::string_view text) {
    text = Trimmed(text);
    int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return false;
    GoTo(number - 1);
    return true;
}

bool PageFieldAccepts(char character) {
    return (character >= '0' && character <= '9') || character == kBackspace ||
           (character >= '!' && character <= '(') || character == '.';
}

PreviewKeyAction PreviewKeyActionOf(int32_t keyCode, bool zoomOn) {
    switch (keyCode) {
        case kPageUp:
            return PreviewKeyAction::PreviousPage;
        case kPageDown:
            return PreviewKeyAction::NextPage;
        case kUp:
            return zoomOn ? PreviewKeyAction::ScrollUp : PreviewKeyAction::PreviousPage;
        case kDown:
            return zoomOn ? PreviewKeyAction::ScrollDown : PreviewKeyAction::NextPage;
        case kLeft:
            return zoomOn ? PreviewKeyAction::ScrollLeft : PreviewKeyAction::None;
        case kRight:
            return zoomOn ? PreviewKeyAction::ScrollRight : PreviewKeyAction::None;
        default:
            return PreviewKeyAction::None;
    }
}

clsCellRect FitPageImage(int32_t imageWidth, int32_t imageHeight, int32_t viewWidth,
                         int32_t viewHeight) {
    imageWidth = std::max(imageWidth, 1);
    imageHeight = std::max(imageHeight, 1);
    viewWidth = std::max(viewWidth, 0);
    viewHeight = std::max(viewHeight, 0);
    const double scale = std::min({1.0, static_cast<double>(viewWidth) / imageWidth,
                                   static_cast<double>(viewHeight) / imageHeight});
    const auto width = static_cast<int32_t>(imageWidth * scale);
    const auto height = static_cast<int32_t>(imageHeight * scale);
    const int32_t left = (viewWidth - width) / 2;
    const int32_t top = (viewHeight - height) / 2;
    return {left, top, left + width, top + height};
}

void StretchBlockToExtent(clsSheetSizes& sizes, const clsPageBlock& block, int32_t width,
                          int32_t height) {
    const int32_t widthDifference = width - Sum(sizes.widths, sizes.fixedCols, block.cols);
    int32_t blockWidth = 0;
    for (int32_t i = 0; i < block.cols.count; ++i)
        blockWidth += SizeAt(sizes.widths, block.cols.first + i);
    blockWidth = std::max(blockWidth, 1);
    Share(sizes.widths, block.cols, widthDifference, [&](int32_t size) {
        return static_cast<int32_t>(static_cast<int64_t>(std::abs(widthDifference)) * size /
                                    blockWidth);
    });
    const int32_t heightDifference = height - Sum(sizes.heights, sizes.fixedRows, block.rows);
    const int32_t rowStep = std::abs(heightDifference) / std::max(block.rows.count, 1);
    Share(sizes.heights, block.rows, heightDifference, [rowStep](int32_t) { return rowStep; });
}
