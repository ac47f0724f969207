#include "dialogs/port_dialog_layout.h"

#include <gtest/gtest.h>

#include "support/fake_text_measure.h"

namespace {

constexpr int32_t kChar = FakeTextMeasure::kCharWidth;   // 7
constexpr int32_t kLine = FakeTextMeasure::kLineHeight;  // 15, also the margin
constexpr int32_t kScrollBar = 16;

class OnePixelMeasure : public cmcTextMeasure {
public:
    cmcTextSize Measure(const datCellFont&, std::string_view line) const override {
        return {static_cast<int32_t>(line.size()), 1};
    }
};

datPortDialogTexts SmallTexts() {
    datPortDialogTexts texts;
    texts.caption = "Cloning Port";                                   // 84 pixels
    texts.notice = {"Pick the port.", "A USB cable is a COM port."};  // 98 and 182 pixels
    texts.okText = "OK";
    texts.buttonSample = "WWWWWWWW";  // 56 pixels
    return texts;
}

TEST(PortDialogLayout, ControlsFollowTheNoticeAndTheButtonsSitRight) {
    const clsPortDialogLayout layout = LayOutPortDialog(
        FakeTextMeasure(), datCellFont{}, SmallTexts(), clsPortDialogMode::Number, kScrollBar);
    EXPECT_EQ(layout.margin, kLine);
    EXPECT_EQ(layout.notice, (clsBox{15, 15, 26 * kChar, 2 * kLine}));
    // Indented by "WW", half a margin (rounded down) below the notice.
    EXPECT_EQ(layout.edit, (clsBox{15 + 2 * kChar, 45 + 7, 7 * kChar, kLine}));
    EXPECT_EQ(layout.list.left, layout.edit.left);
    EXPECT_EQ(layout.list.top, layout.edit.top);
    // The notice's right edge (197) plus the margin is the widest demand.
    EXPECT_EQ(layout.width, 197 + 15);
    // The buttons four box heights below the box's top, twice the OK text's height high.
    EXPECT_EQ(layout.cancel, (clsBox{212 - 15 - 56, 52 + 4 * kLine, 56, 2 * kLine}));
    EXPECT_EQ(layout.ok, (clsBox{212 - 15 - 56 - 15 - 56, 112, 56, 30}));
    EXPECT_EQ(layout.height, 112 + 30 + 15);
}

TEST(PortDialogLayout, EachModeWidensTheListBoxByItsSample) {
    struct Case {
        clsPortDialogMode mode;
        int32_t listWidth;
        int32_t windowWidth;
    };
    const Case cases[] = {
        {clsPortDialogMode::Number, kScrollBar, 212},
        {clsPortDialogMode::NumberList, kScrollBar + 6 * kChar, 212},
        // "1: Orva USB-to-Serial Comm. Port (COM1)WW" is 41 characters, wider than the notice.
        {clsPortDialogMode::DescriptionList, kScrollBar + 41 * kChar,
         29 + kScrollBar + 41 * kChar + 15},
    };
    for (const Case& c : cases) {
        const clsPortDialogLayout layout =
            LayOutPortDialog(FakeTextMeasure(), datCellFont{}, SmallTexts(), c.mode, kScrollBar);
        EXPECT_EQ(layout.list.width, c.listWidth) << static_cast<int>(c.mode);
        EXPECT_EQ(layout.width, c.windowWidth) << static_cast<int>(c.mode);
        EXPECT_EQ(layout.cancel.left + layout.cancel.width, layout.width - kLine);
    }
}

TEST(PortDialogLayout, TheCaptionWidensTheWindowAndTheStartSizeIsTheLeast) {
    datPortDialogTexts texts = SmallTexts();
    texts.caption = std::string(30, 'C');  // 210 pixels and 100 for the caption bar
    EXPECT_EQ(LayOutPortDialog(FakeTextMeasure(), datCellFont{}, texts, clsPortDialogMode::Number,
                               kScrollBar)
                  .width,
              210 + 100 + 15);

    // In a font one pixel high the controls fit in less than the start size; the caption bar's
    // allowance alone is wider.
    texts.caption = "";
    const clsPortDialogLayout layout =
        LayOutPortDialog(OnePixelMeasure(), datCellFont{}, texts, clsPortDialogMode::Number, 0);
    EXPECT_EQ(layout.width, 100 + 1);
    EXPECT_EQ(layout.height, 100);
    EXPECT_EQ(layout.cancel.left, 101 - 1 - 8);
}

TEST(PortDialogLayout, DroppedListFitsTheWidestItem) {
    const std::vector<std::string> items = {"1: COM (COM1)", "17: FT232R USB UART, FTDI (ttyUSB0)"};
    const int32_t widest = 35 * kChar + 2 * kChar;
    struct Case {
        int32_t boxWidth;
        int32_t visible;
        int32_t width;
    };
    const Case cases[] = {
        {50, 10, widest},              // every item shows: no scroll bar
        {50, 1, widest + kScrollBar},  // more items than the list shows
        {400, 10, 400},                // the box is wider already
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DroppedListWidth(FakeTextMeasure(), datCellFont{}, items, c.boxWidth, c.visible,
                                   kScrollBar),
                  c.width)
            << c.boxWidth << " " << c.visible;
    }
}

}  // namespace
