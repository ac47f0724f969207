// Every model type starts from the initial clone file the overlay names for it; start-up stops
// the program when that file does not load.

#include <gtest/gtest.h>

#include <string>

#include "app/normalise_image.h"
#include "model/clone_file.h"
#include "model/eeprom.h"
#include "overlay/gtex.h"
#include "support/test_paths.h"

namespace {

constexpr int32_t kModelCode = 0x3338;
constexpr int32_t kSubCode = 0x0001;
constexpr int32_t kModelTypeAddress = 0x0EE9;
constexpr int32_t kLayoutAddress = 0x0EEA;
constexpr int32_t kModelTypes = 16;

// The image of model type m, loaded as start-up loads the template.
class InitialImage : public testing::TestWithParam<int32_t> {
protected:
    void SetUp() override {
        cmcGTex store;
        store.SetSourceFile(BinPath("KTV818X.OVL").string());
        m_path = BinPath(store.GetLine("GI_App_InitialFile", GetParam())).string();
        m_image.SetSize(kImageSize);
        cmcClnFile file;
        file.SetImage(m_image);
        file.SetModelCode(kModelCode);
        file.SetSubCode(kSubCode);
        file.SetMapRevisionCheck([](int32_t revision) { return revision == 2; });
        m_result = file.Load(m_path, kCloneFileRanges);
    }

    uint8_t At(int32_t address) const { return m_image.GetByte(address); }
    int32_t CheckOf(int32_t first, int32_t count) const {
        int32_t sum = 0;
        for (int32_t i = 0; i < count; ++i)
            sum += At(first + i);
        return 0xFF - sum % 256;
    }

    std::string m_path;
    cmcEeprom m_image;
    CloneFileResult m_result = CloneFileResult::kFileOpen;
};

TEST_P(InitialImage, LoadsWithItsModelTypeAndLayout) {
    ASSERT_EQ(m_result, CloneFileResult::kOk) << m_path;
    EXPECT_EQ(At(kModelTypeAddress), GetParam());
    EXPECT_EQ(At(kLayoutAddress), 2);
}

TEST_P(InitialImage, HasACheckedFactoryBlockWithAVersion) {
    ASSERT_EQ(m_result, CloneFileResult::kOk) << m_path;
    for (const int32_t digit : {0x015A, 0x015C, 0x015D, 0x015E}) {
        EXPECT_GE(At(digit), '0');
        EXPECT_LE(At(digit), '9');
    }
    constexpr int32_t kBlock = 0x0050;
    constexpr int32_t kCopy = 0x01A0;
    constexpr int32_t kSize = 276;
    for (int32_t i = 0; i < kSize; ++i)
        ASSERT_EQ(At(kCopy + i), At(kBlock + i)) << i;
    EXPECT_TRUE(At(kCopy + kSize - 2) & 0x80);
    EXPECT_EQ(At(kCopy + kSize - 1), CheckOf(kCopy, kSize - 1));
}

// A new document carries no identity: the owner enters the MMSI the licence gives.
TEST_P(InitialImage, HoldsNoIdentity) {
    ASSERT_EQ(m_result, CloneFileResult::kOk) << m_path;
    for (const int32_t identity : {0x20E0, 0x1FF0}) {
        for (int32_t i = 0; i < 6; ++i)
            EXPECT_EQ(At(identity + i), 0xFF) << identity + i;
    }
}

// The template is normalised when it is loaded, and a new document before it is saved or
// written: an initial image is already in that form, so a new document starts unmodified.
TEST_P(InitialImage, IsAlreadyNormalised) {
    ASSERT_EQ(m_result, CloneFileResult::kOk) << m_path;
    for (const int32_t mode : {clsNormaliseMode::kAfterLoad, clsNormaliseMode::kBeforeWrite}) {
        cmcEeprom normalised;
        normalised.Assign(m_image);
        NormaliseImage(normalised, m_image, GetParam(), mode);
        for (int32_t address = 0; address < kImageSize; ++address) {
            ASSERT_EQ(normalised.GetByte(address), At(address))
                << "mode " << mode << " changes address " << std::hex << address;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryModelType, InitialImage, testing::Range(0, kModelTypes));

}  // namespace
