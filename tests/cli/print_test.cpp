// print: the printed pages of a clone file as a PDF, without a window.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_process.h"
#include "support/test_paths.h"

namespace {

constexpr int kUsageStatus = 64;

class CliPrint : public testing::Test {
protected:
    CliPrint() {
        std::filesystem::copy_file(BinPath("initial/model_00.icf"), m_folder / "radio.icf");
    }
    datCliRun Run(const std::vector<std::string>& arguments) {
        return RunCli(arguments, m_folder.path());
    }
    TempFolder m_folder;
};

TEST_F(CliPrint, WritesThePagesOfOneSheetIntoAPdf) {
    const datCliRun run = Run({"print", "radio.icf", "--pdf", "channels.pdf", "--sheet", "IntCh"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("channels.pdf: "), std::string::npos);
    EXPECT_EQ(ReadFile(m_folder.path() / "channels.pdf").substr(0, 5), "%PDF-");
}

TEST_F(CliPrint, RefusesAWrongCommandLineAndWritesNothing) {
    struct Case {
        std::vector<std::string> arguments;
        const char* says;
    };
    const Case cases[] = {
        {{"print", "radio.icf"}, "--pdf"},
        {{"print", "radio.icf", "--pdf", "radio.icf"}, "clone file"},
        {{"print", "radio.icf", "--pdf", "out.pdf", "--sheet", "NoSuchPage"}, "NoSuchPage"},
    };
    for (const Case& c : cases) {
        const datCliRun run = Run(c.arguments);
        EXPECT_EQ(run.status, kUsageStatus) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder.path() / "out.pdf"));
    // The clone file named as the output is left as it was.
    EXPECT_EQ(ReadFile(m_folder.path() / "radio.icf"), ReadFile(BinPath("initial/model_00.icf")));
}

TEST_F(CliPrint, AFileThatCannotBeOpenedGivesItsFileErrorAndNoPdf) {
    const datCliRun run = Run({"print", "missing.icf", "--pdf", "out.pdf"});
    EXPECT_GT(run.status, 0);
    EXPECT_LT(run.status, 10);
    EXPECT_FALSE(std::filesystem::exists(m_folder.path() / "out.pdf"));
}

}  // namespace
