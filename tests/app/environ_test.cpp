#include "app/environ.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "support/fake_instance_lock.h"
#include "support/fake_screen.h"
#include "support/memory_settings_store.h"

namespace {

const std::string kRoot = "Software\\Orva\\KT-V818X";
const std::string kGlobal = kRoot + "\\Global";
const std::string kRecentList = kRoot + "\\Recent File List";
const std::string kView = kRoot + "\\View Option";
const std::string kWindow = kRoot + "\\Window Position";
const std::string kSetup = kRoot + "\\Setup";
const std::string kSafety = kRoot + "\\Safety";

bool operator==(const datSettings& a, const datSettings& b) {
    return a.stamp == b.stamp && a.fontSizePercentage == b.fontSizePercentage &&
           a.toolbarVisible == b.toolbarVisible && a.fontSizePrinter == b.fontSizePrinter &&
           a.comPort == b.comPort && a.comSpeedHigh == b.comSpeedHigh &&
           a.currentDirectory == b.currentDirectory && a.left == b.left && a.top == b.top &&
           a.width == b.width && a.height == b.height && a.splitterV == b.splitterV &&
           a.modelType == b.modelType && a.chListType == b.chListType &&
           a.reviewBeforeWrite == b.reviewBeforeWrite && a.verifyAfterWrite == b.verifyAfterWrite &&
           a.backupMaxFiles == b.backupMaxFiles && a.backupMaxDays == b.backupMaxDays;
}

// The settings of a user who has changed everything away from its default.
datSettings Customised() {
    datSettings settings;
    settings.stamp = indEnviron::kStamp;
    settings.fontSizePercentage = 150;
    settings.toolbarVisible = 0;
    settings.fontSizePrinter = 11;
    settings.comPort = 7;
    settings.comSpeedHigh = 1;
    settings.currentDirectory = "/home/skipper/radios";
    settings.left = -20;
    settings.top = 30;
    settings.width = 1200;
    settings.height = 900;
    settings.splitterV = 310;
    settings.modelType = 13;
    settings.chListType = 1;
    settings.reviewBeforeWrite = 0;
    settings.verifyAfterWrite = 0;
    settings.backupMaxFiles = 50;
    settings.backupMaxDays = 30;
    return settings;
}

// The settings a first start on a 1024 x 768 screen gets.
datSettings Defaults() {
    datSettings settings;
    settings.stamp = indEnviron::kStamp;
    settings.left = 112;
    settings.top = 50;
    settings.width = 800;
    settings.height = 600;
    return settings;
}

class Environ : public testing::Test {
protected:
    std::unique_ptr<indEnviron> Start() {
        return std::make_unique<indEnviron>(store, lock, screen);
    }

    // Runs the program once with the customised settings and three recent files, so that the
    // store holds a complete, valid set.
    void StoreCustomisedSet() {
        auto environ = Start();
        environ->Settings() = Customised();
        environ->Recent().PushFront("/home/skipper/radios/c.icf");
        environ->Recent().PushFront("/home/skipper/radios/b.icf");
        environ->Recent().PushFront("/home/skipper/radios/a.icf");
    }

