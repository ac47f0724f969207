// The overlay files are the program's whole user interface: a key the program asks for and does
// not find ends it. These tests read the shipped files as the program does and check that every
// key it names is there with the structure its users rely on.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "named_keys.h"
#include "overlay/gtex.h"
#include "support/fatal_trap.h"
#include "support/test_paths.h"

namespace {

// The lines of a section up to the first line that begins with "#"; a missing key fails the
// test instead of ending the program.
std::vector<std::string> SectionLines(cmcGTex& store, const std::string& key) {
    std::vector<std::string> lines;
    const auto fatal = CatchFatal([&] {
        for (int32_t i = 0;; ++i) {
            std::string line = store.GetLine(key, i);
            if (!line.empty() && line[0] == '#') break;
            lines.push_back(std::move(line));
        }
    });
    EXPECT_FALSE(fatal) << *fatal;
    return lines;
}

// Counts the printf conversions of a format text ("%%" is none).
std::vector<char> Conversions(const std::string& format) {
    std::vector<char> conversions;
    for (size_t at = format.find('%'); at != std::string::npos; at = format.find('%', at + 2)) {
        if (at + 1 < format.size()) conversions.push_back(format[at + 1]);
        if (at + 1 < format.size() && format[at + 1] == '%') conversions.pop_back();
    }
    return conversions;
}

std::string LastLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::string last;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        last = line;
    }
    return last;
}

class MainOverlay : public testing::Test {
protected:
    void SetUp() override { m_store.SetSourceFile(BinPath("KTV818X.OVL").string()); }
    cmcGTex m_store;
};

// Texts, messages and lists the program fetches by name: each needs at least this many lines.
struct KeyRule {
    const char* key;
    size_t lines;
};

