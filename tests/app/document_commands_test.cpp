// The document commands of the main controller: New, Open, Save and Save As, the question about
// unsaved changes and the file error messages, over the real overlay and initial files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/fake_frame.h"
#include "app/image_identity.h"
#include "app/radio_controller.h"
#include "model/address_range.h"
#include "model/cell_request.h"
#include "model/clone_file.h"
#include "overlay/cell_obj.h"
#include "platform/string_format.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"

namespace {

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class DocumentCommandsTest : public testing::Test {
protected:
    DocumentCommandsTest() { Main().Setup(&m_frame, {"ktv818x"}); }

    indMain& Main() { return m_rig.Main(); }
    ScriptedHost& Host() { return m_rig.host; }

    // A clone file of the template of modelType with change applied to its image.
    std::string WriteCloneFile(const std::string& name, int32_t modelType,
                               const std::function<void(cmcEeprom&)>& change = nullptr) {
        cmcEeprom image;
        image.Assign(Main().TemplateImage());
        image.SetByte(kModelTypeAddress, static_cast<uint8_t>(modelType));
        if (change) change(image);
        cmcClnFile file;
        file.SetImage(image);
        file.SetModelCode(kModelCode);
        file.SetSubCode(kSubCode);
        file.SetMapRevision(kMapRevision);
        const std::string path = (m_rig.documents / name).string();
        EXPECT_EQ(file.Save(path, kCloneFileRanges), CloneFileResult::kOk);
        return path;
    }

    void Edit() {
        cmcEeprom& image = Main().WorkingImage();
        image.SetByte(0x1000, static_cast<uint8_t>(image.GetByte(0x1000) ^ 0xFF));
    }

    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    ControllerRig m_rig{m_serial, m_scheduler, m_scheduler};
    FakeFrame m_frame;
};

TEST_F(DocumentCommandsTest, NewWithChangesAsksAndNoDiscardsThem) {
    const std::string path = WriteCloneFile("boat.icf", 0);
    ASSERT_TRUE(Main().OpenPath(path));
    Edit();
    Host().answers = {cmcMessageAnswer::No};
    EXPECT_TRUE(Main().NewDocument());
    ASSERT_EQ(Host().messages.size(), 1u);
    EXPECT_EQ(Host().messages[0].text,
              StringPrintf(m_rig.Line("GI_Mess_Confirm_WriteFile").c_str(), "boat.icf"));
    EXPECT_EQ(Host().messages[0].buttons, cmcMessageButtons::YesNoCancel);
    EXPECT_EQ(Host().messages[0].caption, m_rig.Line("GI_Sys_AppTitle"));
    EXPECT_FALSE(Main().WorkingImage().Differs(Main().TemplateImage()));
    EXPECT_FALSE(Main().IsModified());
    EXPECT_TRUE(Main().IsUntitled());
    EXPECT_EQ(m_frame.caption.rfind("Untitled - ", 0), 0u) << m_frame.caption;
}

TEST_F(DocumentCommandsTest, CancelAndAFailedSaveKeepTheDocument) {
    Edit();
    // Cancel at the question, then Yes with the save dialog cancelled: both answer Cancel.
    Host().answers = {cmcMessageAnswer::Cancel, cmcMessageAnswer::Yes};
    EXPECT_FALSE(Main().NewDocument());
    EXPECT_FALSE(Main().NewDocument());
    EXPECT_EQ(Host().saveDialogs.size(), 1u);
    EXPECT_TRUE(Main().IsModified());
    EXPECT_TRUE(Main().WorkingImage().Differs(Main().TemplateImage()));
}

TEST_F(DocumentCommandsTest, ReopeningTheOpenFileOffersToSaveElsewhere) {
    const std::string path = WriteCloneFile("boat.icf", 0);
    ASSERT_TRUE(Main().OpenPath(path));
    Edit();
    const std::string before = FileText(path);
    Host().answers = {cmcMessageAnswer::Yes};
    Host().savePaths = {(m_rig.documents / "copy.icf").string()};
    // Letter case does not make it another file where the file system ignores it.
    EXPECT_TRUE(Main().OpenPath(path));
    ASSERT_EQ(Host().messages.size(), 1u);
    EXPECT_EQ(Host().messages[0].text, m_rig.Line("GI_Mess_Confirm_WriteAnother"));
    ASSERT_EQ(Host().saveDialogs.size(), 1u);
    EXPECT_EQ(Host().saveDialogs[0].proposedName, "boat.icf");
    EXPECT_EQ(Host().saveDialogs[0].defaultExtension, m_rig.Line("GI_Sys_Dialog_FOpen", 0));
    EXPECT_EQ(FileText(path), before);  // the open file was not overwritten
    EXPECT_TRUE(std::filesystem::exists(m_rig.documents / "copy.icf"));
    EXPECT_EQ(Main().GetDocumentPath(), path);
}

TEST_F(DocumentCommandsTest, AFileOfAnotherLayoutIsRefusedAndChangesNothing) {
    const std::string good = WriteCloneFile("good.icf", 0);
    ASSERT_TRUE(Main().OpenPath(good));
    cmcEeprom before;
    before.Assign(Main().WorkingImage());
    struct Case {
        const char* name;
        std::function<void(cmcEeprom&)> change;
    };
    const Case cases[] = {
        {"layout.icf", [](cmcEeprom& image) { image.SetByte(kLayoutAddress, 3); }},
        // A model type without a template is not an image of this program either.
        {"type16.icf", [](cmcEeprom& image) { image.SetByte(kModelTypeAddress, 16); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host().messages.clear();
        const std::string path = WriteCloneFile(c.name, 5, c.change);
        EXPECT_FALSE(Main().OpenPath(path));
        ASSERT_EQ(Host().messages.size(), 1u);
        EXPECT_EQ(Host().messages[0].text, m_rig.Line("GI_Mess_FileErr_Headline") + "\n\n" +
                                               m_rig.Line("GI_Mess_FileErr_Data"));
        EXPECT_EQ(Host().messages[0].icon, cmcMessageIcon::Warning);
        EXPECT_FALSE(Main().WorkingImage().Differs(before));
        EXPECT_EQ(Main().GetDocumentPath(), good);
        EXPECT_EQ(Main().ModelType(), 0);
        EXPECT_FALSE(Host().busyCursor);
        EXPECT_EQ(Main().LastFileError(), CloneFileResult::kData);
    }
    // A later open that succeeds leaves no stale error behind for callers that read it.
    ASSERT_TRUE(Main().OpenPath(good));
    EXPECT_EQ(Main().LastFileError(), CloneFileResult::kOk);
}

TEST_F(DocumentCommandsTest, OpeningFollowsTheFilesModelType) {
    const std::string path = WriteCloneFile("type9.icf", 9);
    ASSERT_TRUE(Main().OpenPath(path));
    EXPECT_EQ(Main().ModelType(), 9);
    EXPECT_EQ(Main().TemplateImage().GetByte(kModelTypeAddress), 9);
    EXPECT_EQ(m_frame.tree->firstNodeText, "KT-V818X" + m_rig.Line("GI_AppInd_Model", 9));
    EXPECT_FALSE(Main().IsModified());
    EXPECT_EQ(m_rig.Environ().Recent().Path(0), path);
    EXPECT_EQ(m_rig.Environ().Settings().currentDirectory, m_rig.documents.path().string());
    EXPECT_TRUE(Host().messages.empty());
}

TEST_F(DocumentCommandsTest, ConvertModeTurnsClassBFilesIntoTheTargetType) {
    Main().EnterConvertMode();
    ASSERT_TRUE(Main().OpenPath(WriteCloneFile("type3.icf", 3)));
    EXPECT_EQ(Main().ModelType(), kConvertTargetModelType);
    EXPECT_EQ(Main().WorkingImage().GetByte(kModelTypeAddress), kConvertTargetModelType);
    // Model type 9 is outside class B: the normal case.
    ASSERT_TRUE(Main().OpenPath(WriteCloneFile("type9.icf", 9)));
    EXPECT_EQ(Main().ModelType(), 9);
    EXPECT_EQ(Main().WorkingImage().GetByte(kModelTypeAddress), 9);
}

TEST_F(DocumentCommandsTest, SavingWritesTheCommentAndAdoptsThePath) {
    struct Case {
        const char* comment;  // 16 bytes at the comment address
        const char* written;
    };
    const Case cases[] = {
        {"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", ""},
        {"MY BOAT\x01\x7F      \0\0", "MY BOAT"},
        {"A\tB  C\xE9           ", "A B  C"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n);
        Main().WorkingImage().WriteBlock(
            kCommentAddress, reinterpret_cast<const uint8_t*>(c.comment), kCommentLength);
        const std::filesystem::path path =
            m_rig.documents / ("saved" + std::to_string(n++) + ".icf");
        ASSERT_TRUE(Main().SavePath(path.string()));
        EXPECT_NE(FileText(path).find(std::string("\r\n#Comment=") + c.written + "\r\n"),
                  std::string::npos)
            << FileText(path);
        EXPECT_EQ(Main().GetDocumentPath(), path.string());
        EXPECT_FALSE(Main().IsModified());
    }
    EXPECT_TRUE(Host().messages.empty());
}

TEST_F(DocumentCommandsTest, RecentEntriesShowTheirNameOnceEachAmpersand) {
    cmcCellObj first;
    cmcCellObj second;
    clsSheetVariables variables{};
    first.ParseCell("{(%CT_Null.CL_Menu_File_Recent[0])}Recent", &variables, nullptr);
    second.ParseCell("{(%CT_Null.CL_Menu_File_Recent[1])}Recent", &variables, nullptr);
    EXPECT_EQ(GetCellText(first, 0), "Recent");

    const std::string path = WriteCloneFile("Tom & Jerry.icf", 0);
    ASSERT_TRUE(Main().OpenPath(path));
    EXPECT_EQ(GetCellText(first, 0), "&1 Tom && Jerry.icf");
    // Activating the entry opens the file again.
    Edit();
    Host().answers = {cmcMessageAnswer::No};
    RunCellRequest(first, 13);
    EXPECT_EQ(Host().messages.size(), 1u);
    EXPECT_FALSE(Main().IsModified());
}

}  // namespace
