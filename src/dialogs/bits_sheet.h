#pragma once

#include <string>
#include <vector>

#include "dialogs/bit_field.h"
#include "sheets/sheet.h"

// The key of the bit-field dialog's built-in sheet: the eight bits of a byte cell, bit 7 first.
constexpr const char* kBitsSheetKey = "GI_Sheet_FBitsR";

// The built-in sheet as overlay lines, for an in-memory store: a row of bit numbers over a row of
// the cells CL_FBits[1] - CL_FBits[8], which show the bits 25 - 18 of the dialog's value (bits 7-0
// of the byte the engine shifted left by 18).
const std::vector<std::string>& BitsSheetLines();

// The bit-field dialog's sheet: its cells bound to CL_FBits show and toggle the bits of the
// dialog's value; every other cell goes to the engine the sheet was given.
class cuiBitsSheet : public cuiSheet {
public:
    cuiBitsSheet(cuiGrid& grid, cmcGTex& store, const std::string& nameSpec,
                 const cmcTextMeasure& measure, const clsSheetServices& services,
                 const cmcCellCapsule* ownerCapsule, uint32_t value, clsBitMark mark,
                 clsEngineEntry engine = &EvaluateCell);

    uint32_t Value() const { return m_bits.Value(); }
    const cuiBitField& Bits() const { return m_bits; }
    // Whether the cell shows its set bit as a drawn check mark.
    bool ShowsCheckMark(int32_t col, int32_t row);

private:
    static int32_t Evaluate(indActiveCell& context, cmcCellCapsule& capsule, bool notify);

    cuiBitField m_bits;
    clsBitMark m_mark;
    clsEngineEntry m_engine;
};
