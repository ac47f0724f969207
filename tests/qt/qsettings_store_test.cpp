#include "platform/qt/qsettings_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <memory>
#include <set>
#include <string>

#include "app/environ.h"
#include "platform/qt/file_instance_lock.h"
#include "platform/qt/qt_screen.h"
#include "support/test_paths.h"

namespace {

const std::string kRoot = "Software\\Orva\\KT-V818X";

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(contents), contents.size());
}

// The program's settings over the real adapters: QSettings in its native format, pointed at a
// temporary folder, a lock file in that folder, and the offscreen screen.
class QtSettings : public testing::Test {
protected:
    QtSettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder()); }

    QString Folder() const { return QString::fromStdString(m_folder.path().string()); }
    QString SettingsFile() const { return Folder() + "/Orva/KT-V818X.conf"; }

    // One run of the program: change is applied to the settings it starts with.
    datSettings Run(const std::function<void(indEnviron&)>& change = {}) {
        cmcQSettingsStore store;
        cmcFileInstanceLock lock(Folder());
        cmcQtScreen screen;
        indEnviron environ(store, lock, screen);
        EXPECT_TRUE(environ.IsFirstInstance());
        const datSettings found = environ.Settings();
        if (change) change(environ);
        return found;
    }

    // The defaults on the offscreen screen of 800 x 800.
    static datSettings OffscreenDefaults() {
        datSettings settings;
        settings.stamp = indEnviron::kStamp;
        settings.width = 720;
        settings.height = 600;
        settings.left = 40;
        settings.top = 60;
        return settings;
    }

    static void Customise(indEnviron& environ) {
        environ.Settings().comPort = 7;
        environ.Settings().currentDirectory = "/home/skipper/radios";
        environ.Settings().splitterV = 310;
        environ.Settings().modelType = 13;
        environ.Recent().PushFront("/home/skipper/radios/a.icf");
    }

private:
    TempFolder m_folder;
};

bool SameSettings(const datSettings& a, const datSettings& b) {
    return a.stamp == b.stamp && a.fontSizePercentage == b.fontSizePercentage &&
           a.toolbarVisible == b.toolbarVisible && a.fontSizePrinter == b.fontSizePrinter &&
           a.comPort == b.comPort && a.comSpeedHigh == b.comSpeedHigh &&
           a.currentDirectory == b.currentDirectory && a.left == b.left && a.top == b.top &&
           a.width == b.width && a.height == b.height && a.splitterV == b.splitterV &&
           a.modelType == b.modelType && a.chListType == b.chListType;
}

TEST_F(QtSettings, TheProgramsSettingsLiveInTheUsersNativeFileUnderItsKeyNames) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(800, 800));
    EXPECT_TRUE(SameSettings(Run(Customise), OffscreenDefaults()));

    EXPECT_EQ(cmcQSettingsStore().Location(), SettingsFile());
    const QByteArray file = ReadFile(SettingsFile());
    EXPECT_TRUE(file.contains("[Global]\nBBT=753951\nComPort=7\n")) << file.constData();
    EXPECT_TRUE(file.contains("[Recent%20File%20List]\nRecent0=/home/skipper/radios/a.icf\n"));
    EXPECT_TRUE(file.contains("SplitterV=310"));

    const datSettings second = Run();
    EXPECT_EQ(second.comPort, 7);
    EXPECT_EQ(second.currentDirectory, "/home/skipper/radios");
    EXPECT_EQ(second.splitterV, 310);
    EXPECT_EQ(second.modelType, 13);
}

TEST_F(QtSettings, KeyPathsOutsideTheRootAreNotTheProgramsToTouch) {
    cmcQSettingsStore store;
    int32_t number = 0;
    EXPECT_FALSE(store.WriteInt("Software\\Orva\\KT-V818X2\\Global", "BBT", 1));
    EXPECT_FALSE(store.WriteInt("Software\\Other\\Global", "BBT", 1));
    EXPECT_FALSE(store.WriteInt(kRoot + "\\Global", "a/b", 1));
    EXPECT_FALSE(store.WriteInt(kRoot + "\\\\Global", "BBT", 1));
    EXPECT_EQ(store.ReadInt("Software\\Other\\Global", "BBT", number), cmcStoreRead::Missing);
    EXPECT_FALSE(store.DeleteKey("Software\\Other"));
    EXPECT_TRUE(store.Flush());
    EXPECT_FALSE(QFile::exists(SettingsFile()));
}