    MemorySettingsStore store;
    std::set<std::string> heldLocks;
    FakeInstanceLock lock{heldLocks};
    FakeScreen screen;
};

struct ScreenCase {
    cmcScreenSize screen;
    int32_t left, top, width, height;
};

class EnvironDefaults : public Environ, public testing::WithParamInterface<ScreenCase> {};

TEST_P(EnvironDefaults, AnEmptyStoreStartsWithTheDefaultsAndAWindowFittedToTheScreen) {
    screen.SetSize(GetParam().screen);
    auto environ = Start();
    ASSERT_TRUE(environ->IsFirstInstance());
    datSettings expected = Defaults();
    expected.left = GetParam().left;
    expected.top = GetParam().top;
    expected.width = GetParam().width;
    expected.height = GetParam().height;
    EXPECT_TRUE(environ->Settings() == expected);
    EXPECT_EQ(environ->Recent().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, EnvironDefaults,
                         testing::Values(ScreenCase{{1024, 768}, 112, 50, 800, 600},
                                         ScreenCase{{640, 480}, 32, 14, 576, 432},
                                         ScreenCase{{1920, 1080}, 560, 144, 800, 600},
                                         ScreenCase{{801, 601}, 40, 18, 720, 540}));

TEST_F(Environ, SavesEveryValueUnderItsKeyAndReadsItBack) {
    StoreCustomisedSet();
    EXPECT_EQ(store.FlushCount(), 1);
    const MemorySettingsStore::Contents& saved = store.Flushed();
    using Values = std::map<std::string, MemorySettingsStore::Value>;
    EXPECT_EQ(saved.at(kGlobal), (Values{{"BBT", 753951},
                                         {"ComPort", 7},
                                         {"ComSpeedHigh", 1},
                                         {"Current Directory", "/home/skipper/radios"}}));
    const Values& recent = saved.at(kRecentList);
    ASSERT_EQ(recent.size(), 10u);
    EXPECT_EQ(recent.at("Recent0"), MemorySettingsStore::Value("/home/skipper/radios/a.icf"));
    EXPECT_EQ(recent.at("Recent2"), MemorySettingsStore::Value("/home/skipper/radios/c.icf"));
    EXPECT_EQ(recent.at("Recent3"), MemorySettingsStore::Value(""));
    EXPECT_EQ(recent.at("Recent9"), MemorySettingsStore::Value(""));
    EXPECT_EQ(
        saved.at(kView),
        (Values{{"FontSize Percentage", 150}, {"Toolbar Visible", 0}, {"FontSize Printer", 11}}));
    EXPECT_EQ(
        saved.at(kWindow),
        (Values{{"Left", -20}, {"Top", 30}, {"Width", 1200}, {"Height", 900}, {"SplitterV", 310}}));
    EXPECT_EQ(saved.at(kSetup), (Values{{"ModelType", 13}, {"ChListType", 1}}));
    EXPECT_EQ(saved.at(kSafety), (Values{{"ReviewBeforeWrite", 0},
                                         {"VerifyAfterWrite", 0},
                                         {"BackupMaxFiles", 50},
                                         {"BackupMaxDays", 30}}));

    auto environ = Start();
    EXPECT_TRUE(environ->Settings() == Customised());
    // The empty texts stored beyond the third file come back as one empty entry.
    ASSERT_EQ(environ->Recent().Count(), 4);
    EXPECT_EQ(environ->Recent().Path(0), "/home/skipper/radios/a.icf");
    EXPECT_EQ(environ->Recent().Path(2), "/home/skipper/radios/c.icf");
    EXPECT_EQ(environ->Recent().Path(3), "");
}

struct ClampCase {
    const char* key;
    const char* name;
    int32_t stored;
    int32_t datSettings::*field;
    int32_t read;
};

class EnvironClamps : public Environ, public testing::WithParamInterface<ClampCase> {};

TEST_P(EnvironClamps, ValuesOutOfRangeAreBroughtIntoRange) {
    StoreCustomisedSet();
    store.Put(kRoot + "\\" + GetParam().key, GetParam().name, GetParam().stored);
    auto environ = Start();
    EXPECT_EQ(environ->Settings().*GetParam().field, GetParam().read);
    EXPECT_EQ(environ->Settings().splitterV, 310);  // the rest as stored
}

INSTANTIATE_TEST_SUITE_P(
    Values, EnvironClamps,
    testing::Values(
        ClampCase{"Global", "ComPort", 0, &datSettings::comPort, 1},
        ClampCase{"Global", "ComPort", 300, &datSettings::comPort, 256},
        ClampCase{"Global", "ComPort", 256, &datSettings::comPort, 256},
        ClampCase{"Global", "ComSpeedHigh", -1, &datSettings::comSpeedHigh, 0},
        ClampCase{"Global", "ComSpeedHigh", 2, &datSettings::comSpeedHigh, 1},
        ClampCase{"View Option", "FontSize Percentage", 10, &datSettings::fontSizePercentage, 25},
        ClampCase{"View Option", "FontSize Percentage", 5000, &datSettings::fontSizePercentage,
                  1000},
        ClampCase{"View Option", "Toolbar Visible", -7, &datSettings::toolbarVisible, 1},
        ClampCase{"View Option", "FontSize Printer", 20, &datSettings::fontSizePrinter, 12},
        ClampCase{"View Option", "FontSize Printer", 7, &datSettings::fontSizePrinter, 8},
        ClampCase{"Setup", "ChListType", 2, &datSettings::chListType, 1},
        ClampCase{"Setup", "ModelType", 16, &datSettings::modelType, 16},
        ClampCase{"Window Position", "Top", -5000, &datSettings::top, -5000},
        ClampCase{"Safety", "ReviewBeforeWrite", 5, &datSettings::reviewBeforeWrite, 1},
        ClampCase{"Safety", "BackupMaxFiles", 0, &datSettings::backupMaxFiles, 1},
        ClampCase{"Safety", "BackupMaxDays", 100000, &datSettings::backupMaxDays, 36500}));

// The safety settings came later than the others: a store without them (or with one of them
// damaged) keeps every other setting and gives those their defaults.
TEST_F(Environ, AStoreWithoutTheSafetySettingsKeepsTheRestAndTakesTheirDefaults) {
    StoreCustomisedSet();
    store.DeleteKey(kSafety);
    datSettings expected = Customised();
    const datSettings defaults;
    expected.reviewBeforeWrite = defaults.reviewBeforeWrite;
    expected.verifyAfterWrite = defaults.verifyAfterWrite;
    expected.backupMaxFiles = defaults.backupMaxFiles;
    expected.backupMaxDays = defaults.backupMaxDays;
    EXPECT_TRUE(Start()->Settings() == expected);

    StoreCustomisedSet();
    store.Put(kSafety, "BackupMaxDays", "a year");
    expected = Customised();
    expected.backupMaxDays = defaults.backupMaxDays;
    EXPECT_TRUE(Start()->Settings() == expected);
}

struct Damage {
    const char* what;
    std::function<void(MemorySettingsStore&)> apply;
};

class EnvironDamage : public Environ, public testing::WithParamInterface<Damage> {};

TEST_P(EnvironDamage, ResetsEverySettingTheRecentListIncluded) {
    StoreCustomisedSet();
    GetParam().apply(store);
    auto environ = Start();
    EXPECT_TRUE(environ->Settings() == Defaults());
    EXPECT_EQ(environ->Recent().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Store, EnvironDamage,
    testing::Values(
        Damage{"another stamp", [](MemorySettingsStore& s) { s.Put(kGlobal, "BBT", 753950); }},
        Damage{"no SplitterV", [](MemorySettingsStore& s) { s.Erase(kWindow, "SplitterV"); }},
        Damage{"no FontSize Printer",
               [](MemorySettingsStore& s) { s.Erase(kView, "FontSize Printer"); }},
        Damage{"no Setup key", [](MemorySettingsStore& s) { s.DeleteKey(kSetup); }},
        Damage{"no Recent File List key", [](MemorySettingsStore& s) { s.DeleteKey(kRecentList); }},
        Damage{"ComPort as a text",
               [](MemorySettingsStore& s) { s.Put(kGlobal, "ComPort", "COM3"); }},
        Damage{"Current Directory as a number",
               [](MemorySettingsStore& s) { s.Put(kGlobal, "Current Directory", 5); }},
        Damage{"Recent4 as a number",
               [](MemorySettingsStore& s) { s.Put(kRecentList, "Recent4", 0); }}),
    [](const testing::TestParamInfo<Damage>& info) {
        std::string name = info.param.what;
        std::erase(name, ' ');
        return name;
    });

TEST_F(Environ, MissingTextsReadAsEmpty) {
    StoreCustomisedSet();
    store.Erase(kGlobal, "Current Directory");
    store.Erase(kRecentList, "Recent0");
    auto environ = Start();
    EXPECT_EQ(environ->Settings().currentDirectory, "");
    EXPECT_EQ(environ->Settings().comPort, 7);
    // Recent0 reads as empty and is listed; the later empty entries merge into it.
    ASSERT_EQ(environ->Recent().Count(), 3);
    EXPECT_EQ(environ->Recent().Path(0), "/home/skipper/radios/b.icf");
    EXPECT_EQ(environ->Recent().Path(2), "");
}

TEST_F(Environ, AFailedWriteSkipsTheRestOfTheSaveAndLeavesAReadableSet) {
    StoreCustomisedSet();
    {
        auto environ = Start();
        environ->Settings().comPort = 2;     // Global: written
        environ->Settings().splitterV = 99;  // Window Position: never reached
        environ->Recent().PushFront("/new.icf");
        store.FailWritesAfter(4);  // BBT, ComPort, ComSpeedHigh, Current Directory
    }
    store.FailWritesAfter(-1);
    auto environ = Start();
    EXPECT_EQ(environ->Settings().comPort, 2);
    EXPECT_EQ(environ->Settings().splitterV, 310);
    EXPECT_EQ(environ->Recent().Path(0), "/home/skipper/radios/a.icf");
}

TEST_F(Environ, AFailedFlushKeepsThePreviousSettings) {
    StoreCustomisedSet();
    const MemorySettingsStore::Contents before = store.Flushed();
    {
        auto environ = Start();
        environ->Settings().comPort = 2;
        store.FailFlush(true);
    }
    EXPECT_EQ(store.Flushed(), before);
}

TEST_F(Environ, ASecondInstanceReadsNothingAndSavesNothing) {
    StoreCustomisedSet();
    auto first = Start();
    ASSERT_TRUE(first->IsFirstInstance());
    first->Settings().comPort = 3;
    const int flushes = store.FlushCount();
    const MemorySettingsStore::Contents before = store.Current();
    {
        FakeInstanceLock secondLock(heldLocks);
        indEnviron second(store, secondLock, screen);
        EXPECT_FALSE(second.IsFirstInstance());
        EXPECT_FALSE(secondLock.IsHeld());
        EXPECT_EQ(second.Recent().Count(), 0);
        EXPECT_NE(second.Settings().comPort, 7);  // not read
        second.Settings().comPort = 9;
    }
    EXPECT_EQ(store.Current(), before);
    EXPECT_EQ(store.FlushCount(), flushes);

    first.reset();
    EXPECT_TRUE(heldLocks.empty());
    auto next = Start();
    EXPECT_TRUE(next->IsFirstInstance());
    EXPECT_EQ(next->Settings().comPort, 3);
}

TEST_F(Environ, ColumnWidthsLiveInTheirOwnKeys) {
    auto environ = Start();
    const std::string intCh = environ->ColumnWidthKey("IntCh");
    const std::string dsc = environ->ColumnWidthKey("DscCh");
    EXPECT_EQ(intCh, kRoot + "\\Display\\IntCh\\colwidth");
    EXPECT_EQ(environ->ReadRegistryInt(intCh, "0"), -1);

    environ->WriteRegistryInt(intCh, 64, "0");
    environ->WriteRegistryInt(intCh, 120, "3");
    environ->WriteRegistryInt(dsc, 80, "1");
    store.Put(intCh, "4", "wide");
    EXPECT_EQ(environ->ReadRegistryInt(intCh, "0"), 64);
    EXPECT_EQ(environ->ReadRegistryInt(intCh, "3"), 120);
    EXPECT_EQ(environ->ReadRegistryInt(intCh, "4"), -1);

    environ->DeleteRegistryKey(kRoot + "\\Display", "IntCh");
    environ->DeleteRegistryKey(kRoot + "\\Missing", "IntCh");
    EXPECT_FALSE(store.HasKey(intCh));
    EXPECT_EQ(environ->ReadRegistryInt(intCh, "0"), -1);
    EXPECT_EQ(environ->ReadRegistryInt(dsc, "1"), 80);
}

}  // namespace
