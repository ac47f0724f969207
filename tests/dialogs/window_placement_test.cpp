#include "dialogs/window_placement.h"

#include <gtest/gtest.h>

namespace {

// A 1024 x 738 work area below a 30-pixel panel at the top of the screen.
constexpr cmcRect kWorkArea{0, 30, 1024, 768};

struct PlacementCase {
    const char* name;
    cmcRect cell;
    int32_t width;
    int32_t height;
    clsWindowPlace expected;
};

const PlacementCase kCases[] = {
    {"below the cell, 8 pixels in", {100, 200, 180, 218}, 150, 60, {108, 218}},
    {"exactly reaching the bottom stays below", {100, 600, 180, 618}, 150, 150, {108, 618}},
    {"too low: above when there is more room", {100, 700, 180, 718}, 150, 100, {108, 600}},
    {"room above equal to the height is not enough", {100, 400, 180, 418}, 150, 370, {108, 398}},
    {"too low, little room above: on the bottom", {100, 300, 180, 318}, 150, 500, {108, 268}},
    {"right edge: moved left to end there", {950, 200, 1010, 218}, 150, 60, {874, 218}},
    {"above and at the right edge: ends there", {950, 700, 1010, 718}, 150, 100, {874, 600}},
    {"on the bottom at the right edge: left of the cell",
     {950, 300, 1010, 318},
     150,
     500,
     {800, 268}},
    {"on the bottom, no room left of the cell: ends at the edge",
     {100, 300, 180, 318},
     950,
     500,
     {74, 268}},
    {"on the bottom without crossing the right edge stays",
     {100, 300, 180, 318},
     150,
     500,
     {108, 268}},
    {"taller than the work area: top inside it", {100, 300, 180, 318}, 150, 800, {108, 30}},
    {"wider than the work area: left inside it", {100, 200, 180, 218}, 1100, 60, {0, 218}},
};

TEST(WindowPlacement, FollowsTheCellAndTheWorkArea) {
    for (const PlacementCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceNextToCell(c.cell, c.width, c.height, kWorkArea), c.expected);
    }
}

TEST(WindowPlacement, UsesAWorkAreaThatDoesNotStartAtTheOrigin) {
    // A second screen right of the first, with its panel on the left.
    const cmcRect second{1104, 0, 2944, 1080};
    EXPECT_EQ(PlaceNextToCell({1200, 1000, 1300, 1020}, 200, 120, second),
              (clsWindowPlace{1208, 880}));
    EXPECT_EQ(PlaceNextToCell({1110, 10, 1200, 30}, 2000, 120, second), (clsWindowPlace{1104, 30}));
}

TEST(WindowPlacement, CentresOverTheOwnerInsideTheWorkArea) {
    struct Case {
        const char* name;
        cmcRect owner;
        int32_t width;
        int32_t height;
        clsWindowPlace expected;
    };
    const Case cases[] = {
        {"centred", {100, 100, 900, 700}, 300, 200, {350, 300}},
        {"odd difference rounds towards the owner's top left",
         {100, 100, 901, 701},
         300,
         200,
         {350, 300}},
        {"owner near the right edge", {800, 100, 1000, 300}, 300, 100, {724, 150}},
        {"owner above the work area", {100, -200, 400, 100}, 200, 200, {150, 30}},
        {"owner below the work area", {100, 700, 400, 900}, 200, 300, {150, 468}},
        {"larger than the work area", {0, 0, 1024, 768}, 1200, 900, {0, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CentreOverOwner(c.owner, c.width, c.height, kWorkArea), c.expected);
    }
}

TEST(WindowPlacement, ASelectionListFitsItsSheetOrTheWorkAreaWithScrollBars) {
    struct Case {
        const char* name;
        int32_t sheetWidth;
        int32_t sheetHeight;
        clsListWindowSize expected;
    };
    // A 2-pixel frame on each side; the work area is 1024 x 738.
    const Case cases[] = {
        {"fits", 200, 300, {204, 304, false}},
        {"exactly fits", 1020, 734, {1024, 738, false}},
        {"too high", 200, 900, {204, 738, true}},
        {"too wide", 1100, 300, {1024, 304, true}},
        {"too large both ways", 2000, 2000, {1024, 738, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SizeSelectionList(c.sheetWidth, c.sheetHeight, 4, 4, kWorkArea), c.expected);
    }
}

}  // namespace
