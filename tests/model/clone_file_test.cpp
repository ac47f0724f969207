#include "model/clone_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/eeprom.h"
#include "support/test_paths.h"

namespace {

constexpr int32_t kModelCode = 0x3338;
constexpr int32_t kSubCode = 0x0001;
constexpr int32_t kFileRangeEnd = 0x45CF;

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A clone file object set up as the Open command sets it up.
struct Loader {
    cmcEeprom image;
    cmcClnFile file;
    std::vector<CloneFileResult> reported;

    explicit Loader(uint8_t fill = 0x00) {
        image.SetSize(kImageSize);
        image.Fill(fill);
        file.SetImage(image);
        file.SetModelCode(kModelCode);
        file.SetSubCode(kSubCode);
        file.SetMapRevisionCheck([](int32_t revision) { return revision == 2; });
        file.SetReporter([this](CloneFileResult result) { reported.push_back(result); });
    }
    CloneFileResult Load(const std::string& fixture, bool withRanges) {
        return file.Load(TestDataPath("clone/" + fixture).string(),
                         withRanges ? kCloneFileRanges : nullptr);
    }
};

struct LoadCase {
    const char* fixture;
    bool withRanges;
    CloneFileResult expected;
};

class CloneFileLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(CloneFileLoad, EndsWithTheExpectedResultAndReportsIt) {
    const LoadCase& c = GetParam();
    Loader loader(0xA5);
    cmcEeprom before;
    before.Assign(loader.image);

