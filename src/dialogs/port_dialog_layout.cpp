#include "dialogs/port_dialog_layout.h"

#include <algorithm>

namespace {

// Samples that size the controls for the longest texts they hold.
constexpr const char* kMarginSample = "W";
constexpr const char* kIndentSample = "WW";
constexpr const char* kEditWidthSample = "255WWWW";
// The height sample of the number box. Its two double-byte characters only make the box tall
// enough for a double-byte system's glyphs; a single-byte font has one line height for every text.
constexpr const char* kEditHeightSample = "255WW";
constexpr const char* kNumberListSample = "9999WW";
constexpr const char* kDescriptionListSample = "1: Orva USB-to-Serial Comm. Port (COM1)WW";
constexpr int32_t kStartSize = 100;         // the window only grows from this
constexpr int32_t kCaptionAllowance = 100;  // the caption bar's buttons and icon
constexpr int32_t kButtonDrop = 4;          // the buttons' top, in port box heights below its top

int32_t Right(const clsBox& box) {
    return box.left + box.width;
}

int32_t Bottom(const clsBox& box) {
    return box.top + box.height;
}

}  // namespace

clsPortDialogLayout LayOutPortDialog(const cmcTextMeasure& measure, const datCellFont& font,
                                     const datPortDialogTexts& texts, clsPortDialogMode mode,
                                     int32_t scrollBarWidth) {
    auto size = [&](std::string_view text) { return measure.Measure(font, text); };
    clsPortDialogLayout layout;
    const int32_t m = size(kMarginSample).height;
    layout.margin = m;

    layout.notice = {m, m, 0, 0};
    for (const std::string& line : texts.notice) {
        const cmcTextSize lineSize = size(line);
        layout.notice.width = std::max(layout.notice.width, lineSize.width);
        layout.notice.height += lineSize.height;
    }

    const int32_t boxLeft = layout.notice.left + size(kIndentSample).width;
    const int32_t boxTop = Bottom(layout.notice) + m / 2;
    const int32_t boxHeight = size(kEditHeightSample).height;
    layout.edit = {boxLeft, boxTop, size(kEditWidthSample).width, boxHeight};
    int32_t listWidth = scrollBarWidth;
    if (mode == clsPortDialogMode::NumberList) listWidth += size(kNumberListSample).width;
    if (mode == clsPortDialogMode::DescriptionList) listWidth += size(kDescriptionListSample).width;
    layout.list = {boxLeft, boxTop, listWidth, boxHeight};

    const int32_t buttonWidth = size(texts.buttonSample).width;
    const int32_t buttonHeight = 2 * size(texts.okText).height;
    const int32_t buttonTop = boxTop + kButtonDrop * boxHeight;
    layout.ok = {m, buttonTop, buttonWidth, buttonHeight};
    layout.cancel = {Right(layout.ok) + m, buttonTop, buttonWidth, buttonHeight};

    const int32_t rightmost = std::max(
        {Right(layout.notice), Right(layout.edit), Right(layout.list), Right(layout.cancel)});
    layout.width =
        std::max({kStartSize, size(texts.caption).width + kCaptionAllowance + m, rightmost + m});
    layout.height = std::max(kStartSize, Bottom(layout.cancel) + m);

    layout.cancel.left = layout.width - m - buttonWidth;
    layout.ok.left = layout.cancel.left - m - buttonWidth;
    return layout;
}

int32_t DroppedListWidth(const cmcTextMeasure& measure, const datCellFont& font,
                         const std::vector<std::string>& items, int32_t boxWidth,
                         int32_t visibleItems, int32_t scrollBarWidth) {
    int32_t widest = 0;
    for (const std::string& item : items)
        widest = std::max(widest, measure.Measure(font, item).width);
    int32_t width = widest + measure.Measure(font, kIndentSample).width;
    if (static_cast<int32_t>(items.size()) > visibleItems) width += scrollBarWidth;
    return std::max(width, boxWidth);
}
