// The frame's arithmetic: the status bar's panels, the About box's layout and place, and the file
// dialogs' filter.
#include <gtest/gtest.h>

#include "app/about_layout.h"
#include "app/dialog_filter.h"
#include "app/status_panels.h"

namespace {

using Kind = cuiStatusPanels::clsKind;

TEST(StatusPanelsTest, OneModeGivesThreePanelsBothModesFour) {
    cuiStatusPanels panels;
    panels.Resize(600);
    ASSERT_EQ(panels.Panels().size(), 2u);
    EXPECT_EQ(panels.Panels()[0].width, 600 - cuiStatusPanels::kPlainWidth);
    EXPECT_EQ(panels.DrawnModePanel(), -1);

    panels.AddModePanel(70);
    ASSERT_EQ(panels.Panels().size(), 3u);
    EXPECT_EQ(panels.Panels()[1].kind, Kind::Mode);
    EXPECT_EQ(panels.Panels()[1].width, 70);
    EXPECT_EQ(panels.Panels()[2].kind, Kind::Plain);
    EXPECT_EQ(panels.DrawnModePanel(), 1);
    EXPECT_EQ(panels.Panels()[0].width, 600 - 70 - cuiStatusPanels::kPlainWidth);

    panels.AddModePanel(150);
    ASSERT_EQ(panels.Panels().size(), 4u);
    EXPECT_EQ(panels.Panels()[1].width, 70);  // the first mode panel keeps the maker text's width
    EXPECT_EQ(panels.Panels()[2].width, 150);
    EXPECT_EQ(panels.DrawnModePanel(), 2);
    EXPECT_EQ(panels.Panels()[3].kind, Kind::Plain);
    EXPECT_EQ(panels.Panels()[0].width, 600 - 70 - 150 - cuiStatusPanels::kPlainWidth);
    EXPECT_EQ(panels.LeftOf(2), panels.Panels()[0].width + 70);
}

TEST(StatusPanelsTest, TheMessagePanelKeepsAHundredPixels) {
    cuiStatusPanels panels;
    panels.AddModePanel(300);
    panels.Resize(200);
    EXPECT_EQ(panels.Panels()[0].width, cuiStatusPanels::kMinMessageWidth);
}

TEST(AboutLayoutTest, EverythingFollowsTheIconSize) {
    const datAboutLayout layout = AboutLayout(32, 32, 300, 150, 25);
    EXPECT_EQ(layout.icon.left, 16);
    EXPECT_EQ(layout.icon.top, 16);
    EXPECT_EQ(layout.labelLeft, 16 + 48);
    EXPECT_EQ(layout.labelTop, 0);
    EXPECT_EQ(layout.button.left, 64 + 300 + 64);
    EXPECT_EQ(layout.button.top, 8);
    EXPECT_EQ(layout.button.right - layout.button.left, 80);
    EXPECT_EQ(layout.button.bottom - layout.button.top, 25);
    EXPECT_EQ(layout.clientWidth, 428 + 80 + 8);
    EXPECT_EQ(layout.clientHeight, 150 + 16);
    // Odd sizes are cut to whole pixels.
    const datAboutLayout odd = AboutLayout(33, 33, 10, 10, 20);
    EXPECT_EQ(odd.labelLeft, 16 + 49);
    EXPECT_EQ(odd.button.right - odd.button.left, 82);
}

TEST(AboutLayoutTest, TheBoxIsCentredOverTheWindowAndKeptOnTheWorkArea) {
    const cmcRect area{0, 0, 1000, 700};
    const struct {
        cmcRect window;
        cmcRect expected;
    } cases[] = {
        {{100, 100, 500, 400}, {200, 200, 400, 300}},    // centred
        {{800, 600, 1200, 900}, {800, 600, 1000, 700}},  // sticks out right and below
        {{-400, -300, 100, 100}, {0, 0, 200, 100}},      // starts before the area
        {{0, 0, 100, 50}, {0, 0, 200, 100}},             // larger than the window
    };
    for (const auto& test : cases) {
        const cmcRect placed = CentreOver(test.window, 200, 100, area);
        EXPECT_EQ(placed.left, test.expected.left);
        EXPECT_EQ(placed.top, test.expected.top);
        EXPECT_EQ(placed.right, test.expected.right);
        EXPECT_EQ(placed.bottom, test.expected.bottom);
    }
}

TEST(DialogFilterTest, PlatformPairsBecomeToolkitEntries) {
    const struct {
        std::string filter;
        std::vector<std::string> entries;
    } cases[] = {
        {"Clone files (*.icf)|*.icf|All files (*.*)|*.*",
         {"Clone files (*.icf)", "All files (*.*)"}},
        {"Clone files|*.icf;*.ICF", {"Clone files (*.icf *.ICF)"}},
        {"Text|*.txt|Dangling", {"Text (*.txt)"}},
        {"Nothing|", {}},
        {"", {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.filter);
        EXPECT_EQ(DialogFilterEntries(test.filter), test.entries);
    }
}

}  // namespace
