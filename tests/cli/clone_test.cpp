// info, read and write against the radio simulator on a pseudo-terminal, as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/cli_process.h"
#include "support/radio_sim_process.h"
#include "support/test_paths.h"

namespace {

constexpr int kPort = 9;
constexpr const char* kPortText = "9";
constexpr const char* kMarkedCell = "CT_IntCh.CL_ChList_Comment[48]";

class CliClone : public testing::Test {
protected:
    CliClone() {
        // The radio holds a new document with one comment changed, so that its image is known.
        const datCliRun set = Run({"set", BinPath("initial/model_00.icf").string(),
                                   std::string(kMarkedCell) + "=RADIO", "-o", "radio.icf"});
        EXPECT_EQ(set.status, 0) << set.err;
    }

    void StartSim(std::vector<std::string> arguments = {}) {
        // Model type 0, as in the radio's image, is a radio of model class B.
        arguments.insert(arguments.end(),
                         {"--flags", "2", "--image", (m_folder / "radio.icf").string(),
                          "--save-written", Written().string()});
        m_sim = std::make_unique<RadioSimProcess>(m_folder.path(), kPort, arguments);
        ASSERT_TRUE(m_sim->IsReady()) << m_sim->Log();
    }

    datCliRun Run(const std::vector<std::string>& arguments, const std::string& input = "") {
        return RunCli(arguments, m_folder.path(), input);
    }
    std::string Get(const std::string& file, const std::string& binding) {
        return Run({"get", file, binding}).out;
    }
    std::filesystem::path Written() const { return m_folder / "written.icf"; }

    TempFolder m_folder;
    std::unique_ptr<RadioSimProcess> m_sim;
};

TEST_F(CliClone, InfoPrintsTheRadiosModelInformation) {
    StartSim({"--revision", "2.01B", "--comment", "DOCK 7"});
    const datCliRun run = Run({"info", "--port", kPortText});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("2.01B\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("DOCK 7"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find('\n'),
              run.out.find(": ") + run.out.substr(run.out.find(": ")).find('\n'))
        << "one line per row";
}

TEST_F(CliClone, ReadSavesTheRadiosImageAtBothSpeeds) {
    for (const bool high : {false, true}) {
        StartSim();
        std::vector<std::string> arguments{"read", "got.icf", "-p", kPortText, "--yes"};
        if (high) arguments.push_back("--high-speed");
        const datCliRun run = Run(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "") << "no progress bar when standard error is no terminal";
        EXPECT_EQ(Run({"check", "got.icf"}).out, "got.icf: ok\n");
        EXPECT_EQ(Get("got.icf", kMarkedCell), "RADIO\n");
        EXPECT_EQ(m_sim->Log().find("line speed 38400") != std::string::npos, high) << m_sim->Log();
        m_sim.reset();
        std::filesystem::remove(m_folder / "got.icf");
    }
}

TEST_F(CliClone, ProgressShowsOnATerminalFromEmptyToFull) {
    StartSim();
    const datCliRun run = RunCliOnTerminal({"read", "got.icf", "-p", kPortText}, m_folder.path());
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string empty = "\r[" + std::string(32, '.') + "]   0%";
    const std::string full = "\r[" + std::string(32, '#') + "] 100%";
    const size_t first = run.err.find(empty);
    EXPECT_NE(first, std::string::npos) << run.err;
    EXPECT_NE(run.err.find(full, first), std::string::npos) << run.err;
}

TEST_F(CliClone, ReadAsksBeforeReplacingAFile) {
    StartSim();
    const std::string kept = "keep me";
    std::ofstream(m_folder / "old.icf") << kept;
    const datCliRun run = Run({"read", "old.icf", "--port", kPortText}, "n\n");
    EXPECT_EQ(run.status, 21);
    EXPECT_EQ(ReadFile(m_folder / "old.icf"), kept);
    EXPECT_EQ(Run({"read", "old.icf", "--port", kPortText}, "y\n").status, 0);
    EXPECT_EQ(Get("old.icf", kMarkedCell), "RADIO\n");
}

TEST_F(CliClone, WriteSendsTheFileAtBothSpeedsAfterTheConfirmation) {
    ASSERT_EQ(
        Run({"set", "radio.icf", std::string(kMarkedCell) + "=MAYDAY", "-o", "new.icf"}).status, 0);
    for (const bool high : {false, true}) {
        StartSim();
        std::vector<std::string> arguments{"write", "new.icf", "--device", m_sim->Device()};
        if (high) arguments.push_back("-H");
        const datCliRun declined = Run(arguments, "no\n");
        EXPECT_EQ(declined.status, 21);
        EXPECT_FALSE(std::filesystem::exists(Written()));
        const datCliRun run = Run(arguments, "yes\n");
        EXPECT_EQ(run.status, 0) << run.err;
        m_sim.reset();
        EXPECT_EQ(Get(Written().string(), kMarkedCell), "MAYDAY\n");
        std::filesystem::remove(Written());
    }
}

TEST_F(CliClone, WriteRefusesADocumentWithErrorsBeforeOpeningThePort) {
    // An individual ID without a name is an error of the DSC ID page.
    ASSERT_EQ(Run({"set", "radio.icf", "CT_DscIndId.CL_DscIndId_Id[0]=366123456", "-o", "bad.icf"})
                  .status,
              0);
    StartSim();
    const datCliRun run = Run({"write", "bad.icf", "-p", kPortText, "-y"});
    EXPECT_EQ(run.status, 20);
    EXPECT_NE(run.err.find("GI_Sheet_DscIndId"), std::string::npos) << run.err;
    m_sim.reset();
    EXPECT_FALSE(std::filesystem::exists(Written()));
}

TEST_F(CliClone, EachCommandReportsAnInjectedFaultByItsCode) {
    struct Case {
        std::vector<std::string> arguments;
        const char* fault;
        int status;
    };
    const std::vector<Case> cases = {
        {{"info", "-p", kPortText}, "no-answer", 5},
        {{"read", "got.icf", "-p", kPortText}, "bad-checksum", 6},
        {{"write", "radio.icf", "-p", kPortText, "-y"}, "reject-write", 10},
    };
    for (const Case& c : cases) {
        StartSim({"--fault", c.fault});
        const datCliRun run = Run(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.fault << "\n" << run.err;
        EXPECT_FALSE(run.err.empty()) << "the clone error message";
        m_sim.reset();
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder / "got.icf"));
    // No radio at all: the port cannot be opened.
    EXPECT_EQ(Run({"info", "-p", kPortText}).status, 2);
}

TEST_F(CliClone, TheLineMustBeNamed) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"info"},
                                                      {"read", "x.icf", "--port", "0"},
                                                      {"write", "radio.icf", "--port", "COM999"},
                                                      // 2^32 + 9 is no way to name port 9
                                                      {"info", "--port", "4294967305"}}) {
        const datCliRun run = Run(arguments);
        EXPECT_EQ(run.status, 64) << run.err;
    }
}

}  // namespace
