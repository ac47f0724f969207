#include "dialogs/bits_sheet.h"

#include "model/cell_call.h"

const std::vector<std::string>& BitsSheetLines() {
    static const std::vector<std::string> lines = [] {
        std::string numbers;
        std::string bits;
        for (int32_t index = 1; index <= 8; ++index) {
            numbers += "{($Head)}" + std::to_string(8 - index) + "|";
            bits += "{($ValC)(%CL_FBits[" + std::to_string(index) + "])}|";
        }
        return std::vector<std::string>{"#GI_Sheet_FBitsR_Style",
                                        "(FixedRows=1)",
                                        "#",
                                        "#GI_Sheet_FBitsR_BasicCell",
                                        "{($Basic)(%CT_Null.)}",
                                        "#",
                                        "#GI_Sheet_FBitsR_Cells",
                                        numbers,
                                        bits,
                                        "#",
                                        "#End_Of_Ovl"};
    }();
    return lines;
}

cuiBitsSheet::cuiBitsSheet(cuiGrid& grid, cmcGTex& store, const std::string& nameSpec,
                           const cmcTextMeasure& measure, const clsSheetServices& services,
                           const cmcCellCapsule* ownerCapsule, uint32_t value, clsBitMark mark,
                           clsEngineEntry engine)
    : cuiSheet(grid, store, nameSpec, measure, services, ownerCapsule, Flex0, 0),
      m_bits(value),
      m_mark(mark),
      m_engine(engine) {
    SetEngineEntry(&cuiBitsSheet::Evaluate);
}

bool cuiBitsSheet::ShowsCheckMark(int32_t col, int32_t row) {
    const cmcCellObj& cell = Cell(col, row);
    return m_mark == clsBitMark::CheckMark && cell.GetLabel() == CL_FBits &&
           m_bits.IsSet(cell.GetIndex());
}

int32_t cuiBitsSheet::Evaluate(indActiveCell& context, cmcCellCapsule& capsule, bool notify) {
    // Only a bits sheet installs this entry, so the asking sheet is one.
    auto& sheet = static_cast<cuiBitsSheet&>(*capsule.sheet);
    if (capsule.cell == nullptr || capsule.cell->GetLabel() != CL_FBits)
        return sheet.m_engine(context, capsule, notify);
    const clsBitCellAnswer answer =
        sheet.m_bits.Request(capsule.cell->GetIndex(), capsule.requestCode, sheet.m_mark);
    capsule.displayText = answer.text;
    if (!answer.toggled) return static_cast<int32_t>(clsCellResult::Nothing);
    if (notify && capsule.repaintCallback != nullptr)
        capsule.repaintCallback(capsule.repaintData, clsRepaint::kAlways);
    return static_cast<int32_t>(clsCellResult::Consumed);
}
