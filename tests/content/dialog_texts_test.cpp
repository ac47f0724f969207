#include "dialogs/dialog_texts.h"

#include <gtest/gtest.h>

#include "shipped_overlay.h"

namespace {

TEST(DialogTexts, ComeFromTheShippedOverlay) {
    clsShippedOverlay overlay;
    const clsDialogTexts texts = ReadDialogTexts(overlay.store);
    EXPECT_EQ(texts.caption, overlay.store.GetFirstLine("GI_Sys_AppTitle"));
    EXPECT_EQ(texts.ok, "OK");
    EXPECT_EQ(texts.cancel, "Cancel");
    EXPECT_EQ(texts.buttonSample, "WWWWWWWW");
    EXPECT_EQ(texts.font.size, 9);  // the dialogs' font line sets 9 points
}

}  // namespace
