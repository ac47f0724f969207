#include "dialogs/sheet_dialog_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetDialogLayout, TheWholeSheetInItsPanelAndTheButtonBelowAtTheRight) {
    const clsSheetDialogLayout layout = LayOutSheetDialog(300, 120, {80, 26});
    EXPECT_EQ(layout.sheet, (clsBox{12, 12, 300, 120}));  // bevel, border, bevel
    EXPECT_EQ(layout.panel, (clsBox{0, 0, 324, 144}));
    EXPECT_EQ(layout.width, 324);
    EXPECT_EQ(layout.height, 144 + 26 + 10);
    EXPECT_EQ(layout.button, (clsBox{239, 149, 80, 26}));
    EXPECT_EQ(layout.width - (layout.button.left + layout.button.width), 5);
    EXPECT_EQ(layout.height - (layout.button.top + layout.button.height), 5);
}

TEST(SheetDialogLayout, ASheetNarrowerThanTheButtonWidensTheDialogToTheButton) {
    const clsSheetDialogLayout layout = LayOutSheetDialog(40, 20, {80, 26});
    EXPECT_EQ(layout.width, 90);
    EXPECT_EQ(layout.panel, (clsBox{0, 0, 90, 44}));
    EXPECT_EQ(layout.sheet, (clsBox{12, 12, 40, 20}));
    EXPECT_EQ(layout.button, (clsBox{5, 49, 80, 26}));
}

}  // namespace
