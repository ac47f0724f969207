// The clone commands of the main controller end to end: the real serial backend over a
// pseudo-terminal, against the radio simulator, with a scripted desktop.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/backups.h"
#include "app/environ.h"
#include "app/image_identity.h"
#include "app/radio_controller.h"
#include "model/address_range.h"
#include "model/channel_record.h"
#include "model/clone_file.h"
#include "model/id_codec.h"
#include "overlay/gtex.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/posix_serial.h"
#include "platform/string_format.h"
#include "support/controller_rig.h"
#include "support/radio_sim_process.h"

namespace {

constexpr int kPort = 11;
constexpr uint32_t kCommandLimitMs = 60000;
constexpr int32_t kMarkAddress = 0x1000;     // a byte the radio's image and the program's differ in
constexpr int32_t kFactoryAddress = 0x01A0;  // in the full write list only

class CloneCommandsOverPty : public testing::Test {
protected:
    CloneCommandsOverPty() {
        m_rig.Environ().Settings().comPort = kPort;
        // The plain protocol of a write: the review and verify reads have tests of their own.
        m_rig.Environ().Settings().reviewBeforeWrite = 0;
        m_rig.Environ().Settings().verifyAfterWrite = 0;
        Main().Setup(nullptr, {"ktv818x"});
        m_radioFile = (m_rig.documents / "radio.icf").string();
        m_writtenFile = (m_rig.documents / "written.icf").string();
    }

    indMain& Main() { return m_rig.Main(); }
    ScriptedHost& Host() { return m_rig.host; }

    // The radio holds the template of modelType with a few bytes of its own, in a file whose
    // header carries the radio's model words.
    void StartRadio(int32_t modelType, std::vector<std::string> arguments = {},
                    int32_t modelWord2 = kSubCode) {
        cmcEeprom image;
        image.Assign(Main().TemplateImage());
        image.SetByte(kModelTypeAddress, static_cast<uint8_t>(modelType));
        image.SetByte(kMarkAddress, 'Q');
        image.SetByte(kFactoryAddress, static_cast<uint8_t>(image.GetByte(kFactoryAddress) ^ 0x5A));
        cmcClnFile file;
        file.SetImage(image);
        file.SetModelCode(kModelCode);
        file.SetSubCode(modelWord2);
        file.SetMapRevision(kMapRevision);
        ASSERT_EQ(file.Save(m_radioFile, kCloneFileRanges), CloneFileResult::kOk);
        m_radioImage.Assign(image);
        arguments.insert(arguments.end(),
                         {"--image", m_radioFile, "--save-written", m_writtenFile});
        m_sim.reset();
        m_sim = std::make_unique<RadioSimProcess>(m_rig.documents.path(), kPort, arguments);
        ASSERT_TRUE(m_sim->IsReady()) << m_sim->Log();
    }

    // Runs a command to its end; a hang fails the test instead of holding it.
    CloneResult Run(void (indMain::*command)(indMain::CloneDone)) {
        bool finished = false;
        CloneResult code = CloneResult::kOk;
        (Main().*command)([&](CloneResult result) {
            finished = true;
            code = result;
        });
        EXPECT_TRUE(m_loop.RunUntil([&] { return finished; }, kCommandLimitMs))
            << (m_sim ? m_sim->Log() : "");
        EXPECT_FALSE(Main().CloneMan().IsBusy());
        return code;
    }

    // Runs a command; once cancelAfter bytes have moved in the phase of operation, the user
    // presses Cancel.
    CloneResult RunAndCancel(void (indMain::*command)(indMain::CloneDone), CloneOperation operation,
                             int32_t cancelAfter) {
        bool finished = false;
        bool cancelled = false;
        CloneResult code = CloneResult::kOk;
        (Main().*command)([&](CloneResult result) {
            finished = true;
            code = result;
        });
        EXPECT_TRUE(m_loop.RunUntil(
            [&] {
                indCloneMan& man = Main().CloneMan();
                if (!cancelled && man.IsBusy() && man.Operation() == operation &&
                    man.DataByteCount() >= cancelAfter) {
                    cancelled = Main().CancelClone();
                }
                return finished;
            },
            kCommandLimitMs))
            << m_sim->Log();
        EXPECT_TRUE(cancelled);
        return code;
    }

