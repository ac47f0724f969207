// The clone manager's message and progress figures, and the clone commands' checks that decide
// before any port is opened. The commands against a radio are in tests/radio_sim.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "app/fake_frame.h"
#include "app/radio_controller.h"
#include "clone/clone_message.h"
#include "clone/clone_progress.h"
#include "model/channel_record.h"
#include "overlay/gtex.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"

namespace {

// An overlay with numbered head lines and hints, so that a message shows which lines it took.
std::vector<std::string> MessageOverlay(bool withPermissionHint) {
    std::vector<std::string> lines = {"#GI_Mess_CloneErr_Head"};
    for (int i = 0; i <= 17; ++i)
        lines.push_back("head " + std::to_string(i));
    lines[1 + 2] = "Port COM%d cannot be opened (100%%).";
    lines.push_back("#GI_Mess_CloneErr_Check");
    for (int i = 0; i <= 7; ++i)
        lines.push_back("hint " + std::to_string(i));
    lines.push_back("#");
    if (withPermissionHint) {
        lines.insert(lines.end(),
                     {"#GI_Mess_CloneErr_Permission", "{user} joins {group}", "for {device}", "#"});
    }
    lines.insert(lines.end(), {"#GI_Mess_CloneErr_PortCause", "none {device}", "busy {device}",
                               "tty {device}", "setup {device} {cause}", "other {device} {cause}",
                               "#", "#GI_Mess_CloneErr_PartlyWritten", "partly", "again", "#"});
    lines.push_back("#End_Of_Ovl");
    return lines;
}

std::string Hints(const std::vector<int>& numbers) {
    std::string text;
    for (const int n : numbers)
        text += (text.empty() ? "" : "\n") + ("hint " + std::to_string(n));
    return text;
}

TEST(CloneErrorMessage, EachCodeTakesItsHeadLineAndHints) {
    const std::vector<std::string> lines = MessageOverlay(false);
    cmcGTex gtex;
    ASSERT_TRUE(gtex.SetSourceLines(lines));
    const datPortProblem none;
    struct Case {
        CloneResult code;
        std::string expected;
    };
    const Case cases[] = {
        {CloneResult::kOk, ""},
        {CloneResult::kPortOpen, "Port COM7 cannot be opened (100%).\n\n" + Hints({0, 1, 2, 3})},
        {CloneResult::kEcho, "head 4\n\n" + Hints({0, 1, 2, 3})},
        {CloneResult::kFrame, "head 6\n\n" + Hints({0, 1, 2, 3})},
        {CloneResult::kWriteRejected, "head 10\n\n" + Hints({0, 2, 3})},
        {CloneResult::kModel, "head 11\n\n" + Hints({0, 1, 2, 3, 4, 5})},
        {CloneResult::kModelFormat, "head 12\n\n" + Hints({0, 1, 2, 3, 4, 5})},
        {CloneResult::kModelType, "head 13\n\n" + Hints({6, 7})},
        {CloneResult::kInfoLayout, "head 14\n\n" + Hints({0, 4, 5})},
        {CloneResult::kForeignImage, "head 15\n\n" + Hints({0, 1, 2, 3})},
        {CloneResult::kNewerImage, "head 16"},
        {CloneResult::kWriteFailed, "head 17\n\n" + Hints({0, 1, 2, 3})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        EXPECT_EQ(ComposeCloneError(gtex, c.code, 7, none), c.expected);
    }
}

TEST(CloneErrorMessage, APortRefusedToTheUserSaysHowToGetIt) {
    datPortProblem problem;
    problem.kind = PortProblem::kPermission;
    problem.port = 3;
    problem.device = "/dev/ttyUSB0";
    problem.group = "dialout";
    problem.user = "skipper";
    {
        const std::vector<std::string> lines = MessageOverlay(true);
        cmcGTex gtex;
        ASSERT_TRUE(gtex.SetSourceLines(lines));
        EXPECT_EQ(ComposeCloneError(gtex, CloneResult::kPortOpen, 3, problem),
                  "Port COM3 cannot be opened (100%).\n\nskipper joins dialout\nfor "
                  "/dev/ttyUSB0\n\n" +
                      Hints({0, 1, 2, 3}));
    }
    // Without the overlay's text the compiled-in one names the command.
    const std::vector<std::string> lines = MessageOverlay(false);
    cmcGTex gtex;
    ASSERT_TRUE(gtex.SetSourceLines(lines));
    const std::string text = ComposeCloneError(gtex, CloneResult::kPortOpen, 3, problem);
    EXPECT_NE(text.find("sudo usermod -aG dialout skipper"), std::string::npos) << text;
    EXPECT_NE(text.find("/dev/ttyUSB0"), std::string::npos) << text;
}

TEST(CloneErrorMessage, APortThatCannotBeOpenedNamesItsDeviceAndTheCause) {
    const std::vector<std::string> lines = MessageOverlay(true);
    cmcGTex gtex;
    ASSERT_TRUE(gtex.SetSourceLines(lines));
    struct Case {
        PortProblem kind;
        int error;
        std::string line;
    };
    const Case cases[] = {
        {PortProblem::kNoDevice, ENOENT, "none /dev/ttyUSB0"},
        {PortProblem::kBusy, EBUSY, "busy /dev/ttyUSB0"},
        {PortProblem::kNotSerial, ENOTTY, "tty /dev/ttyUSB0"},
        {PortProblem::kSetup, EINVAL, "setup /dev/ttyUSB0 " + std::string(std::strerror(EINVAL))},
        {PortProblem::kOther, EIO, "other /dev/ttyUSB0 " + std::string(std::strerror(EIO))},
        // Without the user and group to name, a refused port tells the system's words.
        {PortProblem::kPermission, EACCES,
         "other /dev/ttyUSB0 " + std::string(std::strerror(EACCES))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        datPortProblem problem;
        problem.kind = c.kind;
        problem.device = "/dev/ttyUSB0";
        problem.systemError = c.error;
        // The head line stays the one the radio's users know, the device follows it.
        EXPECT_EQ(ComposeCloneError(gtex, CloneResult::kPortOpen, 3, problem),
                  "Port COM3 cannot be opened (100%).\n" + c.line + "\n\n" + Hints({0, 1, 2, 3}));
    }
    // A port number without a device adds nothing.
    datPortProblem unmapped;
    unmapped.kind = PortProblem::kNoDevice;
    EXPECT_EQ(ComposeCloneError(gtex, CloneResult::kPortOpen, 3, unmapped),
              "Port COM3 cannot be opened (100%).\n\n" + Hints({0, 1, 2, 3}));
}

TEST(CloneErrorMessage, AWriteThatFailedPartWaySaysHowToRestoreTheRadio) {
    const std::vector<std::string> lines = MessageOverlay(false);
    cmcGTex gtex;
    ASSERT_TRUE(gtex.SetSourceLines(lines));
    const datPortProblem none;
    EXPECT_EQ(ComposeCloneError(gtex, CloneResult::kTimeOut, 3, none, true),
              "head 5\n\npartly\nagain\n\n" + Hints({0, 1, 2, 3}));
    EXPECT_EQ(ComposeCloneError(gtex, CloneResult::kTimeOut, 3, none, false),
              "head 5\n\n" + Hints({0, 1, 2, 3}));
}

TEST(CloneProgress, SegmentsFillAsDataArrives) {
    struct Case {
        int32_t data;
        int32_t expected;
        int32_t filled;
    };
    const Case cases[] = {
        {0, 17872, 0},      {8665, 17872, 15},  {8666, 17872, 16},
        {17871, 17872, 32}, {17872, 17872, 33}, {100, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        EXPECT_EQ(ProgressFilledSegments(c.data, c.expected), c.filled);
    }
    // A 256-pixel bar: 8-pixel steps, each with a one-pixel gap after 7 filled columns.
    EXPECT_EQ(ProgressSegmentColumns(256, 0).first, 0);
    EXPECT_EQ(ProgressSegmentColumns(256, 0).last, 6);
    EXPECT_EQ(ProgressSegmentColumns(256, 31).first, 248);
    EXPECT_EQ(ProgressSegmentColumns(256, 31).last, 254);
}

class CloneCommandsTest : public testing::Test {
protected:
    CloneCommandsTest() { Main().Setup(&m_frame, {"ktv818x"}); }
    indMain& Main() { return m_rig.Main(); }

    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    ControllerRig m_rig{m_serial, m_scheduler, m_scheduler};
    FakeFrame m_frame;
};

TEST_F(CloneCommandsTest, AWriteWithDataProblemsStopsBeforeThePortOpens) {
    // The International bank's priority channel inhibited: a problem the radio cannot take.
    cmcEeprom& image = Main().WorkingImage();
    datCh record(&image);
    bool marked = false;
    for (int32_t i = 0; i < 100 && !marked; ++i) {
        record.LoadRecord(clsRecordGroup::IntCh, i);
        if (record.markers & datCh::kMarkerP) {
            record.channelFlags |= datCh::kInhibited;
            record.StoreRecord();
            marked = true;
        }
    }
    ASSERT_TRUE(marked);
    cmcEeprom before;
    before.Assign(image);
    bool finished = false;
    Main().CloneWrite([&](CloneResult) { finished = true; });
    m_scheduler.Advance(5000);
    ASSERT_EQ(m_rig.host.messages.size(), 1u);
    EXPECT_EQ(m_rig.host.messages[0].text, m_rig.MultiLine("GI_Mess_DataError"));
    EXPECT_EQ(m_rig.host.messages[0].icon, cmcMessageIcon::Error);
    EXPECT_TRUE(m_serial.opens.empty());
    EXPECT_FALSE(Main().CloneMan().IsBusy());
    EXPECT_FALSE(image.Differs(before));
    EXPECT_FALSE(finished);  // the command never started
}

TEST_F(CloneCommandsTest, CancellingTheQuestionsStartsNothing) {
    // The write confirmation, and maker mode's caution before it.
    m_rig.host.answers = {cmcMessageAnswer::Cancel};
    Main().CloneWrite();
    ASSERT_EQ(m_rig.host.messages.size(), 1u);
    EXPECT_EQ(m_rig.host.messages[0].text, m_rig.MultiLine("GI_Mess_Confirm_CloneWrite"));
    m_rig.host.answers = {cmcMessageAnswer::Ok, cmcMessageAnswer::Cancel};
    Main().EnterMakerMode();
    Main().CloneWrite();
    EXPECT_EQ(m_rig.host.messages.back().text, m_rig.MultiLine("GI_Mess_Maker_Caution"));
    // A read of a changed document asks to save it first.
    Main().WorkingImage().SetByte(0x1000,
                                  static_cast<uint8_t>(~Main().WorkingImage().GetByte(0x1000)));
    m_rig.host.answers = {cmcMessageAnswer::Cancel};
    Main().CloneRead();
    m_scheduler.Advance(5000);
    EXPECT_TRUE(m_serial.opens.empty());
    EXPECT_EQ(m_rig.host.unscripted, 0);
    EXPECT_TRUE(m_rig.host.mainWindowEnabled);
}

}  // namespace