    EXPECT_EQ(loader.Load(c.fixture, c.withRanges), c.expected);
    EXPECT_EQ(loader.reported, std::vector<CloneFileResult>{c.expected});
    if (c.expected != CloneFileResult::kOk) {
        EXPECT_TRUE(loader.image.Equals(before)) << "a failed load must leave the image as it was";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, CloneFileLoad,
    testing::Values(LoadCase{"header_not_decimal.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"header_sub_code_2.ktv", false, CloneFileResult::kExtra},
                    LoadCase{"header_model_3339.ktv", false, CloneFileResult::kModel},
                    LoadCase{"header_without_newline.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"header_too_long.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"no_map_revision.ktv", false, CloneFileResult::kMapRev},
                    LoadCase{"map_revision_3.ktv", false, CloneFileResult::kMapRev},
                    LoadCase{"map_revision_after_data.ktv", false, CloneFileResult::kMapRev},
                    LoadCase{"header_only.ktv", false, CloneFileResult::kOk},
                    LoadCase{"header_only.ktv", true, CloneFileResult::kCoverage},
                    LoadCase{"blank_line_in_data.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"blank_line_before_map_revision.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"long_comment_line.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"last_line_without_newline.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"byte_beyond_file_range.ktv", false, CloneFileResult::kOk},
                    LoadCase{"byte_beyond_file_range.ktv", true, CloneFileResult::kData},
                    LoadCase{"record_beyond_image.ktv", false, CloneFileResult::kData},
                    LoadCase{"record_of_255_bytes.ktv", false, CloneFileResult::kOk},
                    LoadCase{"record_of_0_bytes.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"count_disagrees_with_length.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"non_hex_in_data.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"bad_line_after_good.ktv", false, CloneFileResult::kFormat},
                    LoadCase{"does_not_exist.ktv", false, CloneFileResult::kFileOpen},
                    LoadCase{"", false, CloneFileResult::kFileOpen}));  // the fixture folder itself

TEST(CloneFile, StoresRecordsOfEitherCaseAndEitherLineEnd) {
    Loader loader;
    ASSERT_EQ(loader.Load("lower_case_lf_only.ktv", false), CloneFileResult::kOk);
    EXPECT_EQ(loader.image.GetByte(0x20), 0x0A);
    EXPECT_EQ(loader.image.GetByte(0x21), 0xFF);
    EXPECT_EQ(loader.file.GetMapRevision(), 2);
}

TEST(CloneFile, LaterRecordForTheSameAddressWins) {
    Loader loader;
    ASSERT_EQ(loader.Load("same_address_twice.ktv", false), CloneFileResult::kOk);
    EXPECT_EQ(loader.image.GetByte(0x10), 0x22);
}

TEST(CloneFile, AcceptsTheLongestRecord) {
    Loader loader;
    ASSERT_EQ(loader.Load("record_of_255_bytes.ktv", false), CloneFileResult::kOk);
    EXPECT_EQ(loader.image.GetByte(0x0100), 0x5A);
    EXPECT_EQ(loader.image.GetByte(0x01FE), 0x5A);
    EXPECT_EQ(loader.image.GetByte(0x01FF), 0x00);
}

TEST(CloneFile, CoverageWithoutRangesOrBeforeBindingIsIncomplete) {
    Loader loader;
    ASSERT_EQ(loader.Load("header_only.ktv", false), CloneFileResult::kOk);
    EXPECT_EQ(loader.file.CheckCoverage(nullptr), CloneFileResult::kCoverage);
    EXPECT_EQ(loader.file.CheckCoverage(kCloneFileRanges), CloneFileResult::kCoverage);
    cmcClnFile unbound;
    EXPECT_EQ(unbound.CheckCoverage(kCloneFileRanges), CloneFileResult::kCoverage);
}

// A whole image in which every address holds a byte of its own.
void FillPattern(cmcEeprom& image) {
    for (int32_t address = 0; address < image.GetSize(); ++address) {
        image.SetByte(address, static_cast<uint8_t>(address * 7 + address / 256));
    }
}

struct Saver {
    cmcEeprom image;
    cmcClnFile file;

    Saver() {
        image.SetSize(kImageSize);
        FillPattern(image);
        file.SetImage(image);
        file.SetModelCode(kModelCode);
        file.SetSubCode(kSubCode);
        file.SetMapRevision(2);
    }
};

TEST(CloneFile, RoundTripReproducesTheFileRangeAndPassesCoverage) {
    TempFolder folder;
    Saver saver;
    saver.file.SetComment("MY BOAT");
    ASSERT_EQ(saver.file.Save((folder / "boat.ktv").string(), kCloneFileRanges),
              CloneFileResult::kOk);

    const std::string text = ReadText(folder / "boat.ktv");
    EXPECT_EQ(text.rfind("33380001\r\n#Comment=MY BOAT\r\n#MapRev=2\r\n000010", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 1117);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3 + 1117);

    cmcEeprom loaded;
    loaded.SetSize(kImageSize);
    cmcClnFile reader;
    reader.SetImage(loaded);
    reader.SetModelCode(kModelCode);
    reader.SetSubCode(kSubCode);
    reader.SetMapRevisionCheck([](int32_t revision) { return revision == 2; });
    ASSERT_EQ(reader.Load((folder / "boat.ktv").string(), kCloneFileRanges), CloneFileResult::kOk);
    for (int32_t address = 0; address < kImageSize; ++address) {
        const uint8_t expected = address <= kFileRangeEnd ? saver.image.GetByte(address) : 0;
        ASSERT_EQ(loaded.GetByte(address), expected) << "address " << address;
    }
}

TEST(CloneFile, RecordsNeverCrossA16ByteBoundary) {
    TempFolder folder;
    Saver saver;
    const AddressRange ranges[] = {{0x0005, 0x0025}, {0x0030, 0x0030}, {1, 0}, {0x40, 0x4F}};
    ASSERT_EQ(saver.file.Save((folder / "part.ktv").string(), ranges), CloneFileResult::kOk);

    std::istringstream lines(ReadText(folder / "part.ktv"));
    std::vector<std::string> heads;
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
        if (line[0] != '#') heads.push_back(line.substr(0, 6));
    }
    EXPECT_EQ(heads, (std::vector<std::string>{"00050B", "001010", "002006", "003001"}));
}

TEST(CloneFile, SaveStopsAtTheFirstRangeOutsideTheImage) {
    TempFolder folder;
    Saver saver;
    const AddressRange ranges[] = {{0x0000, 0x000F}, {0x4720, 0x4730}, {0x0010, 0x001F}, {1, 0}};
    ASSERT_EQ(saver.file.Save((folder / "cut.ktv").string(), ranges), CloneFileResult::kOk);
    const std::string text = ReadText(folder / "cut.ktv");
    EXPECT_NE(text.find("\r\n000010"), std::string::npos);
    EXPECT_EQ(text.find("\r\n001010"), std::string::npos);
}

TEST(CloneFile, AFailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    TempFolder folder;
    Saver saver;
    std::vector<CloneFileResult> reported;
    saver.file.SetReporter([&](CloneFileResult result) { reported.push_back(result); });

    // A folder in the way of the target: it is never replaced.
    std::filesystem::create_directory(folder / "taken.ktv");
    WriteText(folder / "taken.ktv" / "inside", "old");
    EXPECT_EQ(saver.file.Save((folder / "taken.ktv").string(), kCloneFileRanges),
              CloneFileResult::kFileOpen);
    EXPECT_EQ(saver.file.LastFault().kind, datFileFault::Kind::kNotRegular);
    EXPECT_EQ(ReadText(folder / "taken.ktv" / "inside"), "old");

    EXPECT_EQ(saver.file.Save((folder / "missing" / "x.ktv").string(), kCloneFileRanges),
              CloneFileResult::kFileOpen);
    EXPECT_EQ(saver.file.LastFault().error, ENOENT);
    EXPECT_EQ(reported, (std::vector<CloneFileResult>{CloneFileResult::kFileOpen,
                                                      CloneFileResult::kFileOpen}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "only the folder that was in the way remains";
}

TEST(CloneFile, SaveReplacesTheFileAndKeepsItsPermissions) {
    TempFolder folder;
    const auto path = folder / "boat.ktv";
    WriteText(path, "old contents");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    Saver saver;
    ASSERT_EQ(saver.file.Save(path.string(), kCloneFileRanges), CloneFileResult::kOk);
    EXPECT_EQ(ReadText(path).rfind("33380001\r\n", 0), 0u);
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(CloneFile, SaveThroughALinkReplacesTheLinkedFile) {
    TempFolder folder;
    WriteText(folder / "real.ktv", "old");
    std::filesystem::create_symlink(folder / "real.ktv", folder / "link.ktv");
    Saver saver;
    ASSERT_EQ(saver.file.Save((folder / "link.ktv").string(), kCloneFileRanges),
              CloneFileResult::kOk);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.ktv"));
    EXPECT_EQ(ReadText(folder / "real.ktv").rfind("33380001", 0), 0u);
}

TEST(CloneFile, ReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    TempFolder folder;
    const auto path = folder / "locked.ktv";
    WriteText(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    Saver saver;
    EXPECT_EQ(saver.file.Save(path.string(), kCloneFileRanges), CloneFileResult::kFileOpen);
    EXPECT_EQ(ReadText(path), "old");
}

TEST(CloneFile, LineBreaksInTheCommentDoNotBreakTheFile) {
    TempFolder folder;
    Saver saver;
    saver.file.SetComment("TWO\r\nLINES");
    ASSERT_EQ(saver.file.Save((folder / "c.ktv").string(), kCloneFileRanges), CloneFileResult::kOk);
    EXPECT_EQ(ReadText(folder / "c.ktv").rfind("33380001\r\n#Comment=TWO  LINES\r\n", 0), 0u);
}

}  // namespace
