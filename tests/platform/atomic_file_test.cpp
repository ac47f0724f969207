#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "support/test_paths.h"

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

int TemporaryCount(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().find(".ktv818x-tmp-") != std::string::npos;
    return count;
}

// A process number that no process has: a child that has ended and been waited for.
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

struct TargetCase {
    const char* what;
    void (*make)(const fs::path& folder);  // makes folder/target
    AtomicWriteResult result;
    datFileFault fault;
    const char* written;  // the file that holds the new contents after success
};

const TargetCase kTargetCases[] = {
    {"a new file", [](const fs::path&) {}, AtomicWriteResult::kOk, {}, "target"},
    {"a regular file",
     [](const fs::path& f) { WriteText(f / "target", "old"); },
     AtomicWriteResult::kOk,
     {},
     "target"},
    {"a link to a regular file",
     [](const fs::path& f) {
         WriteText(f / "real", "old");
         fs::create_symlink("real", f / "target");
     },
     AtomicWriteResult::kOk,
     {},
     "real"},
    {"a link to a file still to be made",
     [](const fs::path& f) { fs::create_symlink(f / "later", f / "target"); },
     AtomicWriteResult::kOk,
     {},
     "later"},
    {"a link into a missing folder",
     [](const fs::path& f) { fs::create_symlink(f / "gone" / "x", f / "target"); },
     AtomicWriteResult::kCannotCreate, datFileFault::System(ENOENT), nullptr},
    {"a link loop",
     [](const fs::path& f) {
         fs::create_symlink("other", f / "target");
         fs::create_symlink("target", f / "other");
     },
     AtomicWriteResult::kCannotCreate, datFileFault::System(ELOOP), nullptr},
    {"a folder",
     [](const fs::path& f) { fs::create_directory(f / "target"); },
     AtomicWriteResult::kCannotCreate,
     {datFileFault::Kind::kNotRegular, 0},
     nullptr},
    {"a FIFO",
     [](const fs::path& f) { mkfifo((f / "target").c_str(), 0600); },
     AtomicWriteResult::kCannotCreate,
     {datFileFault::Kind::kNotRegular, 0},
     nullptr},
    {"a link to a device",
     [](const fs::path& f) { fs::create_symlink("/dev/null", f / "target"); },
     AtomicWriteResult::kCannotCreate,
     {datFileFault::Kind::kNotRegular, 0},
     nullptr},
};

TEST(AtomicFile, ReplacesOnlyARegularFileOrTheOneALinkLeadsTo) {
    for (const TargetCase& c : kTargetCases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        c.make(folder.path());
        const auto before = fs::symlink_status(folder / "target").type();
        datFileFault checked;
        EXPECT_EQ(CheckReplaceable((folder / "target").string(), &checked), c.result);
        datFileFault fault;
        EXPECT_EQ(WriteFileAtomically((folder / "target").string(), "new", &fault), c.result);
        EXPECT_EQ(fault.kind, c.fault.kind);
        EXPECT_EQ(fault.error, c.fault.error);
        EXPECT_EQ(checked.kind, c.fault.kind);
        if (c.written) {
            EXPECT_EQ(ReadText(folder / c.written), "new");
        }
        if (c.result != AtomicWriteResult::kOk || std::string(c.written) != "target") {
            EXPECT_EQ(fs::symlink_status(folder / "target").type(), before)
                << "the link or the thing in the way stays what it was";
        }
        EXPECT_EQ(TemporaryCount(folder.path()), 0);
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(AtomicFile, TheNewFileKeepsThePermissionBitsButNoSetIdBit) {
    TempFolder folder;
    const auto path = folder / "boat.icf";
    WriteText(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 06754), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(path.c_str(), 4321, 4321), 0);
    }
    ASSERT_EQ(WriteFileAtomically(path.string(), "new"), AtomicWriteResult::kOk);
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0754u);
    if (geteuid() == 0) {
        EXPECT_EQ(status.st_uid, 4321u) << "root's save keeps the owner";
        EXPECT_EQ(status.st_gid, 4321u);
    }
}

TEST(AtomicFile, ASaveRemovesTheTemporariesOfEndedProcessesOnly) {
    TempFolder folder;
    const std::string target = (folder / "boat.icf").string();
    const std::string ended = TemporaryPathFor(target, EndedProcess());
    const std::string alive = TemporaryPathFor(target, getppid());
    const std::string other = TemporaryPathFor((folder / "other.icf").string(), EndedProcess());
    for (const std::string& path : {ended, alive, other})
        WriteText(path, "left");
    EXPECT_EQ(fs::path(ended).filename().string().rfind(".boat.icf.ktv818x-tmp-", 0), 0u);
    ASSERT_EQ(WriteFileAtomically(target, "new"), AtomicWriteResult::kOk);
    EXPECT_FALSE(fs::exists(ended));
    EXPECT_TRUE(fs::exists(alive)) << "a running save is never disturbed";
    EXPECT_TRUE(fs::exists(other)) << "only the target's own temporaries";
}

// A child saves over and over and is killed at a random moment; the next save must leave no
// temporary behind and the target must hold one whole version.
TEST(AtomicFile, AfterAKillAtAnyMomentTheNextSaveLeavesNoTemporary) {
    TempFolder folder;
    const std::string target = (folder / "boat.icf").string();
    const std::string oldText(40000, 'o');
    const std::string newText(40000, 'n');
    ASSERT_EQ(WriteFileAtomically(target, oldText), AtomicWriteResult::kOk);
    std::mt19937 random(24);
    int leftBehind = 0;
    constexpr int kKills = 100;
    for (int kill_ = 0; kill_ < kKills; ++kill_) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                WriteFileAtomically(target, kill_ % 2 ? newText : oldText);
        }
        usleep(static_cast<useconds_t>(random() % 3000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        leftBehind += TemporaryCount(folder.path());
        const std::string text = ReadText(target);
        ASSERT_TRUE(text == oldText || text == newText) << "a torn file after kill " << kill_;
        ASSERT_EQ(WriteFileAtomically(target, oldText), AtomicWriteResult::kOk);
        ASSERT_EQ(TemporaryCount(folder.path()), 0) << "after kill " << kill_;
    }
    RecordProperty("kills_that_left_a_temporary", leftBehind);
    std::printf("%d of %d kills left a temporary; the next save removed each\n", leftBehind,
                kKills);
}

}  // namespace
