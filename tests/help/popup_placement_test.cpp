// The context-help popup is centred on the mouse cursor below it, and kept on the work area.

#include <gtest/gtest.h>

#include "help/popup_placement.h"

namespace {

TEST(PopupPlacement, FirstRectangleIsCentredOnTheCursorButNotLeftOfZero) {
    struct Case {
        cmcPoint cursor;
        int32_t left;
    };
    const Case cases[] = {{{500, 300}, 290}, {{210, 40}, 0}, {{211, 40}, 1}, {{0, 40}, 0}};
    for (const Case& c : cases) {
        const cmcRect rect = PopupTypeRect(420, 320, c.cursor);
        EXPECT_EQ(rect.left, c.left) << c.cursor.x;
        EXPECT_EQ(rect.top, c.cursor.y);
        EXPECT_EQ(rect.right - rect.left, 420);
        EXPECT_EQ(rect.bottom - rect.top, 320);
    }
}

TEST(PopupPlacement, StaysOnTheWorkArea) {
    struct Case {
        const char* what;
        cmcRect workArea;
        cmcPoint cursor;
        int32_t left;
        int32_t top;
    };
    const cmcRect screen{0, 0, 1024, 768};
    const Case cases[] = {
        {"room below", screen, {500, 300}, 290, 300},
        {"ends exactly at the bottom", screen, {500, 448}, 290, 448},
        {"near the bottom: above the cursor", screen, {500, 700}, 290, 380},
        {"no room above: flush with the bottom", {0, 100, 1024, 500}, {500, 390}, 290, 180},
        {"just too little room above", {0, 100, 1024, 500}, {500, 420}, 290, 180},
        {"just enough room above", {0, 100, 1024, 500}, {500, 421}, 290, 101},
        {"cursor on the task bar below the work area", {0, 0, 1024, 740}, {500, 760}, 290, 420},
        {"left edge", screen, {0, 100}, 0, 100},
        {"half a popup from the left edge", screen, {210, 100}, 0, 100},
        {"right edge", screen, {1020, 100}, 604, 100},
        {"bottom right corner", screen, {1023, 767}, 604, 447},
    };
    const cmcRect popup{7, 9, 7 + 420, 9 + 320};
    for (const Case& c : cases) {
        const cmcRect placed = PlacePopup(popup, c.cursor, c.workArea);
        EXPECT_EQ(placed.left, c.left) << c.what;
        EXPECT_EQ(placed.top, c.top) << c.what;
        EXPECT_EQ(placed.right - placed.left, 420) << c.what;
        EXPECT_EQ(placed.bottom - placed.top, 320) << c.what;
    }
}

}  // namespace
