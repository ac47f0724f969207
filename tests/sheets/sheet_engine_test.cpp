#include <gtest/gtest.h>

#include "sheet_fixture.h"
#include "sheets/sheet_keys.h"
#include "support/manual_scheduler.h"

namespace {

// An engine that records the codes it is asked and, for 'r', asks for the key again.
struct RecordingEngine {
    static int32_t Evaluate(indActiveCell&, cmcCellCapsule& capsule, bool) {
        if (capsule.painting) return 0;  // paint requests
        calls.push_back({capsule.requestCode, clock != nullptr ? clock->NowMs() : 0});
        if (capsule.requestCode == 'r') capsule.repeatCode = 'r';
        return 0;
    }
    struct Call {
        int32_t code;
        uint32_t at;
    };
    static inline std::vector<Call> calls;
    static inline const ManualScheduler* clock = nullptr;
};

std::vector<std::string> Grid() {
    return {"#GI_Sheet_T_Style",
            "",
            "#",
            "#GI_Sheet_T_BasicCell",
            "{($Basic)}",
            "#",
            "#GI_Sheet_T_Cells",
            SelectableRow("SS"),
            SelectableRow("SS"),
            "#"};
}

TEST(SheetEngineRequests, ArrowsPastTheEdgeAndFunctionKeysGoToTheEngine) {
    SheetFixture fixture(Grid());
    RecordingEngine::calls.clear();
    iuiSheet sheet(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure, fixture.Services(),
                   {});
    sheet.SetEngineEntry(&RecordingEngine::Evaluate);
    sheet.Build();
    sheet.KeyDown(clsSheetKey::kLeft, 0);
    sheet.KeyDown(clsSheetKey::kRight, 0);  // moves: nothing asked
    sheet.KeyDown(clsSheetKey::kRight, 0);
    sheet.KeyDown(clsSheetKey::kUp, 0);  // no request for the rows
    sheet.KeyDown(clsSheetKey::kF1 + 4, 0);
    sheet.PopupCommand(CL_PMenu_Copy);
    std::vector<int32_t> codes;
    for (const auto& call : RecordingEngine::calls)
        codes.push_back(call.code);
    EXPECT_EQ(codes, (std::vector<int32_t>{0x2500, 0x2700, 0x7400, 0}));
}

TEST(SheetEngineRequests, RepeatsComeAfterAShrinkingPauseAndEnd) {
    SheetFixture fixture(Grid());
    ManualScheduler scheduler;
    RecordingEngine::calls.clear();
    RecordingEngine::clock = &scheduler;
    clsSheetServices services = fixture.Services();
    services.timers = &scheduler;
    iuiSheet sheet(fixture.grid, fixture.store, "GI_Sheet_T", fixture.measure, services, {});
    sheet.SetEngineEntry(&RecordingEngine::Evaluate);
    sheet.Build();
    sheet.KeyPress('r');
    scheduler.Advance(1000);
    RecordingEngine::clock = nullptr;
    const auto& calls = RecordingEngine::calls;
    ASSERT_GE(calls.size(), 7u);
    std::vector<uint32_t> pauses;
    for (size_t i = 1; i < 7; ++i)
        pauses.push_back(calls[i].at - calls[i - 1].at);
    EXPECT_EQ(pauses, (std::vector<uint32_t>{30, 24, 18, 12, 6, 0}));
    // An engine that asks again and again is not followed for ever.
    EXPECT_LT(calls.size(), 100u);
    const size_t count = calls.size();
    scheduler.Advance(1000);
    EXPECT_EQ(RecordingEngine::calls.size(), count);
}

}  // namespace
