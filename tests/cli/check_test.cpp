// check: every file error code the Open command reports, each from a sound file spoilt in one way.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_process.h"
#include "support/test_paths.h"

namespace {

std::string SoundFile() {
    return ReadFile(BinPath("initial/model_00.icf"));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The record of 0x0EE0 with the layout byte (0x0EEA) changed to 3.
std::string WithLayoutByte3(const std::string& text) {
    const size_t at = text.find("\n0EE010");
    EXPECT_NE(at, std::string::npos);
    std::string changed = text;
    const size_t digit = at + 1 + 6 + 2 * 0x0A;
    changed.replace(digit, 2, "03");
    return changed;
}

std::string WithoutLastRecord(const std::string& text) {
    const size_t end = text.rfind('\n', text.size() - 2);
    return text.substr(0, end + 1);
}

TEST(CliCheck, PrintsOkOrTheErrorTextAndExitsWithTheFirstFailingCode) {
    TempFolder folder;
    const std::string sound = SoundFile();
    struct Case {
        const char* name;
        std::string contents;
        int code;
    };
    const std::vector<Case> cases = {
        {"model.icf", Replace(sound, "33380001", "33390001"), 3},
        {"extra.icf", Replace(sound, "33380001", "33380002"), 4},
        {"maprev.icf", Replace(sound, "#MapRev=2", "#MapRev=3"), 5},
        {"format.icf", Replace(sound, "33380001", "3338000A"), 6},
        {"coverage.icf", WithoutLastRecord(sound), 7},
        {"layout.icf", WithLayoutByte3(sound), 8},
    };
    std::ofstream(folder / "sound.icf", std::ios::binary) << sound;
    std::vector<std::string> arguments{"check", "sound.icf", "missing.icf"};
    for (const Case& c : cases) {
        std::ofstream(folder / c.name, std::ios::binary) << c.contents;
        const datCliRun one = RunCli({"check", c.name}, folder.path());
        EXPECT_EQ(one.status, c.code) << c.name << "\n" << one.err;
        EXPECT_EQ(one.out.rfind(std::string(c.name) + ": ", 0), 0u) << one.out;
        EXPECT_EQ(one.out.find(": ok"), std::string::npos) << one.out;
        EXPECT_EQ(one.out.find('\n'), one.out.size() - 1) << "one line: " << one.out;
        arguments.push_back(c.name);
    }
    const datCliRun all = RunCli(arguments, folder.path());
    EXPECT_EQ(all.status, 1) << "the first failing file is the missing one";
    EXPECT_EQ(all.out.rfind("sound.icf: ok\nmissing.icf: ", 0), 0u) << all.out;
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'),
              2 + static_cast<long>(cases.size()));
}

TEST(CliCheck, ErrorTextsAreTheOverlaysAndDiffer) {
    TempFolder folder;
    const std::string sound = SoundFile();
    std::ofstream(folder / "model.icf", std::ios::binary) << Replace(sound, "33380001", "33390001");
    std::ofstream(folder / "format.icf", std::ios::binary)
        << Replace(sound, "33380001", "3338000A");
    const datCliRun model = RunCli({"check", "model.icf"}, folder.path());
    const datCliRun format = RunCli({"check", "format.icf"}, folder.path());
    const std::string modelText = model.out.substr(model.out.find(": ") + 2);
    const std::string formatText = format.out.substr(format.out.find(": ") + 2);
    EXPECT_NE(modelText, formatText);
    EXPECT_FALSE(modelText.empty());
    EXPECT_EQ(model.err, "") << "check reports on standard output only";
}

}  // namespace
