// The automatic backups: their names, their contents and the pruning, in a temporary folder.
#include "app/backups.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/image_identity.h"
#include "model/address_range.h"
#include "model/clone_file.h"
#include "model/eeprom.h"
#include "model/id_codec.h"
#include "support/fake_backup_place.h"
#include "support/test_paths.h"

namespace {

constexpr int64_t kDay = 86400;

class BackupsTest : public testing::Test {
protected:
    BackupsTest() {
        m_image.SetSize(kImageSize);
        m_image.Fill(0xFF);
        m_image.SetByte(kModelTypeAddress, 3);
        m_image.SetByte(kLayoutAddress, kMapRevision);
    }

    void SetSelfId(const std::string& digits) {
        uint8_t id[kIdBytes];
        WriteIdDigits(id, digits, kSelfIdDigits);
        m_image.WriteBlock(kSelfIdAddress, id, kIdBytes);
    }

    std::string Save(clsBackupDirection direction, const datBackupPolicy& policy = {}) {
        const std::optional<std::string> path =
            m_backups.Save(m_image, direction, kModelCode, kSubCode, policy);
        EXPECT_TRUE(path.has_value());
        return path ? std::filesystem::path(*path).filename().string() : "";
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const datBackupEntry& entry : m_backups.List())
            names.push_back(entry.fileName);
        return names;
    }

    TempFolder m_root;
    FakeBackupPlace m_place{(m_root / "data" / "backups").string()};
    indBackups m_backups{m_place};
    cmcEeprom m_image;
};

TEST_F(BackupsTest, NamesTellTimeModelIdentityAndDirectionAndTheFileOpensAsTheImage) {
    EXPECT_EQ(Save(clsBackupDirection::kRead), "20261211T142305Z_model03_noid_read.icf");
    SetSelfId("211234567");
    EXPECT_EQ(Save(clsBackupDirection::kWrite), "20261211T142305Z_model03_211234567_write.icf");
    // A second one in the same second does not replace the first.
    EXPECT_EQ(Save(clsBackupDirection::kWrite), "20261211T142305Z_model03_211234567_write-2.icf");

    cmcEeprom loaded;
    loaded.SetSize(kImageSize);
    cmcClnFile file;
    file.SetImage(loaded);
    file.SetModelCode(kModelCode);
    file.SetSubCode(kSubCode);
    file.SetMapRevisionCheck([](int32_t revision) { return revision == kMapRevision; });
    ASSERT_EQ(file.Load(m_place.folder + "/20261211T142305Z_model03_211234567_write-2.icf",
                        kCloneFileRanges),
              CloneFileResult::kOk);
    for (int32_t address = 0; address <= 0x45CF; ++address)
        ASSERT_EQ(loaded.GetByte(address), m_image.GetByte(address)) << address;

    const std::vector<datBackupEntry> entries = m_backups.List();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries.front().identity, "noid");
    EXPECT_EQ(entries.front().direction, clsBackupDirection::kRead);
    EXPECT_EQ(entries.back().identity, "211234567");
    EXPECT_EQ(entries.back().direction, clsBackupDirection::kWrite);
    EXPECT_EQ(entries.front().modelType, 3);
    EXPECT_EQ(entries.front().seconds, FakeBackupPlace::kDefaultSeconds);
    EXPECT_EQ(BackupTimeText(entries.front().seconds), "2026-12-11 14:23:05 UTC");
}

TEST_F(BackupsTest, TheAtisIdStandsInForAMissingSelfId) {
    uint8_t id[kIdBytes];
    WriteIdDigits(id, "9211234567", kAtisIdDigits);
    m_image.WriteBlock(kAtisIdAddress, id, kIdBytes);
    EXPECT_EQ(BackupIdentity(m_image), "atis9211234567");
    SetSelfId("211234567");
    EXPECT_EQ(BackupIdentity(m_image), "211234567");
}

TEST_F(BackupsTest, OnlyNamesOfBackupsAreTakenForBackups) {
    struct Case {
        const char* name;
        bool backup;
    };
    const Case cases[] = {
        {"20261211T142305Z_model03_211234567_read.icf", true},
        {"20261211T142305Z_model15_atis9211234567_write-12.icf", true},
        {"20261211T142305Z_model03_noid_read.ICF", false},
        {"20261311T142305Z_model03_noid_read.icf", false},  // month 13
        {"20261211T142305_model03_noid_read.icf", false},
        {"20261211T142305Z_model3_noid_read.icf", false},
        {"20261211T142305Z_model03_21123456x_read.icf", false},
        {"20261211T142305Z_model03_noid_sent.icf", false},
        {"20261211T142305Z_model03_noid_read-x.icf", false},
        {"20261211T142305Z_model03_noid_read_extra.icf", false},
        {"boat.icf", false},
        {".icf", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseBackupName(c.name).has_value(), c.backup) << c.name;
}

TEST_F(BackupsTest, PruningKeepsTheNewestOfEachRadioAndNothingElseInTheFolder) {
    // Radio A twice long ago, radio B five times over the last days.
    SetSelfId("211111111");
    m_place.seconds = FakeBackupPlace::kDefaultSeconds - 400 * kDay;
    Save(clsBackupDirection::kRead, {1000, 1000});
    m_place.seconds += kDay;
    const std::string newestA = Save(clsBackupDirection::kWrite, {1000, 1000});
    SetSelfId("222222222");
    for (int i = 0; i < 5; ++i) {
        m_place.seconds = FakeBackupPlace::kDefaultSeconds - (5 - i) * kDay;
        Save(clsBackupDirection::kRead, {1000, 1000});
    }
    std::ofstream(std::filesystem::path(m_place.folder) / "notes.txt") << "mine";
    std::ofstream(std::filesystem::path(m_place.folder) / "boat.icf") << "mine";
    m_place.seconds = FakeBackupPlace::kDefaultSeconds;
    ASSERT_EQ(Names().size(), 7u);

    // By age: radio A's older backup goes, its newest stays though it is as old.
    std::vector<std::string> removed = m_backups.Prune({200, 365});
    EXPECT_EQ(removed.size(), 1u);
    std::vector<std::string> names = Names();
    EXPECT_EQ(names.size(), 6u);
    EXPECT_NE(std::find(names.begin(), names.end(), newestA), names.end());

    // By count: the two newest of all, plus radio A's newest.
    removed = m_backups.Prune({2, 365});
    EXPECT_EQ(removed.size(), 3u);
    names = Names();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].substr(25), "222222222_read.icf");
    EXPECT_EQ(names[1].substr(25), "222222222_read.icf");
    EXPECT_EQ(names[2], newestA);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(m_place.folder) / "notes.txt"));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(m_place.folder) / "boat.icf"));
}

TEST_F(BackupsTest, AFolderThatCannotBeMadeGivesNoBackupAndNoFile) {
    // The folder's parent is a file.
    std::ofstream(m_root / "data") << "in the way";
    EXPECT_FALSE(m_backups.Save(m_image, clsBackupDirection::kWrite, kModelCode, kSubCode, {}));
    EXPECT_TRUE(m_backups.List().empty());
    EXPECT_TRUE(m_backups.Prune({}).empty());
}

}  // namespace
