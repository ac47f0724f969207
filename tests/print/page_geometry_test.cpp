#include <gtest/gtest.h>

#include "print/page_geometry.h"

namespace {

TEST(PageMargins, TenMillimetresAt600DpiAre236Pixels) {
    EXPECT_EQ(MillimetresToPixels(10, 600), 236);
    const clsCellRect rect = PageMarginRect({10, 10, 10, 10}, 4960, 7016, 600);
    EXPECT_EQ(rect.left, 236);
    EXPECT_EQ(rect.top, 236);
    EXPECT_EQ(rect.right, 4960 - 236);
    EXPECT_EQ(rect.bottom, 7016 - 236);
}

TEST(PageMargins, ReadsEachFieldAndTakesZeroForABrokenOne) {
    struct Case {
        const char* line;
        datMarginsMm expected;
    };
    const Case cases[] = {
        {"15,15,15,15", {15, 15, 15, 15}},   {" 10 ,\t20, 30 ,40\t", {10, 20, 30, 40}},
        {"10,20", {10, 20, 0, 0}},           {"", {0, 0, 0, 0}},
        {"x,12mm,,7", {0, 0, 0, 7}},         {"-5,5,+5,5", {0, 5, 0, 5}},
        {"99999999999,1,2,3", {0, 1, 2, 3}}, {"1,2,3,4,5", {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        const datMarginsMm got = ParseMarginsMm(c.line);
        EXPECT_EQ(got.left, c.expected.left) << c.line;
        EXPECT_EQ(got.top, c.expected.top) << c.line;
        EXPECT_EQ(got.right, c.expected.right) << c.line;
        EXPECT_EQ(got.bottom, c.expected.bottom) << c.line;
    }
}

TEST(PageMargins, MarginsWiderThanThePageLeaveAnEmptyAreaNotANegativeOne) {
    const clsCellRect rect = PageMarginRect({300, 300, 300, 300}, 4960, 7016, 600);
    EXPECT_EQ(rect.right, rect.left);
    EXPECT_EQ(rect.bottom, rect.top);
    EXPECT_LE(rect.left, 4960);
    EXPECT_LE(rect.top, 7016);
    const clsCellRect frame = PageFrameGeometry(rect, 50).content;
    EXPECT_GE(frame.bottom, frame.top);
}

TEST(PageFrame, AFiftyPixelFontGivesBarsAt56To62AndCellsFrom86) {
    const clsCellRect margins{100, 200, 4000, 6000};
    const clsPageFrame frame = PageFrameGeometry(margins, 50);
    EXPECT_EQ(frame.c, 6);
    EXPECT_EQ(frame.headerTop, 200);
    EXPECT_EQ(frame.headerBar.left, 100);
    EXPECT_EQ(frame.headerBar.right, 4000);
    EXPECT_EQ(frame.headerBar.top, 200 + 56);
    EXPECT_EQ(frame.headerBar.bottom, 200 + 62);
    EXPECT_EQ(frame.content.top, 200 + 86);
    EXPECT_EQ(frame.content.bottom, 6000 - 86);
    EXPECT_EQ(frame.content.left, 100);
    EXPECT_EQ(frame.content.right, 4000);
    EXPECT_EQ(frame.footerBar.top, 6000 - 62);
    EXPECT_EQ(frame.footerBar.bottom, 6000 - 56);
    EXPECT_EQ(frame.footerTop, 6000 - 51);
    EXPECT_EQ(frame.RightTextLeft(300), 4000 - 301);
}

TEST(PageFrame, FontHeightsFromPoints) {
    EXPECT_EQ(PrintFontHeight(10, 600), -83);
    EXPECT_EQ(FontPixelHeight(9, 600), 75);
    EXPECT_EQ(PageFrameGeometry({0, 0, 100, 100}, 75).c, 8);
    EXPECT_EQ(PageFrameGeometry({0, 0, 100, 100}, 9).c, 1);
}

}  // namespace
