#include "dialogs/dialog_owner.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/cell_call.h"
#include "overlay/cell_ids.h"

namespace {

// What the engine was handed, copied while the request was alive.
struct Handed {
    int calls = 0;
    int32_t mode = -1;
    int32_t code = -1;
    int32_t itemLabel = CL_None;
    std::string itemText;
    std::string input;
    clsCellRect rect;
    cmcCellObj* cell = nullptr;
    bool notify = false;
};
Handed g_handed;

int32_t RecordingEngine(indActiveCell&, cmcCellCapsule& capsule, bool notify) {
    ++g_handed.calls;
    g_handed.mode = capsule.mode;
    g_handed.code = capsule.requestCode;
    g_handed.itemLabel = capsule.ownerCapsule->cell->GetLabel();
    g_handed.itemText = capsule.ownerCapsule->inputText;
    g_handed.input = capsule.inputText;
    g_handed.rect = *capsule.rectangle;
    g_handed.cell = capsule.cell;
    g_handed.notify = notify;
    return 0;
}

TEST(DialogOwner, CommitsTheTextAsTheOwnersRequestOnAFlexCell) {
    g_handed = {};
    cmcCellObj cell;
    cell.ParseCell("{(%CT_Waypoint.CL_Waypt_Lat[3])}", nullptr, nullptr);
    auto rect = std::make_unique<clsCellRect>(clsCellRect{40, 60, 140, 78});
    cmcCellCapsule owner;
    owner.cell = &cell;
    owner.rectangle = rect.get();
    owner.requestCode = '7';
    owner.mode = clsMode::kOrdinary;
    cuiDialogOwner dialogOwner(owner, &RecordingEngine);
    rect.reset();  // the sheet's request is over; its rectangle is gone

    EXPECT_EQ(dialogOwner.OpeningCode(), '7');
    EXPECT_EQ(dialogOwner.CellRect().left, 40);
    dialogOwner.CommitText(
        "012\xB0"
        "34.5678'N");
    EXPECT_EQ(g_handed.calls, 1);
    EXPECT_EQ(g_handed.mode, clsMode::kCommitted);
    EXPECT_EQ(g_handed.code, clsKey::kNone);
    EXPECT_EQ(g_handed.itemLabel, Flex0);
    EXPECT_EQ(g_handed.itemText,
              "012\xB0"
              "34.5678'N");
    EXPECT_EQ(g_handed.input,
              "012\xB0"
              "34.5678'N");
    EXPECT_EQ(g_handed.rect.bottom, 78);
    EXPECT_EQ(g_handed.cell, &cell);
    EXPECT_TRUE(g_handed.notify);  // the sheet repaints the cell
}

}  // namespace