    std::vector<datBackupEntry> BackupList() { return Main().Backups().List(); }

    void LoadImage(const std::string& path, cmcEeprom& image) {
        image.SetSize(kImageSize);
        cmcClnFile file;
        file.SetImage(image);
        file.SetModelCode(kModelCode);
        file.SetSubCode(kSubCode);
        file.SetMapRevisionCheck([](int32_t revision) { return revision == kMapRevision; });
        ASSERT_EQ(file.Load(path, kCloneFileRanges), CloneFileResult::kOk);
    }

    static bool SameInRange(const cmcEeprom& a, const cmcEeprom& b) {
        for (int32_t address = 0; address <= 0x45CF; ++address)
            if (a.GetByte(address) != b.GetByte(address)) return false;
        return true;
    }

    void ReadWrittenImage(cmcEeprom& image) {
        image.SetSize(kImageSize);
        cmcClnFile file;
        file.SetImage(image);
        file.SetModelCode(kModelCode);
        file.SetSubCode(kSubCode);
        file.SetMapRevisionCheck([](int32_t revision) { return revision == kMapRevision; });
        EXPECT_EQ(file.Load(m_writtenFile, kCloneFileRanges), CloneFileResult::kOk);
    }

    std::string CloneError(int code, const std::vector<int>& hints) {
        std::string text = m_rig.Line("GI_Mess_CloneErr_Head", code);
        for (size_t i = 0; i < hints.size(); ++i) {
            text += (i == 0 ? "\n\n" : "\n") + m_rig.Line("GI_Mess_CloneErr_Check", hints[i]);
        }
        return text;
    }

