// The command line itself: help, usage errors and the sheet list, run as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"
#include "support/test_paths.h"

namespace {

constexpr int kUsageStatus = 64;

class CliFrame : public testing::Test {
protected:
    datCliRun Run(const std::vector<std::string>& arguments) {
        return RunCli(arguments, m_folder.path());
    }
    TempFolder m_folder;
};

TEST_F(CliFrame, ProgramHelpListsEveryCommand) {
    const datCliRun run = Run({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: ktv818x-cli COMMAND"), std::string::npos);
    for (const char* command :
         {"info", "read", "write", "check", "get", "set", "export", "import", "diff", "sheets"}) {
        EXPECT_NE(run.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
        const datCliRun help = Run({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("Usage: ktv818x-cli ") + command, 0), 0u) << help.out;
        EXPECT_EQ(Run({"help", command}).out, help.out);
    }
}

TEST_F(CliFrame, UsageErrorsExit64WithOneLineHint) {
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case cases[] = {
        {{}, "ktv818x-cli: no command given (try 'ktv818x-cli --help')\n"},
        {{"frobnicate"}, "ktv818x-cli: unknown command 'frobnicate' (try 'ktv818x-cli --help')\n"},
        {{"--verbose"}, "ktv818x-cli: unknown option '--verbose' (try 'ktv818x-cli --help')\n"},
        {{"sheets", "--colour"},
         "ktv818x-cli sheets: unknown option '--colour' (try 'ktv818x-cli sheets --help')\n"},
        {{"sheets", "-x"},
         "ktv818x-cli sheets: unknown option '-x' (try 'ktv818x-cli sheets --help')\n"},
        {{"sheets", "--maker=yes"},
         "ktv818x-cli sheets: option '--maker' takes no value (try 'ktv818x-cli sheets --help')\n"},
        {{"sheets", "extra"},
         "ktv818x-cli sheets: extra operand 'extra' (try 'ktv818x-cli sheets --help')\n"},
    };
    for (const Case& c : cases) {
        const datCliRun run = Run(c.arguments);
        EXPECT_EQ(run.status, kUsageStatus) << c.message;
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(CliFrame, SheetsListsThePagesOfTheTree) {
    const datCliRun run = Run({"sheets"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("GI_Sheet_IntCh     International channels\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("GI_Sheet_DscCall"), std::string::npos);
    EXPECT_EQ(run.out.find("GI_Sheet_MakerAdj"), std::string::npos);
    // A long option may be shortened to a prefix that names only it.
    const datCliRun maker = Run({"sheets", "--mak"});
    EXPECT_NE(maker.out.find("GI_Sheet_MakerAdj"), std::string::npos);
    EXPECT_NE(maker.out.find("GI_Sheet_IntCh "), std::string::npos);
}

}  // namespace
