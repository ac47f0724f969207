#include <gtest/gtest.h>

#include <string>

#include "platform/fatal.h"
#include "platform/string_format.h"
#include "support/fatal_trap.h"

TEST(Fatal, EndsTheProcessWithCode3AfterPresentingTheText) {
    EXPECT_EXIT(FatalError("Out of cmcBuff element !"), testing::ExitedWithCode(kFatalExitCode),
                "Out of cmcBuff element !");
}

TEST(Fatal, PresenterReceivesCaptionAndText) {
    EXPECT_EXIT(
        {
            SetFatalPresenter([](const std::string& caption, const std::string& text) {
                std::fprintf(stderr, "[%s|%s]", caption.c_str(), text.c_str());
            });
            FatalError("Illegal Ch No.");
        },
        testing::ExitedWithCode(kFatalExitCode), "\\[test_platform\\|Illegal Ch No.\\]");
}

TEST(Fatal, TrapObservesTheTextAndRestoresThePreviousHandler) {
    EXPECT_EQ(CatchFatal([] { FatalError("Ch No. Error"); }), "Ch No. Error");
    EXPECT_EQ(CatchFatal([] {}), std::nullopt);
    EXPECT_EXIT(FatalError("x"), testing::ExitedWithCode(kFatalExitCode), "");
}

TEST(StringPrintf, FormatsLikePrintf) {
    EXPECT_EQ(StringPrintf("Cannot open '%s'.", "a b.icf"), "Cannot open 'a b.icf'.");
    EXPECT_EQ(StringPrintf("%04X : %02X -> %02X", 0x45CF, 1, 0xFF), "45CF : 01 -> FF");
    EXPECT_EQ(StringPrintf("%s", ""), "");
}