    cmcSteadyClock m_clock;
    cmcEventLoop m_loop{m_clock};
    cmcPosixSerialBackend m_serial;
    ControllerRig m_rig{m_serial, m_loop, m_clock};
    std::string m_radioFile;
    std::string m_writtenFile;
    cmcEeprom m_radioImage;
    std::unique_ptr<RadioSimProcess> m_sim;
};

TEST_F(CloneCommandsOverPty, AReadMakesTheRadiosImageANewDocument) {
    m_rig.Environ().Settings().comSpeedHigh = 1;
    StartRadio(3, {"--model-type", "3", "--flags", "2"});
    ASSERT_EQ(Run(&indMain::CloneRead), CloneResult::kOk);
    EXPECT_TRUE(Host().messages.empty());
    EXPECT_EQ(Main().ModelType(), 3);
    EXPECT_EQ(Main().WorkingImage().GetByte(kModelTypeAddress), 3);
    EXPECT_EQ(Main().WorkingImage().GetByte(kMarkAddress), 'Q');
    EXPECT_TRUE(Main().IsModified());
    EXPECT_TRUE(Main().IsUntitled());
    // The information ran at 9600 baud, the read after the speed change.
    EXPECT_NE(m_sim->Log().find("line speed 38400"), std::string::npos) << m_sim->Log();
    EXPECT_EQ(Host().progressShown, 1);
    EXPECT_FALSE(Host().progressOpen);
    EXPECT_TRUE(Host().mainWindowEnabled);
    EXPECT_EQ(Main().CloneMan().ExpectedByteCount(), 0x45D0);
}

TEST_F(CloneCommandsOverPty, WritesSendTheNormalOrTheFullList) {
    struct Case {
        const char* name;
        const char* imageRevision;
        const char* radioRevision;
        bool full;
        bool maker = false;
    };
    const Case cases[] = {
        {"equal revisions", "1005", "1005", false},
        {"newer image", "1010", "1005", true},
        // Maker mode (the last case: it stays on) always sends the full list, after its caution.
        {"maker mode", "1005", "1005", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.maker) {
            Host().answers = {cmcMessageAnswer::Ok};
            Main().EnterMakerMode();
        }
        Host().messages.clear();
        StartRadio(0, {"--model-type", "0", "--flags", "2", "--memory-revision", c.radioRevision});
        cmcEeprom& image = Main().WorkingImage();
        for (int i = 0; i < 4; ++i)
            image.SetByte(kRevisionDigitAddresses[i], c.imageRevision[i]);
        image.SetByte(kMarkAddress, 0x3C);
        Host().answers = {cmcMessageAnswer::Ok, cmcMessageAnswer::Ok};
        if (!c.maker) Host().answers.pop_back();
        ASSERT_EQ(Run(&indMain::CloneWrite), CloneResult::kOk);
        ASSERT_EQ(Host().messages.size(), c.maker ? 3u : 2u);
        if (c.maker) {
            EXPECT_EQ(Host().messages[0].text, m_rig.MultiLine("GI_Mess_Maker_Caution"));
        }
        EXPECT_EQ(Host().messages[c.maker ? 1 : 0].text,
                  m_rig.MultiLine("GI_Mess_Confirm_CloneWrite"));
        EXPECT_EQ(Host().messages.back().text, m_rig.MultiLine("GI_Mess_CloneWrite_Succeeded"));
        EXPECT_EQ(Host().messages.back().icon, cmcMessageIcon::Information);
        EXPECT_EQ(Host().unscripted, 0);

        cmcEeprom written;
        ReadWrittenImage(written);
        EXPECT_EQ(written.GetByte(kMarkAddress), 0x3C);
        EXPECT_EQ(written.GetByte(kFactoryAddress),
                  c.full ? image.GetByte(kFactoryAddress) : m_radioImage.GetByte(kFactoryAddress));
        EXPECT_EQ(Main().CloneMan().ExpectedByteCount(),
                  c.full ? 0x0114 + 0x4270 + 0x0010 : 0x4270);
    }
}

TEST_F(CloneCommandsOverPty, TheInformationFillsTheCloneInformationRecord) {
    StartRadio(0, {"--model-type", "0", "--revision", "2.10B", "--comment", "MY BOAT"});
    ASSERT_EQ(Run(&indMain::ShowCloneInfo), CloneResult::kOk);
    const auto& info = Main().CloneInformationRecord();
    EXPECT_EQ(std::string(info.begin() + 1, info.begin() + 6), "2.10B");
    EXPECT_EQ(std::string(info.begin() + 7, info.begin() + 14), "MY BOAT");
    EXPECT_EQ(Main().CloneModelWord2(), kSubCode);
    EXPECT_TRUE(Host().messages.empty());
    EXPECT_TRUE(Host().mainWindowEnabled);
}

TEST_F(CloneCommandsOverPty, EachFailedReadShowsOneMessageAndKeepsTheDocument) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        CloneResult code;
        bool modelError;  // only the model error text
        std::vector<int> hints;
        int32_t modelWord2 = kSubCode;
    };
    const Case cases[] = {
        {"second model word 0",
         {"--model-words", "3338,0000"},
         CloneResult::kModel,
         false,
         {0, 1, 2, 3, 4, 5},
         0},
        {"33-byte info block",
         {"--info-length", "33"},
         CloneResult::kModel,
         false,
         {0, 1, 2, 3, 4, 5}},
        {"info layout 3", {"--layout", "3"}, CloneResult::kInfoLayout, false, {0, 4, 5}},
        {"model type 16", {"--model-type", "16"}, CloneResult::kModelType, true, {}},
        {"no clone read", {"--flags", "1"}, CloneResult::kFrame, false, {0, 1, 2, 3}},
        {"bad checksum", {"--fault", "bad-checksum"}, CloneResult::kFrame, false, {0, 1, 2, 3}},
    };
    cmcEeprom before;
    before.Assign(Main().WorkingImage());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host().messages.clear();
        StartRadio(0, c.arguments, c.modelWord2);
        EXPECT_EQ(Run(&indMain::CloneRead), c.code);
        ASSERT_EQ(Host().messages.size(), 1u);
        const std::string expected = c.modelError ? m_rig.MultiLine("GI_Mess_ModelError")
                                                  : CloneError(static_cast<int>(c.code), c.hints);
        EXPECT_EQ(Host().messages[0].text, expected);
        EXPECT_EQ(Host().messages[0].icon, cmcMessageIcon::Error);
        EXPECT_FALSE(Main().WorkingImage().Differs(before));
        EXPECT_FALSE(Main().IsModified());
        EXPECT_TRUE(Host().mainWindowEnabled);
        EXPECT_FALSE(Host().progressOpen);
    }
}

