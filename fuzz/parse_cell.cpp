// Parses arbitrary row texts into cells, with a main store that holds a few cell models (one of
// them naming itself). A parse may end in one of the description language's fatal faults, never
// in a crash or another fault.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "overlay/cell_obj.h"
#include "overlay/gtex.h"
#include "overlay_fatal_trap.h"

namespace {

const std::vector<std::string> kModels = {
    "#CellModel_Basic",
    "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)",
    "#CellModel_iChI",
    "^-WH(Color=clGray)(Font=,,clWhite,,,fsBold,)",
    "#CellModel_eWh",
    "S<_WHB",
    "#CellModel_iQp",
    "(%CT_Null.CL_Misc_QuarterPillar)",
    "#CellModel_Loop",
    "W(@ch0++)($Loop)",
    "#End_Of_Ovl",
};

cmcGTex& Models() {
    static cmcGTex store;
    return store;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Models().SetSourceLines(kModels);
    SetMainGTex(&Models());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte chooses whether the sheet supplies variables and whether a basic cell exists.
    const bool withVariables = (data[0] & 1) != 0;
    const bool withParent = (data[0] & 2) != 0;
    const std::string row(reinterpret_cast<const char*>(data) + 1, size - 1);
    clsSheetVariables variables{};
    RunTrapped([&] {
        cmcCellObj basic;
        basic.ParseCell("{($Basic)(%CT_IntCh.CL_ChList_No[3])}", &variables, nullptr);
        std::vector<cmcCellObj> cells;
        std::string_view rest = row;
        do {
            cells.emplace_back();
            rest = cells.back().ParseCell(rest, withVariables ? &variables : nullptr,
                                          withParent ? &basic : nullptr);
        } while (!rest.empty());
        for (const cmcCellObj& cell : cells) {
            if (cell.GetCategory() < 0 || cell.GetCategory() > CT_None) std::abort();
            if (cell.GetLabel() < 0 || cell.GetLabel() > CL_None) std::abort();
            (void)cell.GetPopupMenu();
        }
        // Counting cells splits the row the same way.
        size_t count = 0;
        rest = row;
        do {
            cmcCellObj counter;
            rest = counter.ParseCell(rest, nullptr, nullptr, true);
            ++count;
        } while (!rest.empty());
        if (count != cells.size()) std::abort();
    });
    return 0;
}
