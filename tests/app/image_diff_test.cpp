// The comparison of two images by the cells of the pages: what it names, and that its shortcut
// (only the cells that read a differing byte are evaluated again) gives what evaluating every
// cell of every page gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/environ.h"
#include "app/fake_frame.h"
#include "app/image_diff.h"
#include "app/image_identity.h"
#include "app/radio_controller.h"
#include "app/tree_pages.h"
#include "model/channel_record.h"
#include "model/clone_file.h"
#include "overlay/cell_ids.h"
#include "sheets/radio_sheet.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"
#include "support/test_paths.h"

namespace {

class ImageDiffTest : public testing::Test {
protected:
    ImageDiffTest() { Main().Setup(&m_frame, {"ktv818x"}); }
    indMain& Main() { return m_rig.Main(); }

    void LoadInitial(int32_t modelType, cmcEeprom& image) {
        image.SetSize(kImageSize);
        cmcClnFile file;
        file.SetImage(image);
        file.SetModelCode(kModelCode);
        file.SetSubCode(kSubCode);
        file.SetMapRevisionCheck([](int32_t revision) { return revision == kMapRevision; });
        const std::string name =
            "model_" + std::string(modelType < 10 ? "0" : "") + std::to_string(modelType) + ".icf";
        ASSERT_EQ(file.Load((BinPath("initial") / name).string(), kCloneFileRanges),
                  CloneFileResult::kOk);
    }

    // Every cell text of every page over image, evaluated the slow way: the oracle.
    std::vector<std::string> AllTexts(const cmcEeprom& image) {
        cmcEeprom kept;
        kept.Assign(Main().WorkingImage());
        datSettings& settings = m_rig.Environ().Settings();
        const int32_t keptType = settings.modelType;
        Main().WorkingImage().Assign(image);
        if (image.GetByte(kModelTypeAddress) < kModelTypeCount)
            settings.modelType = image.GetByte(kModelTypeAddress);
        std::vector<std::string> texts;
        for (auto& listing : Listings()) {
            for (const auto& [col, row] : m_places[&listing - Listings().data()])
                texts.push_back(listing->Text(col, row));
        }
        Main().WorkingImage().Assign(kept);
        settings.modelType = keptType;
        return texts;
    }

    // The listings of the pages and, per page, the cells the comparison takes (built once).
    std::vector<std::unique_ptr<cuiSheetListing>>& Listings() {
        if (m_listings.empty()) {
            std::set<std::tuple<int32_t, int32_t, int32_t>> seen;
            for (const datTreePage& page : ReadTreePages(m_rig.GTex())) {
                if (page.makerOnly) continue;
                m_listings.push_back(std::make_unique<cuiSheetListing>(m_rig.GTex(), page.sheetKey,
                                                                       RadioSheetState(Main())));
                cuiSheetListing& listing = *m_listings.back();
                m_places.emplace_back();
                for (int32_t row = listing.Sheet().FixedRows(); row < listing.RowCount(); ++row) {
                    for (int32_t col = listing.Sheet().FixedCols(); col < listing.ColCount();
                         ++col) {
                        const cmcCellObj& cell = listing.Cell(col, row);
                        if (cell.GetLabel() == CL_None || !cell.IsSelectable()) continue;
                        if (seen.emplace(cell.GetCategory(), cell.GetLabel(), cell.GetIndex())
                                .second)
                            m_places.back().emplace_back(col, row);
                    }
                }
            }
        }
        return m_listings;
    }

    // The pairs of texts that differ between the oracle's evaluations of a and b.
    std::vector<std::pair<std::string, std::string>> OracleChanges(const cmcEeprom& a,
                                                                   const cmcEeprom& b) {
        const std::vector<std::string> before = AllTexts(a);
        const std::vector<std::string> after = AllTexts(b);
        std::vector<std::pair<std::string, std::string>> changes;
        for (size_t i = 0; i < before.size(); ++i)
            if (before[i] != after[i]) changes.emplace_back(before[i], after[i]);
        return changes;
    }

    static std::vector<std::pair<std::string, std::string>> Pairs(
        const datImageDifferences& differences) {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const datCellDifference& cell : differences.cells)
            pairs.emplace_back(cell.before, cell.after);
        return pairs;
    }

