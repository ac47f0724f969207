// get and set: display texts of page cells, and edits through the engine as a user makes them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_process.h"
#include "support/test_paths.h"

namespace {

constexpr int kUsageStatus = 64;
constexpr int kNotAppliedStatus = 22;

class CliCells : public testing::Test {
protected:
    CliCells() {
        std::filesystem::copy_file(BinPath("initial/model_00.icf"), m_folder / "radio.icf");
    }
    datCliRun Run(const std::vector<std::string>& arguments) {
        return RunCli(arguments, m_folder.path());
    }
    // The texts get prints for the bindings, one per line.
    std::string Get(const std::string& file, const std::vector<std::string>& bindings) {
        std::vector<std::string> arguments{"get", file};
        arguments.insert(arguments.end(), bindings.begin(), bindings.end());
        const datCliRun run = Run(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
    TempFolder m_folder;
};

TEST_F(CliCells, GetPrintsTheDisplayTextOfEachBinding) {
    // Channel numbers as the engine forms them: the International bank's index 67 is channel 22
    // with its first suffix (byte 0x0B11 is not 1 in a new document), DSC index 84 is channel
    // 60 and 85 its suffixed variant.
    EXPECT_EQ(Get("radio.icf", {"CT_IntCh.CL_ChList_No[67]", "CT_DscCh.CL_DSC_ChNo[84]",
                                "CT_DscCh.CL_DSC_ChNo[85]", "CT_IntCh.CL_ChList_Comment[48]"}),
              "1022\n60\n1060\nDISTRESS\n");
    // Without a category, the first page cell with the label; without an index, index 0.
    EXPECT_EQ(Get("radio.icf", {"CL_ComConf_UtcOffset", "CL_DscCall_Alarm_Min[3]"}), "0:00\n60\n");
}

TEST_F(CliCells, GetRefusesBindingsThatNameNoCell) {
    for (const char* binding :
         {"CL_NoSuchLabel", "CT_Nowhere.CL_ChList_No[1]", "CT_IntCh.CL_ChList_No[421]",
          "CT_IntCh.CL_ChList_No[x]", "CL_INT_ChNo[3]"}) {
        const datCliRun run = Run({"get", "radio.icf", binding});
        EXPECT_EQ(run.status, kUsageStatus) << binding;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(binding), std::string::npos) << run.err;
    }
    EXPECT_EQ(Run({"get", "missing.icf", "CL_ComConf_UtcOffset"}).status, 1);
}

TEST_F(CliCells, SetRoundTripsEveryKindOfCell) {
    struct Case {
        const char* binding;
        const char* text;
        const char* shown;  // what get prints afterwards
    };
    const std::vector<Case> cases = {
        {"CT_IntCh.CL_ChList_Comment[48]", "MAYDAY", "MAYDAY"},            // text
        {"CL_DscCall_Alarm_Min[3]", "30", "30"},                           // number
        {"CT_IntCh.CL_ChList_Tag[48]", "ON", "ON"},                        // choice by text
        {"CT_IntCh.CL_ChList_Poc[51]", "#0", "Normal"},                    // choice by value
        {"CL_ComCom_VolTimer", "0.150", "  0.150"},                        // timer
        {"CL_ComConf_UtcOffset", "+5:30", "+5:30"},                        // UTC offset
        {"CT_FreeCh.CL_Fch_FreqR[0]", "156.05000", "156.05000"},           // frequency
        {"CT_DscIndId.CL_DscIndId_Id[0]", "366123456", "366123456"},       // ID
        {"CT_Waypoint.CL_Waypt_Name[0]", "HOME", "HOME"},                  // text
        {"CT_Waypoint.CL_Waypt_Lat[0]", " 12°34.5678'N", "12°34.5678'N"},  // position
        {"CT_Waypoint.CL_Waypt_Lon[0]", "123°45.6789'w", "123°45.6789'W"},
    };
    std::vector<std::string> arguments{"set", "radio.icf", "-o", "out.icf"};
    std::vector<std::string> bindings;
    for (const Case& c : cases) {
        arguments.push_back(std::string(c.binding) + "=" + c.text);
        bindings.push_back(c.binding);
    }
    const std::string before = Get("radio.icf", bindings);
    const datCliRun run = Run(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string after = Get("out.icf", bindings);
    std::string expected;
    for (const Case& c : cases)
        expected += std::string(c.shown) + "\n";
    EXPECT_EQ(after, expected);
    EXPECT_NE(before, after);
    EXPECT_EQ(Run({"check", "out.icf"}).out, "out.icf: ok\n");
}

TEST_F(CliCells, SetReportsWhatTheEngineClampsOrRefusesAndSavesTheRest) {
    const datCliRun run = Run(
        {"set", "radio.icf", "CL_DscCall_Alarm_Min[3]=999", "CT_Waypoint.CL_Waypt_Name[1]=MARINA",
         "CT_Waypoint.CL_Waypt_Lat[1]= 92°00.0000'N", "CT_IntCh.CL_ChList_Tag[49]=ON"});
    EXPECT_EQ(run.status, kNotAppliedStatus);
    EXPECT_NE(run.err.find("CL_DscCall_Alarm_Min[3] now shows '100'"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("CT_Waypoint.CL_Waypt_Lat[1] refuses"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("CT_IntCh.CL_ChList_Tag[49] cannot be changed; it shows '---'"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Get("radio.icf", {"CL_DscCall_Alarm_Min[3]", "CT_Waypoint.CL_Waypt_Name[1]",
                                "CT_Waypoint.CL_Waypt_Lat[1]"}),
              "100\nMARINA\n00°00.0000'N\n");
}

TEST_F(CliCells, SetSavesNothingWhenABindingOrChoiceIsWrong) {
    const std::string original = ReadFile(m_folder / "radio.icf");
    for (const char* wrong : {"CL_NoSuchLabel=1", "CT_IntCh.CL_ChList_Tag[48]=MAYBE", "novalue"}) {
        const datCliRun run =
            Run({"set", "radio.icf", "CT_IntCh.CL_ChList_Comment[48]=MAYDAY", wrong});
        EXPECT_EQ(run.status, kUsageStatus) << wrong;
        EXPECT_EQ(ReadFile(m_folder / "radio.icf"), original) << wrong;
    }
}

}  // namespace

namespace {

TEST_F(CliCells, MakerPagesChangeOnlyWithTheMakerOption) {
    const datCliRun refused = Run({"set", "radio.icf", "CL_MakerR_AdjMode=ON", "-o", "m.icf"});
    EXPECT_EQ(refused.status, kUsageStatus);
    EXPECT_NE(refused.err.find("--maker"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(m_folder / "m.icf"));
    ASSERT_EQ(Run({"set", "radio.icf", "CL_MakerR_AdjMode=ON", "--maker", "-o", "m.icf"}).status,
              0);
    EXPECT_EQ(Get("m.icf", {"CL_MakerR_AdjMode"}), "ON\n");
}

}  // namespace