TEST_F(CloneCommandsOverPty, AWriteToARadioOfAnotherClassIsRefused) {
    // Model type 0 is of class B; a radio without the class B flag does not fit.
    StartRadio(0, {"--model-type", "0", "--flags", "0"});
    cmcEeprom before;
    before.Assign(Main().WorkingImage());
    Host().answers = {cmcMessageAnswer::Ok};
    EXPECT_EQ(Run(&indMain::CloneWrite), CloneResult::kModelType);
    ASSERT_EQ(Host().messages.size(), 2u);
    EXPECT_EQ(Host().messages[1].text, m_rig.MultiLine("GI_Mess_ModelError"));
    EXPECT_FALSE(Main().WorkingImage().Differs(before));
    EXPECT_EQ(m_sim->Log().find("E3"), std::string::npos) << m_sim->Log();
}

TEST_F(CloneCommandsOverPty, APortWithoutADeviceNamesItsNumber) {
    Host().messages.clear();
    EXPECT_EQ(Run(&indMain::ShowCloneInfo), CloneResult::kPortOpen);
    ASSERT_EQ(Host().messages.size(), 1u);
    EXPECT_EQ(Host().messages[0].text.rfind(
                  StringPrintf(m_rig.Line("GI_Mess_CloneErr_Head", 2).c_str(), kPort), 0),
              0u)
        << Host().messages[0].text;
}

// The safety steps: a backup of every memory read and of every memory written, the review read
// before a write and the verify read after it.
TEST_F(CloneCommandsOverPty, EveryReadAndWriteLeavesABackupOfTheMemory) {
    StartRadio(0, {"--model-type", "0", "--flags", "2"});
    ASSERT_EQ(Run(&indMain::CloneRead), CloneResult::kOk);
    std::vector<datBackupEntry> backups = BackupList();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].direction, clsBackupDirection::kRead);
    EXPECT_EQ(backups[0].path, Main().LastBackupPath());
    cmcEeprom saved;
    LoadImage(backups[0].path, saved);
    EXPECT_TRUE(SameInRange(saved, m_radioImage));

    // A write (without review or verify) keeps what it sends, just before sending it.
    Main().WorkingImage().Assign(Main().TemplateImage());
    Main().WorkingImage().SetByte(kMarkAddress, 0x44);
    Host().answers = {cmcMessageAnswer::Ok};
    ASSERT_EQ(Run(&indMain::CloneWrite), CloneResult::kOk);
    backups = BackupList();
    ASSERT_EQ(backups.size(), 2u);
    const auto written = std::find_if(backups.begin(), backups.end(), [](const auto& entry) {
        return entry.direction == clsBackupDirection::kWrite;
    });
    ASSERT_NE(written, backups.end());
    LoadImage(written->path, saved);
    EXPECT_TRUE(SameInRange(saved, Main().WorkingImage()));
    EXPECT_EQ(saved.GetByte(kMarkAddress), 0x44);

    // A backup that cannot be made stops the write before anything is sent.
    std::filesystem::remove_all(m_rig.backups.folder);
    std::ofstream(m_rig.backups.folder) << "a file in the way";
    std::filesystem::remove(m_writtenFile);
    Host().messages.clear();
    Host().answers = {cmcMessageAnswer::Ok};
    EXPECT_EQ(Run(&indMain::CloneWrite), CloneResult::kBackupFailed);
    ASSERT_EQ(Host().messages.size(), 2u);
    EXPECT_EQ(Host().messages[1].text.rfind(m_rig.MultiLine("GI_Mess_Backup_WriteFailed"), 0), 0u);
    EXPECT_NE(Host().messages[1].text.find(m_rig.backups.folder), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_writtenFile));

    // A read still delivers its image, with a warning (after the question whether to save the
    // changed document).
    Host().messages.clear();
    Host().answers = {cmcMessageAnswer::No};
    ASSERT_EQ(Run(&indMain::CloneRead), CloneResult::kOk);
    ASSERT_EQ(Host().messages.size(), 2u);
    EXPECT_EQ(Host().messages[1].text.rfind(m_rig.MultiLine("GI_Mess_Backup_ReadFailed"), 0), 0u);
    EXPECT_EQ(Main().WorkingImage().GetByte(kMarkAddress), 0x44);
}

