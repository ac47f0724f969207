// The command line itself: help, usage errors and the sheet list, run as a user would.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_process.h"
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
        {{"read", "x.icf", "--h"},
         "ktv818x-cli read: ambiguous option '--h' (try 'ktv818x-cli read --help')\n"},
        {{"export", "x.icf", "--sheet"},
         "ktv818x-cli export: option '--sheet' needs a value (try 'ktv818x-cli export --help')\n"},
        {{"export", "x.icf", "-s"},
         "ktv818x-cli export: option '-s' needs a value (try 'ktv818x-cli export --help')\n"},
        {{"check"},
         "ktv818x-cli check: missing operand (FILE...) (try 'ktv818x-cli check --help')\n"},
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

namespace {

TEST(CliArguments, OptionsTakeTheirValuesInEveryGnuForm) {
    TempFolder folder;
    std::filesystem::copy_file(BinPath("initial/model_00.icf"), folder / "radio.icf");
    const std::string expected =
        RunCli({"export", "radio.icf", "--sheet", "WxCh"}, folder.path()).out;
    ASSERT_NE(expected.find("#GI_Sheet_WxCh"), std::string::npos);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"export", "--sheet=WxCh", "radio.icf"},
          {"export", "-sWxCh", "radio.icf"},
          {"export", "-s", "WxCh", "--", "radio.icf"},
          {"export", "--she", "WxCh", "radio.icf", "--format=csv"}}) {
        const datCliRun run = RunCli(arguments, folder.path());
        EXPECT_EQ(run.status, 0) << arguments[1] << run.err;
        EXPECT_EQ(run.out, expected) << arguments[1];
    }
}

}  // namespace
