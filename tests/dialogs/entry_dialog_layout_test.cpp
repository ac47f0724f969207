#include "dialogs/entry_dialog_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryDialogLayout, ButtonsFromTheSampleAndTheEditAsWideAsBoth) {
    const clsEntryDialogLayout layout = LayOutEntryDialog({80, 13}, 21);
    EXPECT_EQ(layout.ok, (clsBox{7, 38, 80, 26}));
    EXPECT_EQ(layout.cancel, (clsBox{92, 38, 80, 26}));  // 5 pixels right of OK
    EXPECT_EQ(layout.edit, (clsBox{7, 7, 165, 21}));     // from OK's left to Cancel's right
    EXPECT_EQ(layout.width, 179);
    EXPECT_EQ(layout.height, 71);
}

TEST(EntryDialogLayout, GrowsWithTheFonts) {
    const clsEntryDialogLayout small = LayOutEntryDialog({80, 13}, 21);
    const clsEntryDialogLayout large = LayOutEntryDialog({120, 20}, 30);
    EXPECT_EQ(large.width - small.width, 2 * 40);
    EXPECT_EQ(large.height - small.height, 9 + 2 * 7);
    EXPECT_EQ(large.cancel.left + large.cancel.width, large.edit.left + large.edit.width);
}

}  // namespace