    // The comparison's claims checked against the oracle: the same changed cells in the same
    // order, every differing byte either shown by a cell or listed, and a listed byte put alone
    // into a changes no text (sampled, the oracle is slow).
    void CheckAgainstOracle(const cmcEeprom& a, const cmcEeprom& b) {
        const datImageDifferences differences = Main().ImageDiff().Compare(a, b);
        EXPECT_EQ(Pairs(differences), OracleChanges(a, b));
        std::set<int32_t> listed;
        for (const datByteDifference& byte : differences.bytes) {
            EXPECT_NE(byte.before, byte.after);
            EXPECT_EQ(byte.before, a.GetByte(byte.address));
            EXPECT_EQ(byte.after, b.GetByte(byte.address));
            listed.insert(byte.address);
        }
        std::vector<int32_t> shown;
        for (int32_t address = 0; address < kImageSize; ++address) {
            if (a.GetByte(address) != b.GetByte(address) && !listed.count(address))
                shown.push_back(address);
        }
        std::mt19937 random(23);
        std::vector<int32_t> listedSample(listed.begin(), listed.end());
        std::shuffle(listedSample.begin(), listedSample.end(), random);
        std::shuffle(shown.begin(), shown.end(), random);
        const auto changesAlone = [&](int32_t address) {
            cmcEeprom one;
            one.Assign(a);
            one.SetByte(address, b.GetByte(address));
            return !OracleChanges(a, one).empty();
        };
        for (size_t i = 0; i < std::min<size_t>(listedSample.size(), 6); ++i)
            EXPECT_FALSE(changesAlone(listedSample[i])) << listedSample[i];
        for (size_t i = 0; i < std::min<size_t>(shown.size(), 6); ++i)
            EXPECT_TRUE(changesAlone(shown[i])) << shown[i];
    }

    ManualScheduler m_scheduler;
    FakeSerialBackend m_serial{m_scheduler};
    ControllerRig m_rig{m_serial, m_scheduler, m_scheduler};
    FakeFrame m_frame;
    std::vector<std::unique_ptr<cuiSheetListing>> m_listings;
    std::vector<std::vector<std::pair<int32_t, int32_t>>> m_places;
};

TEST_F(ImageDiffTest, IdenticalImagesDifferInNothingAndTheDocumentStaysAsItWas) {
    cmcEeprom image;
    image.Assign(Main().WorkingImage());
    cmcEeprom other;
    other.Assign(image);
    EXPECT_TRUE(Main().ImageDiff().Compare(image, other).IsEmpty());

    other.SetByte(0x1000, static_cast<uint8_t>(~other.GetByte(0x1000)));
    Main().WorkingImage().SetByte(0x2000, 0x5A);
    cmcEeprom working;
    working.Assign(Main().WorkingImage());
    const int32_t modelType = m_rig.Environ().Settings().modelType;
    Main().ImageDiff().Compare(image, other);
    EXPECT_FALSE(Main().WorkingImage().Differs(working));
    // Either image may be the working image itself.
    const datImageDifferences differences =
        Main().ImageDiff().Compare(Main().WorkingImage(), other);
    EXPECT_FALSE(Main().WorkingImage().Differs(working));
    for (const datByteDifference& byte : differences.bytes) {
        EXPECT_EQ(byte.before, working.GetByte(byte.address));
        EXPECT_EQ(byte.after, other.GetByte(byte.address));
    }
    EXPECT_EQ(m_rig.Environ().Settings().modelType, modelType);
}

TEST_F(ImageDiffTest, OneChannelCommentIsNamedByPageRowAndColumnOnEveryPageThatShowsIt) {
    cmcEeprom before;
    before.Assign(Main().WorkingImage());
    cmcEeprom after;
    after.Assign(before);
    datCh record(&after);
    record.LoadRecord(clsRecordGroup::IntCh, 15);
    std::memcpy(record.name, "CALLING   ", sizeof record.name);
    record.StoreRecord();
    const datImageDifferences differences = Main().ImageDiff().Compare(before, after);
    ASSERT_FALSE(differences.cells.empty());
    EXPECT_TRUE(differences.bytes.empty());
    // The first is the International page's; the comment is shared by the banks that list the
    // channel, each page naming it by the same row.
    const std::string& first = differences.cells.front().name;
    ASSERT_EQ(first.rfind("International channels, ", 0), 0u) << first;
    const std::string row = first.substr(first.find(", "));
    EXPECT_EQ(row.substr(row.size() - 9), ", Comment") << first;
    for (const datCellDifference& cell : differences.cells) {
        EXPECT_NE(cell.name.find(row), std::string::npos) << cell.name;
        EXPECT_EQ(cell.after.substr(0, 7), "CALLING") << cell.name;
        EXPECT_NE(cell.before, cell.after);
    }
}

TEST_F(ImageDiffTest, InitialFilesOfTwoModelsGiveWhatEvaluatingEveryCellGives) {
    cmcEeprom a;
    cmcEeprom b;
    LoadInitial(0, a);
    LoadInitial(3, b);
    CheckAgainstOracle(a, b);
}

TEST_F(ImageDiffTest, ARandomImageAgainstAnInitialFileNamesEveryDifferingByte) {
    cmcEeprom a;
    LoadInitial(0, a);
    cmcEeprom b;
    b.SetSize(kImageSize);
    std::mt19937 random(5);
    for (int32_t address = 0; address < kImageSize; ++address)
        b.SetByte(address, static_cast<uint8_t>(random()));
    b.SetByte(kLayoutAddress, kMapRevision);
    CheckAgainstOracle(a, b);
}

}  // namespace