TEST_F(CloneCommandsOverPty, TheReviewShowsTheChangesAndItsCancelWritesNothing) {
    m_rig.Environ().Settings().reviewBeforeWrite = 1;
    StartRadio(0, {"--model-type", "0", "--flags", "2"});
    cmcEeprom& image = Main().WorkingImage();
    image.SetByte(kMarkAddress, m_radioImage.GetByte(kMarkAddress));
    datCh record(&image);
    record.LoadRecord(clsRecordGroup::IntCh, 15);
    std::memcpy(record.name, "CALLING   ", sizeof record.name);
    record.StoreRecord();
    // The write confirmation, then the review: Cancel.
    Host().answers = {cmcMessageAnswer::Ok, cmcMessageAnswer::Cancel};
    EXPECT_EQ(Run(&indMain::CloneWrite), CloneResult::kCancelled);
    ASSERT_EQ(Host().messages.size(), 2u);
    const std::string& review = Host().messages[1].text;
    EXPECT_EQ(review.rfind(m_rig.Line("GI_Mess_Review_Head"), 0), 0u) << review;
    EXPECT_NE(review.find("International channels, "), std::string::npos) << review;
    EXPECT_NE(review.find("CALLING"), std::string::npos) << review;
    EXPECT_EQ(review.find("WARNING"), std::string::npos) << review;
    EXPECT_FALSE(std::filesystem::exists(m_writtenFile));
    EXPECT_EQ(m_sim->Log().find("E3"), std::string::npos) << m_sim->Log();
    // The review read is a backup too; no write backup was made.
    const std::vector<datBackupEntry> backups = BackupList();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].direction, clsBackupDirection::kRead);

    // Another radio gets a warning at the head of the review; OK writes.
    StartRadio(0, {"--model-type", "0", "--flags", "2"});
    image.SetByte(kModelTypeAddress, 0);
    uint8_t id[kIdBytes];
    WriteIdDigits(id, "211234567", kSelfIdDigits);
    image.WriteBlock(kSelfIdAddress, id, kIdBytes);
    image.SetByte(kSelfIdAddress + kIdBytes, IdCheckByte(id));
    Host().messages.clear();
    Host().answers = {cmcMessageAnswer::Ok, cmcMessageAnswer::Ok};
    m_rig.Environ().Settings().verifyAfterWrite = 1;
    EXPECT_EQ(Run(&indMain::CloneWrite), CloneResult::kOk);
    ASSERT_EQ(Host().messages.size(), 3u);
    EXPECT_EQ(Host().messages[1].text.rfind("WARNING", 0), 0u) << Host().messages[1].text;
    EXPECT_EQ(Host().messages[1].icon, cmcMessageIcon::Warning);
    EXPECT_NE(Host().messages[2].text.find(m_rig.Line("GI_Mess_Verify_Succeeded")),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(m_writtenFile));
}

