#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "overlay/cell_capsule.h"
#include "overlay/cell_ids.h"

class cmcEngineHost;
class datCh;

// Request codes: the key or action the caller hands the engine.
namespace clsKey {
constexpr int32_t kNone = 0;
constexpr int32_t kBackspace = 8;
constexpr int32_t kEnter = 13;
constexpr int32_t kSpace = 32;
constexpr int32_t kLastCharacter = 126;
constexpr int32_t kLastPlainCode = 127;  // codes up to here are no function key
constexpr int32_t kDoubleClick = 256;
constexpr int32_t kF2 = 0x7100;  // the edit key
}  // namespace clsKey

// How the request carries a value.
namespace clsMode {
constexpr int32_t kOrdinary = 0;
constexpr int32_t kTyped = 1;      // the input text holds a committed in-place edit
constexpr int32_t kCommitted = 2;  // a choice or dialog result for the cell
}  // namespace clsMode

// What the call answers.
enum class clsCellResult : int32_t {
    Nothing = 0,
    Consumed = 1,    // the key was used up, or a popup or dialog was opened
    OpenEditor = 2,  // the sheet opens its in-place editor with the display text
};

// State flags shared with the caller.
namespace clsCellState {
constexpr uint8_t kCurrent = 0x01;
constexpr uint8_t kPrinting = 0x02;
constexpr uint8_t kWarning = 0x04;  // duplicate mark
constexpr uint8_t kError = 0x08;    // attention mark
}  // namespace clsCellState

// State bits of a menu item's cell.
namespace clsItemState {
constexpr uint8_t kChecked = 0x10;
constexpr uint8_t kHidden = 0x20;
constexpr uint8_t kDisabled = 0x40;
constexpr uint8_t kCaptionReplaced = 0x80;
constexpr uint8_t kAll = 0xF0;
}  // namespace clsItemState

// Flags for the caller's repaint callback.
namespace clsRepaint {
constexpr uint8_t kAlways = 0x01;
constexpr uint8_t kRecord = 0x08;  // the cell belongs to a channel record
constexpr uint8_t kSheet = 0x20;   // other cells of the sheet may have changed
}  // namespace clsRepaint

// Sheet flags of the request.
namespace clsSheetFlag {
constexpr uint8_t kRangeActive = 0x01;  // rows rangeLow..rangeHigh are selected
constexpr uint8_t kSelectRange = 0x02;  // answer: select rangeLow..rangeHigh
}  // namespace clsSheetFlag

// Where the sheet draws a mark.
constexpr int32_t kMarkAfterText = 3;

// Colours the engine paints with (0x00BBGGRR); the decorations are drawn in grey.
constexpr uint32_t kFixedTextColour = 0x008080;   // olive
constexpr uint32_t kGreyedTextColour = 0xC0C0C0;  // silver
constexpr uint32_t kDecorationColour = 0x808080;  // grey

// One engine call: the request as the caller made it, the record of the cell's row, and the answer
// the labels build. The engine copies the caller's request record into it and the answer back, so
// that the labels see only what they need.
struct clsCellCall {
    clsCellCall(cmcEngineHost& host, datCh& record) : host(host), record(record) {}

    cmcEngineHost& host;
    datCh& record;
    cmcCellCapsule* capsule = nullptr;  // the caller's request record, for the windows it opens

    // The described cell.
    int32_t category = CT_None;
    int32_t label = CL_None;
    int32_t index = 0;
    std::string caption;
    std::string suffix;  // the binding's text parameter: a sheet name, a shortcut

    // The cell that opened this popup item, selection list or dialog.
    bool hasOwner = false;
    int32_t ownerCategory = CT_None;
    int32_t ownerLabel = CL_None;
    int32_t ownerIndex = 0;

    // The request.
    bool hasGrid = false;   // interactive: without a grid keys are ignored
    bool painting = false;  // a paint request
    int32_t code = clsKey::kNone;
    int32_t argument = 0;  // a popup command label
    int32_t mode = clsMode::kOrdinary;
    std::string input;
    uint8_t sheetFlags = 0;
    int32_t rangeLow = 0;
    int32_t rangeHigh = 0;

    // The answer.
    clsCellResult result = clsCellResult::Nothing;
    std::string text;
    uint8_t state = 0;  // clsCellState bits
    int32_t markPosition = 0;
    int32_t editorStart = 0;
    int32_t editorLength = 0;
    int32_t moveRequest = 0;
    int32_t moveCategory = CT_None;
    int32_t moveLabel = CL_None;
    int32_t moveIndex = 0;
    int32_t repeatCode = 0;
    uint8_t repaint = clsRepaint::kAlways;
    uint8_t itemState = 0;             // clsItemState bits of a menu item
    std::optional<int32_t> alignment;  // a new horizontal alignment of the cell
    std::optional<uint32_t> fontColour;
    clsCellDecoration decoration = clsCellDecoration::None;
    bool editRefused = false;  // the status bar will say the cell cannot be edited

    bool HasKey() const { return code != clsKey::kNone; }
    bool IsCommit() const { return mode != clsMode::kOrdinary; }
};
