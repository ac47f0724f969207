// What a careful user, a script or an attacker may hand the program: paths that are not regular
// files, output that cannot be written, numbers that are not numbers. Every case ends at once,
// with a message and a failing status, and changes no file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_process.h"
#include "support/test_paths.h"

namespace {

namespace fs = std::filesystem;

class CliHostileInput : public testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(BinPath("initial/model_00.icf"), m_folder / "boat.icf");
        ASSERT_EQ(mkfifo((m_folder / "fifo").c_str(), 0600), 0);
        fs::create_directory(m_folder / "folder");
        std::ofstream(m_folder / "empty.csv");
    }

    TempFolder m_folder;
};

// The commands that read a clone file, with the place of the path in their operands.
std::vector<std::vector<std::string>> FileCommands(const std::string& path) {
    return {
        {"check", path},
        {"export", path},
        {"get", path, "CL_ComConf_UtcOffset"},
        {"set", path, "CL_ComConf_UtcOffset=+1:00", "-o", "out.icf"},
        {"diff", path, "boat.icf"},
        {"write", path, "--port", "9", "--yes"},
    };
}

TEST_F(CliHostileInput, AFileThatIsNotARegularFileIsRefusedAtOnce) {
    const int kCannotOpen = 1;  // the Open command's file error
    for (const char* path : {"fifo", "/dev/zero", "folder"}) {
        for (const std::vector<std::string>& arguments : FileCommands(path)) {
            SCOPED_TRACE(arguments[0] + " " + path);
            const datCliRun run = RunCli(arguments, m_folder.path());
            if (arguments[0] == "diff" || arguments[0] == "write") {
                EXPECT_EQ(run.status, 66);
            } else {
                EXPECT_EQ(run.status, kCannotOpen);
            }
            EXPECT_NE(run.out.find("not an ordinary file") + run.err.find("not an ordinary file"),
                      2 * std::string::npos)
                << run.out << run.err;
            EXPECT_FALSE(fs::exists(m_folder / "out.icf"));
        }
    }
}

TEST_F(CliHostileInput, ImportOfNoPageIsAUsageErrorAndSavesNothing) {
    const auto before = fs::last_write_time(m_folder / "boat.icf");
    for (const char* csv : {"empty.csv", "/dev/null", "/dev/zero", "folder", "fifo", "none.csv"}) {
        SCOPED_TRACE(csv);
        const datCliRun run = RunCli({"import", "boat.icf", csv, "-o", "out.icf"}, m_folder.path());
        EXPECT_EQ(run.status, 64) << run.err;
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(fs::exists(m_folder / "out.icf"));
    }
    EXPECT_EQ(fs::last_write_time(m_folder / "boat.icf"), before);
}

TEST_F(CliHostileInput, OutputThatCannotBeWrittenExitsWith74) {
    const std::vector<std::vector<std::string>> commands = {
        {"export", "boat.icf"},
        {"check", "boat.icf"},
        {"get", "boat.icf", "CL_ComConf_UtcOffset"},
        {"sheets"},
    };
    for (const std::vector<std::string>& arguments : commands) {
        for (const char* output : {"/dev/full", ""}) {
            SCOPED_TRACE(arguments[0] + " into '" + output + "'");
            const datCliRun run = RunCliInto(arguments, m_folder.path(), output);
            EXPECT_EQ(run.status, 74);
            EXPECT_NE(run.err.find("cannot write the standard output"), std::string::npos)
                << run.err;
        }
    }
}

TEST_F(CliHostileInput, ASaveOverSomethingThatIsNotARegularFileIsRefused) {
    fs::create_symlink(m_folder / "gone" / "x.icf", m_folder / "dangling");
    for (const char* out : {"fifo", "folder", "/dev/null", "dangling"}) {
        SCOPED_TRACE(out);
        const auto kind = fs::symlink_status(m_folder / out).type();
        const datCliRun run =
            RunCli({"set", "boat.icf", "CL_ComConf_UtcOffset=+1:00", "-o", out}, m_folder.path());
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(out), std::string::npos) << "the message names the path";
        EXPECT_EQ(fs::symlink_status(m_folder / out).type(), kind);
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(CliHostileInput, ReadChecksItsOutputBeforeOpeningThePort) {
    // No radio and no port 200: a read that opened the port first would end with 2.
    for (const char* out : {"missing/boat.icf", "folder", "fifo"}) {
        SCOPED_TRACE(out);
        const datCliRun run = RunCli({"read", out, "--port", "200", "--yes"}, m_folder.path());
        EXPECT_EQ(run.status, 73) << run.err;
        EXPECT_NE(run.err.find(out), std::string::npos) << run.err;
    }
}

struct NumberCase {
    std::vector<std::string> arguments;
    int status;
};

TEST_F(CliHostileInput, NumbersAreTakenWholeOrRefused) {
    const NumberCase cases[] = {
        {{"info", "--port", "4294967305"}, 64},
        {{"info", "--port", "9abc"}, 64},
        {{"info", "--port", " 9"}, 64},
        {{"info", "--port", "1e3"}, 64},
        {{"info", "--port", "0"}, 64},
        {{"info", "--port", "257"}, 64},
        {{"set", "boat.icf", "CL_ComConf_UtcOffset=#999999999999", "-o", "out.icf"}, 22},
        {{"set", "boat.icf", "CL_ComConf_UtcOffset=#abc", "-o", "out.icf"}, 22},
        {{"set", "boat.icf", "CL_ComConf_UtcOffset=#", "-o", "out.icf"}, 22},
        {{"set", "boat.icf", "CL_ComConf_KeyBeep=#abc", "-o", "out.icf"}, 64},
        {{"set", "boat.icf", "CL_ComConf_KeyBeep=#4294967296", "-o", "out.icf"}, 64},
        {{"set", "boat.icf", "CL_ComConf_KeyBeep=#", "-o", "out.icf"}, 64},
        {{"set", "boat.icf", "CL_ComConf_KeyBeep=#999", "-o", "out.icf"}, 22},
    };
    for (const NumberCase& c : cases) {
        std::string line;
        for (const std::string& argument : c.arguments)
            line += "'" + argument + "' ";
        SCOPED_TRACE(line);
        const datCliRun run = RunCli(c.arguments, m_folder.path());
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_FALSE(run.err.empty());
    }
}

}  // namespace
