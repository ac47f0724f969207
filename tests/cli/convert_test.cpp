// export, import and diff: the pages as texts, back into a file, and two files compared.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_process.h"
#include "support/test_paths.h"

namespace {

constexpr int kNotAppliedStatus = 22;

class CliConvert : public testing::Test {
protected:
    CliConvert() {
        std::filesystem::copy_file(BinPath("initial/model_00.icf"), m_folder / "radio.icf");
    }
    datCliRun Run(const std::vector<std::string>& arguments) {
        return RunCli(arguments, m_folder.path());
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(m_folder / name, std::ios::binary) << text;
    }
    TempFolder m_folder;
};

TEST_F(CliConvert, ExportWritesEveryPageWithItsCaptionsFirst) {
    const datCliRun all = Run({"export", "radio.icf"});
    ASSERT_EQ(all.status, 0) << all.err;
    const std::string sheets = Run({"sheets"}).out;
    // Every page of the tree, in its order, each opening with its key.
    size_t at = 0;
    for (size_t line = 0; line < sheets.size(); line = sheets.find('\n', line) + 1) {
        const std::string key = sheets.substr(line, sheets.find(' ', line) - line);
        const size_t found = all.out.find("#" + key + "\n", at);
        EXPECT_NE(found, std::string::npos) << key;
        at = found;
    }
    const datCliRun one = Run({"export", "radio.icf", "--sheet", "IntCh"});
    EXPECT_EQ(one.out.rfind("#GI_Sheet_IntCh\nChannel,", 0), 0u) << one.out.substr(0, 80);
    EXPECT_NE(one.out.find("\n16,PC,Simplex,Allowed,Normal,OFF,DISTRESS\n"), std::string::npos);
    EXPECT_NE(all.out.find(one.out), std::string::npos);

    const datCliRun json = Run({"export", "radio.icf", "-s", "GI_Sheet_DscAlarm", "-f", "json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"sheet\": \"GI_Sheet_DscAlarm\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"header\": [\n      [\"Event\", "), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"Volume (%)\""), std::string::npos);
}

TEST_F(CliConvert, ExportRefusesUnknownPagesAndFormats) {
    EXPECT_EQ(Run({"export", "radio.icf", "--sheet", "Nowhere"}).status, 64);
    EXPECT_EQ(Run({"export", "radio.icf", "--format", "xml"}).status, 64);
    EXPECT_EQ(Run({"export", "missing.icf"}).status, 1);
}

TEST_F(CliConvert, ImportOfAnExportChangesNothingAndAnEditedOneWhatWasEdited) {
    Write("all.csv", Run({"export", "radio.icf"}).out);
    ASSERT_EQ(Run({"import", "radio.icf", "all.csv", "-o", "same.icf"}).status, 0);
    EXPECT_EQ(Run({"diff", "radio.icf", "same.icf"}).status, 0);

    std::string page = Run({"export", "radio.icf", "--sheet", "IntCh"}).out;
    const std::string from = "\n16,PC,Simplex,Allowed,Normal,OFF,DISTRESS\n";
    page.replace(page.find(from), from.size(),
                 "\n16,PC,Simplex,Allowed,Low (1 W),ON,\"HARBOUR, N\"\n");
    Write("page.csv", page + "#DscAlarm\nEvent,Alarm tone,Volume (%)\nX,Count + TX,150\n");
    const datCliRun run = Run({"import", "radio.icf", "page.csv", "-o", "new.icf"});
    EXPECT_EQ(run.status, kNotAppliedStatus);
    // The row caption cannot be changed; the volume is clamped. Both are reported, no more.
    EXPECT_NE(run.err.find("DscAlarm row 2 column 1 cannot be changed"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("was given '150' and shows '100'"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    EXPECT_EQ(Run({"get", "new.icf", "CT_IntCh.CL_ChList_Poc[48]", "CT_IntCh.CL_ChList_Tag[48]",
                   "CT_IntCh.CL_ChList_Comment[48]"})
                  .out,
              "Low (1 W)\nON\nHARBOUR, N\n");
}

TEST_F(CliConvert, ImportRefusesACsvItCannotPlace) {
    const std::string original = ReadFile(m_folder / "radio.icf");
    Write("nosheet.csv", "a,b\n");
    Write("unknown.csv", "#GI_Sheet_Nowhere\na,b\n");
    Write("open.csv", "#GI_Sheet_IntCh\n\"a,b\n");
    for (const char* csv : {"nosheet.csv", "unknown.csv", "open.csv", "missing.csv"}) {
        EXPECT_EQ(Run({"import", "radio.icf", csv}).status, 64) << csv;
        EXPECT_EQ(ReadFile(m_folder / "radio.icf"), original);
    }
}

TEST_F(CliConvert, DiffNamesEachChangedCellThenTheBytesNoPageShows) {
    const datCliRun same = Run({"diff", "radio.icf", "radio.icf"});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");

    ASSERT_EQ(
        Run({"set", "radio.icf", "CT_IntCh.CL_ChList_Comment[48]=CALLING", "-o", "b.icf"}).status,
        0);
    const datCliRun run = Run({"diff", "radio.icf", "b.icf"});
    EXPECT_EQ(run.status, 1);
    // The comment is shared by the banks, so every page with channel 16 shows the change.
    EXPECT_NE(run.out.find("International channels, 16, Comment: DISTRESS \u2192 CALLING\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Canada channels, 16, Comment: DISTRESS \u2192 CALLING\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("Bytes that no page shows"), std::string::npos) << run.out;

    // A byte outside every page: one of the unused bytes after the waypoints.
    std::string text = ReadFile(m_folder / "radio.icf");
    const size_t line = text.find("\n4560");
    ASSERT_NE(line, std::string::npos);
    text[line + 7 + 2 * 0x0F] = text[line + 7 + 2 * 0x0F] == '0' ? '1' : '0';
    Write("c.icf", text);
    const datCliRun bytes = Run({"diff", "radio.icf", "c.icf"});
    EXPECT_EQ(bytes.status, 1);
    EXPECT_NE(bytes.out.find("Bytes that no page shows:\n  456F: "), std::string::npos)
        << bytes.out;
}

}  // namespace