constexpr KeyRule kNamedKeys[] = {
    {"GI_Sys_AppTitle", 1},
    {"GI_Sys_AppTitleRev", 1},
    {"GI_Sys_Maker", 1},
    {"GI_App_About_Caption", 1},
    {"GI_App_About_Button", 1},
    {"GI_App_About_Label_Reg", 1},
    {"GI_AppInd_Button_OkCancel", 2},
    {"GI_AppInd_TimerOff", 1},
    {"GI_AppInd_Dsc_SelfIdOff", 1},
    {"GI_Botttom_EditRestrected", 1},
    {"GI_StatusPanel_Maker", 1},
    {"GI_Mess_FileErr_Headline", 1},
    {"GI_Mess_FileErr_FileOpen", 1},
    {"GI_Mess_FileErr_FileAccess", 1},
    {"GI_Mess_FileErr_Model", 1},
    {"GI_Mess_FileErr_Extra", 1},
    {"GI_Mess_FileErr_MapRev", 1},
    {"GI_Mess_FileErr_Format", 1},
    {"GI_Mess_FileErr_Coverage", 1},
    {"GI_Mess_FileErr_Data", 1},
    {"GI_Mess_FileErr_Newer", 1},
    {"GI_Mess_FileErr_Cause", 1},
    {"GI_Mess_FileErr_NotRegular", 1},
    {"GI_Mess_FileErr_TooLarge", 1},
    {"GI_Mess_Confirm_WriteAnother", 1},
    {"GI_Mess_Confirm_WriteFile", 1},
    {"GI_Sys_TreeChangeDelay", 1},
    {"GI_Sys_HtmlHelp_Popup_Width", 1},
    {"GI_Sys_HtmlHelp_Popup_Height", 1},
    {"GI_Sys_Printer_FrameFont", 1},
    {"GI_Sys_Printer_Margins", 1},
    {"GI_Sys_MyHelpFile", 1},
    {"GI_App_InitialFile", 16},
    {"GI_AppInd_Model", 16},
    {"GI_Mess_CloneErr_Head", 21},
    {"GI_Mess_CloneErr_Check", 8},
    {"GI_Mess_CloneErr_Permission", 4},
    {"GI_Mess_CloneErr_PortCause", 5},
    {"GI_Mess_CloneErr_PartlyWritten", 2},
    {"GI_Sys_HtmlHelp_Error", 2},
    {"GI_Sys_HtmlHelp_Caption", 1},
    {"GI_Sys_HtmlHelp_Buttons", 4},
    {"GI_Sys_HtmlHelp_Search", 2},
    {"GI_Sys_HtmlHelp_NotFound", 2},
    {"GI_Sys_Printer_PrintingDialog", 3},
    {"GI_AppInd_Opt_ComSel_Buttons", 2},
    {"GI_AppInd_Opt_ComSel_Caption", 1},
    {"GI_AppInd_Opt_ComSel_Notice", 1},
    {"GI_AppInd_Opt_ComSel_OutofRange", 1},
    {"GI_AppInd_Opt_ComSel_SizeOfButtons", 1},
    {"GI_Sys_Dialog_FOpen", 2},
    {"GI_AppMess_ChangeModel", 1},
    {"GI_Mess_Maker_Caution", 1},
    {"GI_Mess_ModelError", 1},
    {"GI_Mess_DataError", 1},
    {"GI_Mess_Confirm_CloneWrite", 1},
    {"GI_Mess_Confirm_CancelWrite", 1},
    {"GI_Mess_Backup_WriteFailed", 3},
    {"GI_Mess_Backup_ReadFailed", 3},
    {"GI_Mess_Review_Head", 1},
    {"GI_Mess_Review_None", 1},
    {"GI_Mess_Review_Cell", 1},
    {"GI_Mess_Review_Byte", 1},
    {"GI_Mess_Review_OtherModel", 1},
    {"GI_Mess_Review_OtherRadio", 1},
    {"GI_Mess_Review_Confirm", 1},
    {"GI_Mess_Verify_Succeeded", 1},
    {"GI_Mess_Verify_Differs", 1},
    {"GI_Mess_Verify_Cell", 1},
    {"GI_Mess_Verify_Byte", 1},
    {"GI_Mess_Verify_NoAnswer", 2},
    {"GI_Mess_CloneWrite_Succeeded", 1},
    {"GI_Clone_ProgressCaption", 1},
    {"GI_AppMess_Conv_Clear", 1},
    {"GI_AppMess_Conv_Delete", 1},
    {"GI_AppMess_Conv_Overflow", 1},
    {"GI_AppMess_Conv_Overwrite", 1},
    {"GI_AppMess_S_Clear", 1},
    {"GI_AppMess_S_Copy", 1},
    {"GI_AppMess_S_Delete", 1},
    {"GI_AppMess_S_Insert", 1},
    {"GI_AppMess_S_Paste", 1},
    {"GI_Form_Main_BasicCell", 1},
    {"CellModel_BasicDialog", 1},
    {"GI_WarningCheckList", 1},
    {"GI_CellWidthRegList", 1},
    {"GI_AppInd_chSheet_Usable_Title", 1},
    {"GI_AppInd_chSheet_Usable_Font", 1},
};

TEST_F(MainOverlay, EveryNamedKeyHasItsLines) {
    for (const KeyRule& rule : kNamedKeys) {
        const std::vector<std::string> lines = SectionLines(m_store, rule.key);
        EXPECT_GE(lines.size(), rule.lines) << rule.key;
        if (!lines.empty()) {
            EXPECT_FALSE(lines[0].empty()) << rule.key;
        }
    }
}

TEST_F(MainOverlay, EveryNamedFrameAndSheetHasItsSections) {
    for (const char* key : kMenuKeys) {
        EXPECT_EQ(SectionLines(m_store, std::string(key) + "_BasicCell").size(), 1u) << key;
        EXPECT_FALSE(SectionLines(m_store, std::string(key) + "_Body").empty()) << key;
    }
    const auto checkSheet = [this](const std::string& key) {
        EXPECT_EQ(SectionLines(m_store, key + "_Style").size(), 1u) << key;
        EXPECT_EQ(SectionLines(m_store, key + "_BasicCell").size(), 1u) << key;
        EXPECT_FALSE(SectionLines(m_store, key + "_Cells").empty()) << key;
    };
    for (const char* key : kSheetKeys)
        checkSheet(key);
    for (const char* key : kChoiceListKeys)
        checkSheet(key);
}