TEST_F(QtSettings, AHandWrittenFileReadsAsTheRegistryWould) {
    WriteFile(SettingsFile(),
              "[Global]\nComPort=12\nSpeed= -3 \nName=COM3\nHuge=4294967296\n"
              "[Display]\nIntCh\\colwidth\\0=64\n");
    // Organisation-wide and system-wide files do not stand behind the user's own.
    WriteFile(Folder() + "/Orva.conf", "[Global]\nBBT=753951\n");
    cmcQSettingsStore store;
    int32_t number = 0;
    EXPECT_EQ(store.ReadInt(kRoot + "\\Global", "ComPort", number), cmcStoreRead::Ok);
    EXPECT_EQ(number, 12);
    EXPECT_EQ(store.ReadInt(kRoot + "\\Global", "Speed", number), cmcStoreRead::Ok);
    EXPECT_EQ(number, -3);
    EXPECT_EQ(store.ReadInt(kRoot + "\\Global", "Name", number), cmcStoreRead::WrongType);
    EXPECT_EQ(store.ReadInt(kRoot + "\\Global", "Huge", number), cmcStoreRead::WrongType);
    EXPECT_EQ(store.ReadInt(kRoot + "\\Global", "BBT", number), cmcStoreRead::Missing);
    EXPECT_EQ(store.ReadInt(kRoot + "\\Display\\IntCh\\colwidth", "0", number), cmcStoreRead::Ok);
    EXPECT_EQ(number, 64);
}

struct DamagedFile {
    const char* what;
    QByteArray (*damage)(const QByteArray& good);
};

class QtSettingsDamage : public QtSettings, public testing::WithParamInterface<DamagedFile> {};

TEST_P(QtSettingsDamage, StartsWithTheDefaultsAndTheNextSaveRepairsTheFile) {
    Run(Customise);
    WriteFile(SettingsFile(), GetParam().damage(ReadFile(SettingsFile())));

    EXPECT_TRUE(SameSettings(Run([](indEnviron& environ) { environ.Settings().comPort = 4; }),
                             OffscreenDefaults()));
    EXPECT_EQ(Run().comPort, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Files, QtSettingsDamage,
    testing::Values(DamagedFile{"HalfWritten",
                                [](const QByteArray& good) { return good.left(good.size() / 2); }},
                    DamagedFile{"Binary",
                                [](const QByteArray&) {
                                    QByteArray junk;
                                    for (int i = 0; i < 600; ++i)
                                        junk.append(static_cast<char>(i * 37 + 11));
                                    return junk;
                                }},
                    DamagedFile{"UnclosedSection",
                                [](const QByteArray& good) {
                                    QByteArray bad = good;
                                    return bad.replace("[Setup]", "[Setup");
                                }},
                    DamagedFile{"WrongType",
                                [](const QByteArray& good) {
                                    QByteArray bad = good;
                                    return bad.replace("ComPort=7", "ComPort=COM7");
                                }},
                    DamagedFile{"Empty", [](const QByteArray&) { return QByteArray(); }}),
    [](const testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.what); });

// Lowers the largest file this process may write to nothing, as a full disk would, for as long as
// it lives.
class NoRoomOnDisk {
public:
    NoRoomOnDisk() {
        m_signal = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_limit);
        rlimit none = m_limit;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoRoomOnDisk() {
        setrlimit(RLIMIT_FSIZE, &m_limit);
        signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_limit{};
    sighandler_t m_signal;
};

TEST_F(QtSettings, AFailedSaveLeavesThePreviousFileAsItWas) {
    Run(Customise);
    const QByteArray before = ReadFile(SettingsFile());
    ASSERT_FALSE(before.isEmpty());
    {
        cmcQSettingsStore store;
        ASSERT_TRUE(store.WriteInt(kRoot + "\\Global", "ComPort", 2));
        NoRoomOnDisk full;
        EXPECT_FALSE(store.Flush());
    }
    {
        NoRoomOnDisk full;
        Run([](indEnviron& environ) { environ.Settings().comPort = 3; });
    }
    EXPECT_EQ(ReadFile(SettingsFile()), before);
}

}  // namespace
