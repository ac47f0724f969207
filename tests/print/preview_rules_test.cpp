#include <gtest/gtest.h>

#include "print/preview_rules.h"

namespace {

TEST(PreviewNavigation, TheButtonsMoveWithinThePagesAndSayWhereTheyCanGo) {
    clsPreviewNavigation nav(4);
    EXPECT_EQ(nav.Current(), 0);
    EXPECT_FALSE(nav.CanGoBack());  // Top and Previous disabled on page 1
    EXPECT_TRUE(nav.CanGoOn());
    nav.Previous();
    EXPECT_EQ(nav.Current(), 0);
    nav.Next();
    nav.Next();
    EXPECT_EQ(nav.Current(), 2);
    EXPECT_TRUE(nav.CanGoBack());
    nav.Last();
    EXPECT_EQ(nav.Current(), 3);
    EXPECT_FALSE(nav.CanGoOn());
    nav.Next();
    EXPECT_EQ(nav.Current(), 3);
    nav.First();
    EXPECT_EQ(nav.Current(), 0);
    nav.Last();
    nav.SetPageCount(2);  // fewer pages after a new font size
    EXPECT_EQ(nav.Current(), 1);
    nav.SetPageCount(0);
    EXPECT_EQ(nav.PageCount(), 1);
    EXPECT_FALSE(nav.CanGoBack() || nav.CanGoOn());
}

TEST(PreviewNavigation, EnterInThePageFieldGoesToTheTypedPageClamped) {
    struct Case {
        const char* typed;
        bool taken;
        int32_t page;
    };
    const Case cases[] = {{"3", true, 2},    {" 2\t", true, 1}, {"0", true, 0},
                          {"99", true, 9},   {"-4", true, 0},   {"", false, 5},
                          {"2.5", false, 5}, {"(", false, 5},   {"9999999999", false, 5}};
    for (const Case& c : cases) {
        clsPreviewNavigation nav(10);
        nav.GoTo(5);
        EXPECT_EQ(nav.GoToTyped(c.typed), c.taken) << c.typed;
        EXPECT_EQ(nav.Current(), c.page) << c.typed;
    }
}

TEST(PreviewNavigation, ThePageFieldTakesOnlyDigitsBackspaceAndAFewSigns) {
    for (const char c : {'0', '5', '9', '\b', '!', '"', '#', '$', '%', '&', '\'', '(', '.'})
        EXPECT_TRUE(PageFieldAccepts(c)) << static_cast<int>(c);
    for (const char c : {'a', 'Z', ' ', ')', '-', '+', ',', '/', ':', '\t', '\r'})
        EXPECT_FALSE(PageFieldAccepts(c)) << static_cast<int>(c);
}

TEST(PreviewNavigation, KeysTurnPagesOrScrollWithZoomOn) {
    struct Case {
        int32_t key;
        bool zoom;
        PreviewKeyAction action;
    };
    using A = PreviewKeyAction;
    const Case cases[] = {{33, false, A::PreviousPage}, {34, true, A::NextPage},
                          {38, false, A::PreviousPage}, {40, false, A::NextPage},
                          {38, true, A::ScrollUp},      {40, true, A::ScrollDown},
                          {37, true, A::ScrollLeft},    {39, true, A::ScrollRight},
                          {37, false, A::None},         {13, false, A::None}};
    for (const Case& c : cases)
        EXPECT_EQ(PreviewKeyActionOf(c.key, c.zoom), c.action) << c.key << " " << c.zoom;
}

TEST(PreviewImage, ZoomOffCentresThePageShrunkInProportion) {
    const clsCellRect tall = FitPageImage(800, 1100, 600, 550);
    EXPECT_EQ(tall.bottom - tall.top, 550);
    EXPECT_EQ(tall.right - tall.left, 400);
    EXPECT_EQ(tall.left, 100);
    EXPECT_EQ(tall.top, 0);
    const clsCellRect small = FitPageImage(200, 100, 600, 500);  // never enlarged
    EXPECT_EQ(small.right - small.left, 200);
    EXPECT_EQ(small.left, 200);
    EXPECT_EQ(small.top, 200);
}

TEST(PreviewImage, TheBlockIsStretchedToTheRecordedExtent) {
    clsSheetSizes sizes{{20, 100, 50, 50}, {10, 10, 10, 10, 10}, 1, 1, {}};
    const clsPageBlock block{{1, 2}, {1, 3}};
    StretchBlockToExtent(sizes, block, 20 + 150 + 30, 10 + 30 + 7);
    EXPECT_EQ(sizes.widths[0], 20);  // the fixed column keeps its width
    EXPECT_EQ(sizes.widths[1] + sizes.widths[2], 180);
    EXPECT_GT(sizes.widths[1] - 100, sizes.widths[2] - 50);  // shared by width
    EXPECT_EQ(sizes.widths[3], 50);                          // outside the block
    EXPECT_EQ(sizes.heights[1] + sizes.heights[2] + sizes.heights[3], 37);
    EXPECT_EQ(sizes.heights[4], 10);
    // Narrower, down to nothing but never below it.
    StretchBlockToExtent(sizes, block, 20 + 3, 10);
    EXPECT_EQ(sizes.widths[1] + sizes.widths[2], 3);
    EXPECT_GE(sizes.widths[2], 0);
    EXPECT_EQ(sizes.heights[1] + sizes.heights[2] + sizes.heights[3], 0);
    StretchBlockToExtent(sizes, block, 0, 0);
    EXPECT_EQ(sizes.widths[1] + sizes.widths[2], 0);
}

}  // namespace
