#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QString>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "platform/qt/qsettings_store.h"
#include "support/memory_settings_store.h"
#include "support/test_paths.h"

// One suite for every settings store: the program must not be able to tell them apart.

namespace {

const std::string kRoot = "Software\\Orva\\KT-V818X";

class MemoryStoreRig {
public:
    cmcSettingsStore& Store() { return *m_store; }
    // The next start of the program: only what was flushed is there.
    void Reopen() {
        auto next = std::make_unique<MemorySettingsStore>();
        for (const auto& [key, values] : m_store->Flushed())
            for (const auto& [name, value] : values)
                next->Put(key, name, value);
        m_store = std::move(next);
    }

private:
    std::unique_ptr<MemorySettingsStore> m_store = std::make_unique<MemorySettingsStore>();
};

// QSettings in its native format, pointed at a temporary folder so that the user's own settings
// are never touched.
class QSettingsStoreRig {
public:
    QSettingsStoreRig() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(m_folder.path().string()));
        m_store = std::make_unique<cmcQSettingsStore>();
    }
    cmcSettingsStore& Store() { return *m_store; }
    void Reopen() {
        m_store.reset();
        m_store = std::make_unique<cmcQSettingsStore>();
    }

private:
    TempFolder m_folder;
    std::unique_ptr<cmcQSettingsStore> m_store;
};

template <typename Rig>
class SettingsStoreContract : public testing::Test {
protected:
    cmcSettingsStore& store() { return m_rig.Store(); }
    void Reopen() { m_rig.Reopen(); }

private:
    Rig m_rig;
};

using Rigs = testing::Types<MemoryStoreRig, QSettingsStoreRig>;
TYPED_TEST_SUITE(SettingsStoreContract, Rigs);

TYPED_TEST(SettingsStoreContract, MissingKeysAndValuesAreMissing) {
    cmcSettingsStore& store = this->store();
    int32_t number = 5;
    std::string text = "x";
    EXPECT_FALSE(store.HasKey(kRoot + "\\Global"));
    EXPECT_EQ(store.ReadInt(kRoot + "\\Global", "BBT", number), cmcStoreRead::Missing);
    EXPECT_EQ(store.ReadString(kRoot + "\\Global", "Current Directory", text),
              cmcStoreRead::Missing);
    ASSERT_TRUE(store.WriteInt(kRoot + "\\Global", "ComPort", 3));
    EXPECT_EQ(store.ReadInt(kRoot + "\\Global", "BBT", number), cmcStoreRead::Missing);
    EXPECT_EQ(number, 5);
    EXPECT_EQ(text, "x");
}

TYPED_TEST(SettingsStoreContract, ValuesComeBackExactlyAfterAFlush) {
    const std::string global = kRoot + "\\Global";
    const int32_t numbers[] = {0, -1, 753951, std::numeric_limits<int32_t>::min(),
                               std::numeric_limits<int32_t>::max()};
    const std::string texts[] = {"",
                                 "C:\\Radios\\My Boat.icf",
                                 "/home/a, b; c=d #e [f]",
                                 "@Variant(x)",
                                 "  padded  ",
                                 "\"quoted\"",
                                 "1234",
                                 "D\xE4ten \xFF\x01"};
    for (size_t i = 0; i < std::size(numbers); ++i)
        ASSERT_TRUE(this->store().WriteInt(global, "N" + std::to_string(i), numbers[i]));
    for (size_t i = 0; i < std::size(texts); ++i)
        ASSERT_TRUE(this->store().WriteString(global, "T " + std::to_string(i), texts[i]));
    ASSERT_TRUE(this->store().Flush());
    this->Reopen();

    for (size_t i = 0; i < std::size(numbers); ++i) {
        int32_t number = 0;
        EXPECT_EQ(this->store().ReadInt(global, "N" + std::to_string(i), number), cmcStoreRead::Ok);
        EXPECT_EQ(number, numbers[i]);
    }
    for (size_t i = 0; i < std::size(texts); ++i) {
        std::string text;
        EXPECT_EQ(this->store().ReadString(global, "T " + std::to_string(i), text),
                  cmcStoreRead::Ok);
        EXPECT_EQ(text, texts[i]) << i;
    }
}

TYPED_TEST(SettingsStoreContract, ATextIsNoInteger) {
    const std::string global = kRoot + "\\Global";
    ASSERT_TRUE(this->store().WriteString(global, "ComPort", "COM3"));
    ASSERT_TRUE(this->store().WriteString(global, "Huge", "99999999999"));
    ASSERT_TRUE(this->store().Flush());
    this->Reopen();
    int32_t number = 0;
    EXPECT_EQ(this->store().ReadInt(global, "ComPort", number), cmcStoreRead::WrongType);
    EXPECT_EQ(this->store().ReadInt(global, "Huge", number), cmcStoreRead::WrongType);
}

TYPED_TEST(SettingsStoreContract, KeysExistWithWhatIsBelowThemAndGoWithIt) {
    cmcSettingsStore& store = this->store();
    const std::string display = kRoot + "\\Display";
    const std::string intCh = display + "\\IntCh\\colwidth";
    const std::string dsc = display + "\\DscCh\\colwidth";
    ASSERT_TRUE(store.WriteInt(intCh, "0", 64));
    ASSERT_TRUE(store.WriteInt(dsc, "0", 80));
    ASSERT_TRUE(store.WriteInt(kRoot + "\\Setup", "ModelType", 3));
    EXPECT_TRUE(store.HasKey(kRoot));
    EXPECT_TRUE(store.HasKey(display));
    EXPECT_TRUE(store.HasKey(display + "\\IntCh"));
    EXPECT_TRUE(store.HasKey(intCh));
    EXPECT_FALSE(store.HasKey(display + "\\Int"));

    EXPECT_TRUE(store.DeleteKey(display + "\\IntCh"));
    EXPECT_TRUE(store.DeleteKey(display + "\\Missing"));
    ASSERT_TRUE(store.Flush());
    this->Reopen();
    int32_t number = 0;
    EXPECT_FALSE(this->store().HasKey(intCh));
    EXPECT_FALSE(this->store().HasKey(display + "\\IntCh"));
    EXPECT_EQ(this->store().ReadInt(intCh, "0", number), cmcStoreRead::Missing);
    EXPECT_EQ(this->store().ReadInt(dsc, "0", number), cmcStoreRead::Ok);
    EXPECT_EQ(number, 80);
    EXPECT_EQ(this->store().ReadInt(kRoot + "\\Setup", "ModelType", number), cmcStoreRead::Ok);
    EXPECT_EQ(number, 3);
}

}  // namespace