// The program passes these texts to printf-style formatting: a wrong conversion would print
// garbage or crash.
TEST_F(MainOverlay, FormatTextsTakeTheirArguments) {
    EXPECT_EQ(Conversions(m_store.GetLine("GI_Mess_CloneErr_Head", 2)), std::vector<char>{'d'});
    EXPECT_EQ(Conversions(m_store.GetLine("GI_Mess_Confirm_WriteFile", 0)), std::vector<char>{'s'});
    EXPECT_EQ(Conversions(m_store.GetLine("GI_Sys_HtmlHelp_Error", 0)), std::vector<char>{'s'});
    EXPECT_EQ(Conversions(m_store.GetLine("GI_Sys_HtmlHelp_NotFound", 1)), std::vector<char>{'s'});
    for (int32_t line = 0; line < 21; ++line) {
        if (line == 2) continue;
        EXPECT_TRUE(Conversions(m_store.GetLine("GI_Mess_CloneErr_Head", line)).empty()) << line;
    }
}

// The review and verify lines are filled in by name, like the permission hint below.
TEST_F(MainOverlay, ReviewAndVerifyLinesNameWhatTheyShow) {
    struct Line {
        const char* key;
        std::vector<const char*> placeholders;
    };
    const Line lines[] = {
        {"GI_Mess_Review_Cell", {"{cell}", "{held}", "{wrote}"}},
        {"GI_Mess_Review_Byte", {"{address}", "{held}", "{wrote}"}},
        {"GI_Mess_Review_OtherModel", {"{radio}", "{document}"}},
        {"GI_Mess_Review_OtherRadio", {"{radio}", "{document}"}},
        {"GI_Mess_Verify_Cell", {"{cell}", "{wrote}", "{held}"}},
        {"GI_Mess_Verify_Byte", {"{address}", "{wrote}", "{held}"}},
    };
    for (const Line& line : lines) {
        const std::string text = m_store.GetLine(line.key, 0);
        for (const char* placeholder : line.placeholders)
            EXPECT_NE(text.find(placeholder), std::string::npos) << line.key << " " << placeholder;
    }
}

// The permission hint is filled in by name; a placeholder spelt wrong would reach the user as is.
TEST_F(MainOverlay, PermissionHintNamesUserGroupAndDevice) {
    const std::string text = GetMultiLineText(m_store, "GI_Mess_CloneErr_Permission");
    for (const char* placeholder : {"{user}", "{group}", "{device}"})
        EXPECT_NE(text.find(placeholder), std::string::npos) << placeholder;
    EXPECT_TRUE(Conversions(text).empty());
}

TEST_F(MainOverlay, NumbersAreNumbers) {
    for (const char* key : {"GI_Sys_TreeChangeDelay", "GI_Sys_HtmlHelp_Popup_Width",
                            "GI_Sys_HtmlHelp_Popup_Height", "GI_Sys_Printer_FrameFont"}) {
        const std::string text = m_store.GetFirstLine(key);
        char* end = nullptr;
        EXPECT_GT(std::strtol(text.c_str(), &end, 10), 0) << key;
        EXPECT_EQ(*end, '\0') << key;
    }
    const std::string margins = m_store.GetFirstLine("GI_Sys_Printer_Margins");
    const char* at = margins.c_str();
    for (int field = 0; field < 4; ++field) {
        char* end = nullptr;
        EXPECT_GE(std::strtol(at, &end, 10), 0);
        EXPECT_NE(end, at) << "margin field " << field;
        at = *end == ',' ? end + 1 : end;
    }
    EXPECT_EQ(*at, '\0');
}

TEST(OverlayFiles, BothEndWithTheEndSection) {
    EXPECT_EQ(LastLine(BinPath("KTV818X.OVL").string()), "#End_Of_Ovl");
    EXPECT_EQ(LastLine(BinPath("KTV818XH.OVL").string()), "#End_Of_Ovl");
}

}  // namespace
