#include <gtest/gtest.h>

#include "print/print_font_size.h"

namespace {

TEST(PrintFontSize, ItemsOneToFiveAreEightToTwelvePoints) {
    struct Case {
        int32_t item;
        int32_t points;
    };
    // The list shows "1" ... "5": item 0 is "1".
    for (const Case c : {Case{0, 8}, Case{1, 9}, Case{4, 12}, Case{-1, 8}, Case{9, 12}})
        EXPECT_EQ(PrintFontSizeOfItem(c.item), c.points) << c.item;
    for (const Case c : {Case{0, 8}, Case{2, 10}, Case{4, 12}, Case{0, 3}, Case{4, 40}})
        EXPECT_EQ(PrintFontSizeItem(c.points), c.item) << c.points;
}

}  // namespace
