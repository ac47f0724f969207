#pragma once

#include <cstdint>
#include <optional>
#include <string>

class cmcCellObj;
// Objects of the sheet layer that a request refers to; the core only passes them on.
class cuiControl;
class cuiGrid;
class cuiSheet;
class cuiImageList;

// A cell's rectangle in its grid, in pixels.
struct clsCellRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Drawings the engine asks for while a cell is painted.
enum class clsCellDecoration { None, QuarterPillar, Diagonal };

// Called by the engine after a request, with the repaint flags, to repaint the cells related to
// the one asked about.
using clsRepaintCallback = void (*)(cuiSheet* sheet, uint8_t flags);
// Refreshes the in-place editor's text.
using clsEditorCallback = void (*)(cuiSheet* sheet);

// One request from a sheet, menu, tree or dialog to the cell value engine about one cell, and the
// engine's answer. The asking side creates it empty, fills it, makes the call and drops it; the
// engine never keeps it. A plain record: every field is public.
struct cmcCellCapsule {
    cmcCellCapsule* ownerCapsule = nullptr;  // the capsule of the cell that opened this sheet
    cuiControl* window = nullptr;
    cuiGrid* grid = nullptr;  // only for interactive requests
    cmcCellObj* cell = nullptr;
    bool painting = false;  // a paint request: the engine answers the paint fields below
    cuiImageList* imageList = nullptr;
    const clsCellRect* rectangle = nullptr;
    // Answer that opens the in-place editor: where the caret goes, how many characters are
    // selected.
    int32_t editorSelectionStart = 0;
    int32_t editorSelectionLength = 0;
    int32_t requestCode = 0;  // 13 Enter, 256 double-click, a typed character, a key code * 256
    int32_t requestArgument = 0;
    std::string inputText;
    std::string displayText;
    // Bits: 0 current cell, 1 printing (set by the sheet); 2 warning mark, 3 error mark (answer).
    uint8_t stateFlags = 0;
    int32_t markPosition = 0;  // 0 default, 1 left, 2 right, 3 right after the text
    int32_t mode = 0;          // 0 ordinary, 1 typed text in inputText, 2 commit from a child sheet
    // Answer: move the selection to the cell with this category, label and index.
    int32_t moveRequest = 0;
    int32_t moveCategory = 0;
    int32_t moveLabel = 0;
    int32_t moveIndex = 0;
    int32_t repeatCode = 0;  // answer: repeat the request with this code (auto-repeat)
    cuiSheet* sheet = nullptr;
    // Bits: 0 a range selection is active (set by the sheet); 1 answer: select the cells of the
    // asked label whose index lies in the range.
    uint8_t sheetFlags = 0;
    int32_t rangeLow = 0;
    int32_t rangeHigh = 0;
    clsRepaintCallback repaintCallback = nullptr;
    cuiSheet* repaintData = nullptr;
    clsEditorCallback editorCallback = nullptr;
    cuiSheet* editorData = nullptr;
    // Answer to a paint request: a font colour in place of the cell's own, and a drawing over it.
    std::optional<uint32_t> fontColour;
    clsCellDecoration decoration = clsCellDecoration::None;
};
