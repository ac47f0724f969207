// Display texts of whole sheets through the cell value engine, as a sheet paints them: every cell
// of a 421-row channel bank (7 columns and the row number) and of the 100 DSC individual IDs (3
// columns and the row number). The goal is a whole bank in under 2 ms.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/environ.h"
#include "base/event_manager.h"
#include "model/cell_engine.h"
#include "model/cell_request.h"
#include "model/channel_clipboard.h"
#include "model/channel_record.h"
#include "model/choice_list.h"
#include "model/eeprom.h"
#include "model/engine_host.h"
#include "overlay/cell_capsule.h"
#include "overlay/cell_obj.h"
#include "overlay/cell_registry.h"
#include "platform/headless_services.h"

namespace {

class OnOffSheets : public clsChoiceSource {
public:
    std::vector<clsChoiceCell> Cells(const std::string&, int32_t* lineCount) override {
        *lineCount = 2;
        return {{1, 0, "OFF", 0, 0}, {1, 1, "ON", 1, 0}};
    }
};

class BenchHost : public cmcEngineHost {
public:
    BenchHost() : environ(store, lock, screen), lists(sheets) {
        image.SetSize(kImageSize);
        // A realistic bank: named channels, some inhibited, a few tagged; half the IDs in use.
        for (int32_t n = 0; n < kBankRows; ++n) {
            image.SetByte(0x04B0 + n,
                          static_cast<uint8_t>((n % 7 == 0 ? 0x80 : 0) | (n % 5 == 0 ? 0x40 : 0)));
            const std::string name = "CH " + std::to_string(n);
            image.WriteBlock(0x0F10 + 10 * n, reinterpret_cast<const uint8_t*>(name.data()),
                             static_cast<int32_t>(name.size()));
        }
        for (int32_t i = 0; i < kDscIdRows; ++i) {
            const uint8_t id[5] = {static_cast<uint8_t>(i % 2 == 0 ? 23 : 0xFF), 11, 22,
                                   static_cast<uint8_t>(i), 0};
            image.WriteBlock(0x22E0 + 16 * i, id, 5);
            image.WriteBlock(0x22E0 + 16 * i + 5, reinterpret_cast<const uint8_t*>("STATION   "),
                             10);
        }
    }
    cmcEeprom& WorkingImage() override { return image; }
    datSettings& Settings() override { return environ.Settings(); }
    cmcEvMan& Events() override { return events; }
    cmcClipCh& Clipboard() override { return clipboard; }
    cmcChoiceLists& ChoiceLists() override { return lists; }
    std::string Text(const std::string&, int32_t) override { return "#"; }
    bool Confirm(const std::string&) override { return true; }
    void RefreshAfterEdit() override {}
    void RunCommand(clsHostCommand, int32_t, const std::string&) override {}
    bool CanPrintCurrentSheet() override { return true; }
    std::string RecentDisplayName(int32_t entry) override {
        return environ.Recent().DisplayName(entry, "/");
    }
    const uint8_t* CloneInformation() override { return info; }
    void OpenSelectionList(const clsCellCall&, const std::string&, int32_t, int32_t) override {}
    void OpenEntryDialog(const clsCellCall&, const std::string&, int32_t) override {}

    cmcEeprom image;
    cmcEmptySettingsStore store;
    cmcNoInstanceLock lock;
    cmcNoScreen screen;
    indEnviron environ;
    cmcEvMan events;
    cmcClipCh clipboard;
    OnOffSheets sheets;
    cmcChoiceLists lists;
    uint8_t info[48] = {};
};

// Paints every cell of rows 0..rows-1 of the given columns once; returns the text bytes made.
size_t PaintSheet(BenchHost& host, int32_t category, const std::vector<int32_t>& labels,
                  int32_t rows) {
    size_t bytes = 0;
    datCh record(&host.image);
    for (int32_t row = 0; row < rows; ++row) {
        for (const int32_t label : labels) {
            clsCellCall call(host, record);
            call.category = category;
            call.label = label;
            call.index = row;
            call.hasGrid = true;
            call.painting = true;
            EvaluateCall(call);
            bytes += call.text.size();
        }
    }
    return bytes;
}

// The same through EvaluateCell, as a sheet paints: one parsed cell per column, a request record
// per cell, each a paint request.
size_t PaintSheetThroughRequests(int32_t category, const std::vector<int32_t>& labels,
                                 int32_t rows) {
    std::vector<cmcCellObj> columns(labels.size());
    for (size_t c = 0; c < labels.size(); ++c) {
        clsSheetVariables variables{};
        columns[c].ParseCell("{(%" +
                                 std::string(category == CT_IntCh ? "CT_IntCh" : "CT_DscIndId") +
                                 "." + std::string(LabelName(labels[c])) + ")}",
                             &variables, nullptr);
    }
    size_t bytes = 0;
    indActiveCell context;
    for (int32_t row = 0; row < rows; ++row) {
        for (cmcCellObj& cell : columns) {
            cell.SetIndex(row);
            cmcCellCapsule capsule;
            capsule.cell = &cell;
            capsule.painting = true;
            EvaluateCell(context, capsule, true);
            bytes += capsule.displayText.size();
        }
    }
    return bytes;
}

void ChannelBank(benchmark::State& state) {
    BenchHost host;
    const std::vector<int32_t> labels = {CL_Misc_ChNo_1Base, CL_ChList_No,     CL_ChList_Atr,
                                         CL_ChList_Tag,      CL_ChList_TxInh,  CL_ChList_Poc,
                                         CL_ChList_Simp,     CL_ChList_Comment};
    for (auto _ : state)
        benchmark::DoNotOptimize(PaintSheet(host, CT_IntCh, labels, kBankRows));
    state.counters["cells"] = static_cast<double>(labels.size() * kBankRows);
}
BENCHMARK(ChannelBank)->Unit(benchmark::kMicrosecond);

void DscIds(benchmark::State& state) {
    BenchHost host;
    const std::vector<int32_t> labels = {CL_Misc_ChNo_1Base, CL_DscIndId_Id, CL_DscIndId_Atr,
                                         CL_DscIndId_Comment};
    for (auto _ : state)
        benchmark::DoNotOptimize(PaintSheet(host, CT_DscIndId, labels, kDscIdRows));
    state.counters["cells"] = static_cast<double>(labels.size() * kDscIdRows);
}
BENCHMARK(DscIds)->Unit(benchmark::kMicrosecond);

void ChannelBankThroughRequests(benchmark::State& state) {
    BenchHost host;
    SetEngineHost(&host);
    const std::vector<int32_t> labels = {CL_Misc_ChNo_1Base, CL_ChList_No,     CL_ChList_Atr,
                                         CL_ChList_Tag,      CL_ChList_TxInh,  CL_ChList_Poc,
                                         CL_ChList_Simp,     CL_ChList_Comment};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaintSheetThroughRequests(CT_IntCh, labels, kBankRows));
    }
    SetEngineHost(nullptr);
}
BENCHMARK(ChannelBankThroughRequests)->Unit(benchmark::kMicrosecond);

void DscIdsThroughRequests(benchmark::State& state) {
    BenchHost host;
    SetEngineHost(&host);
    const std::vector<int32_t> labels = {CL_Misc_ChNo_1Base, CL_DscIndId_Id, CL_DscIndId_Atr,
                                         CL_DscIndId_Comment};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaintSheetThroughRequests(CT_DscIndId, labels, kDscIdRows));
    }
    SetEngineHost(nullptr);
}
BENCHMARK(DscIdsThroughRequests)->Unit(benchmark::kMicrosecond);

}  // namespace
