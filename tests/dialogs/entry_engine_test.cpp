// The masked entry and its commit against the real cell value engine: what the engine opens the
// dialog with, typed over as a user would, comes back into the image.
#include <gtest/gtest.h>

#include "dialogs/dialog_owner.h"
#include "dialogs/masked_entry.h"
#include "engine/fake_engine_host.h"
#include "model/cell_request.h"
#include "model/channel_record.h"
#include "support/fake_grid.h"

namespace {

constexpr int32_t kWaypointBase = 0x4160;
constexpr int32_t kWaypointSize = 20;

class EntryWithTheEngine : public testing::Test {
protected:
    EntryWithTheEngine() { SetEngineHost(&host); }
    ~EntryWithTheEngine() override { SetEngineHost(nullptr); }

    // The dialog the engine opens for key on the cell, typed into and committed.
    void EditThroughTheDialog(cmcCellObj& cell, int32_t key, const std::string& typed) {
        cmcCellCapsule capsule;
        capsule.cell = &cell;
        capsule.grid = &grid;
        capsule.rectangle = &rect;
        capsule.requestCode = key;
        indActiveCell context;
        EvaluateCell(context, capsule, false);
        ASSERT_EQ(host.windows.size(), 1u);
        const FakeEngineHost::Window window = host.windows[0];
        host.windows.clear();
        const clsEntryMask* mask = FindEntryMask(window.label);
        ASSERT_NE(mask, nullptr);
        cuiDialogOwner owner(capsule);
        cuiMaskedEntry entry(*mask, window.key, owner.OpeningCode());
        for (const char c : typed)
            entry.Type(c);
        const std::optional<std::string> text = entry.Commit();
        ASSERT_TRUE(text);
        owner.CommitText(*text);
    }

    datCh Waypoint(int32_t n) {
        datCh record(&host.image);
        record.LoadRecord(clsRecordGroup::Waypoint, n);
        return record;
    }

    FakeEngineHost host;
    FakeGrid grid;
    clsCellRect rect{0, 0, 80, 18};
};

TEST_F(EntryWithTheEngine, ATypedLatitudeAndLongitudeReachTheWaypoint) {
    host.SetByte(kWaypointBase + 2 * kWaypointSize, 0xFF);  // waypoint 2 not in use
    cmcCellObj latitude;
    latitude.ParseCell("{S(%CT_Waypoint.CL_Waypt_Lat[2])}", nullptr, nullptr);
    cmcCellObj longitude;
    longitude.ParseCell("{S(%CT_Waypoint.CL_Waypt_Lon[2])}", nullptr, nullptr);

    EditThroughTheDialog(latitude, '3', "5412345s");  // the 3 that opened it comes first
    EditThroughTheDialog(longitude, clsKey::kEnter, "139590001E");
    const datCh waypoint = Waypoint(2);
    EXPECT_TRUE(waypoint.IsInUse());
    EXPECT_EQ(waypoint.latitude, -(35 * 600000 + 41 * 10000 + 2345));
    EXPECT_EQ(waypoint.longitude, 139 * 600000 + 59 * 10000 + 1);
}

TEST_F(EntryWithTheEngine, AnEntryThatFailsItsCheckLeavesTheWaypointAsItWas) {
    cmcCellObj latitude;
    latitude.ParseCell("{S(%CT_Waypoint.CL_Waypt_Lat[5])}", nullptr, nullptr);
    EditThroughTheDialog(latitude, clsKey::kEnter, "1234567N");
    const int32_t before = Waypoint(5).latitude;
    ASSERT_EQ(before, 12 * 600000 + 34 * 10000 + 5670);
    cmcEeprom image;
    image.SetSize(kImageSize);
    image.Assign(host.image);
    EditThroughTheDialog(latitude, clsKey::kEnter, "9500000N");  // 95 degrees
    EditThroughTheDialog(latitude, clsKey::kEnter, "1260");      // minute 60
    EXPECT_EQ(Waypoint(5).latitude, before);
    EXPECT_TRUE(host.image.Equals(image));
}

}  // namespace
