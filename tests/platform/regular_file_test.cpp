#include "platform/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <string>

#include "support/test_paths.h"

namespace {

struct ReadCase {
    const char* what;
    std::string path;
    FileReadResult result;
    datFileFault::Kind fault;
    int error;
};

// Every kind of path a user may name: only a regular file within the limit is read, and nothing
// blocks (a FIFO without a writer would hang the test) or runs on (/dev/zero).
TEST(RegularFile, ReadsOnlyARegularFileWithinTheLimit) {
    TempFolder folder;
    std::ofstream(folder / "ten.txt", std::ios::binary) << "0123456789";
    std::ofstream(folder / "eleven.txt", std::ios::binary) << "0123456789A";
    std::ofstream(folder / "empty.txt", std::ios::binary);
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    const ReadCase cases[] = {
        {"at the limit", folder / "ten.txt", FileReadResult::kOk, datFileFault::Kind::kNone, 0},
        {"empty", folder / "empty.txt", FileReadResult::kOk, datFileFault::Kind::kNone, 0},
        {"beyond the limit", folder / "eleven.txt", FileReadResult::kCannotOpen,
         datFileFault::Kind::kTooLarge, 0},
        {"missing", folder / "missing.txt", FileReadResult::kCannotOpen,
         datFileFault::Kind::kSystem, ENOENT},
        {"folder", folder.path(), FileReadResult::kCannotOpen, datFileFault::Kind::kNotRegular, 0},
        {"FIFO", folder / "fifo", FileReadResult::kCannotOpen, datFileFault::Kind::kNotRegular, 0},
        {"endless device", "/dev/zero", FileReadResult::kCannotOpen,
         datFileFault::Kind::kNotRegular, 0},
        {"empty device", "/dev/null", FileReadResult::kCannotOpen, datFileFault::Kind::kNotRegular,
         0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string contents = "stale";
        datFileFault fault;
        EXPECT_EQ(ReadRegularFile(c.path, 10, contents, fault), c.result);
        EXPECT_EQ(fault.kind, c.fault);
        EXPECT_EQ(fault.error, c.error);
        if (c.result != FileReadResult::kOk) {
            EXPECT_TRUE(contents.empty());
        }
    }
    std::string contents;
    datFileFault fault;
    ASSERT_EQ(ReadRegularFile(folder / "ten.txt", 10, contents, fault), FileReadResult::kOk);
    EXPECT_EQ(contents, "0123456789");
}

}  // namespace