TEST_F(CloneCommandsOverPty, TheVerifyNamesTheCellsTheRadioDidNotStore) {
    m_rig.Environ().Settings().verifyAfterWrite = 1;
    StartRadio(0, {"--model-type", "0", "--flags", "2", "--fault", "corrupt-store"});
    Host().answers = {cmcMessageAnswer::Ok};
    EXPECT_EQ(Run(&indMain::CloneWrite), CloneResult::kVerifyDiffers);
    ASSERT_EQ(Host().messages.size(), 2u);
    const std::string& report = Host().messages[1].text;
    EXPECT_EQ(Host().messages[1].icon, cmcMessageIcon::Error);
    EXPECT_EQ(report.rfind(m_rig.Line("GI_Mess_Verify_Differs"), 0), 0u) << report;
    // Exactly what the comparison of the memory sent with the memory stored gives, over the
    // ranges written.
    cmcEeprom stored;
    ReadWrittenImage(stored);
    cmcEeprom sent;
    sent.Assign(stored);
    for (int32_t address = 0x02F0; address <= 0x455F; ++address)
        sent.SetByte(address, Main().WorkingImage().GetByte(address));
    const datImageDifferences differences = Main().ImageDiff().Compare(sent, stored);
    ASSERT_FALSE(differences.IsEmpty());
    EXPECT_EQ(report, ComposeVerifyDifferences(m_rig.GTex(), differences));

    // A radio that does not answer the read-back: the write stands, unverified.
    StartRadio(0, {"--model-type", "0", "--flags", "2", "--fault", "mute-after-write"});
    Host().messages.clear();
    Host().answers = {cmcMessageAnswer::Ok};
    EXPECT_EQ(Run(&indMain::CloneWrite), CloneResult::kOk);
    ASSERT_EQ(Host().messages.size(), 2u);
    EXPECT_EQ(Host().messages[1].icon, cmcMessageIcon::Information);
    EXPECT_NE(Host().messages[1].text.find(m_rig.MultiLine("GI_Mess_Verify_NoAnswer")),
              std::string::npos);
}

TEST_F(CloneCommandsOverPty, ACancelInEachPhaseLeavesTheDocumentAndTheRadioAlone) {
    StartRadio(0, {"--model-type", "0", "--flags", "2"});
    cmcEeprom before;
    before.Assign(Main().WorkingImage());
    // A read stops without a question.
    EXPECT_EQ(RunAndCancel(&indMain::CloneRead, CloneOperation::kRead, 4000),
              CloneResult::kCancelled);
    ASSERT_EQ(Host().messages.size(), 1u);
    EXPECT_EQ(Host().messages[0].text, m_rig.Line("GI_Mess_CloneErr_Head", 18));
    EXPECT_FALSE(Main().WorkingImage().Differs(before));
    EXPECT_FALSE(Main().IsModified());
    EXPECT_TRUE(BackupList().empty());
    EXPECT_TRUE(Host().mainWindowEnabled);

    // A write asks first: No goes on writing, Yes stops it.
    Host().messages.clear();
    Host().answers = {cmcMessageAnswer::Ok, cmcMessageAnswer::Ok};
    EXPECT_EQ(RunAndCancel(&indMain::CloneWrite, CloneOperation::kWrite, 4000),
              CloneResult::kCancelled);
    ASSERT_EQ(Host().messages.size(), 3u);
    EXPECT_EQ(Host().messages[1].text, m_rig.MultiLine("GI_Mess_Confirm_CancelWrite"));
    EXPECT_EQ(Host().unscripted, 0);
    EXPECT_FALSE(std::filesystem::exists(m_writtenFile));
    EXPECT_EQ(m_sim->Log().find("took "), std::string::npos) << m_sim->Log();
    EXPECT_FALSE(Main().CloneMan().IsBusy());
}

}  // namespace
