#include "model/cell_request.h"

#include "model/cell_call.h"
#include "model/cell_engine.h"
#include "model/channel_record.h"
#include "model/engine_host.h"
#include "overlay/cell_capsule.h"
#include "overlay/cell_obj.h"
#include "platform/fatal.h"

namespace {

cmcEngineHost* g_host = nullptr;

void CopyRequest(const cmcCellCapsule& capsule, clsCellCall& call) {
    const cmcCellObj& cell = *capsule.cell;
    call.category = cell.GetCategory();
    call.label = cell.GetLabel();
    call.index = cell.GetIndex();
    call.caption = cell.GetCaption();
    call.suffix = cell.GetSuffix();
    if (capsule.ownerCapsule != nullptr && capsule.ownerCapsule->cell != nullptr) {
        const cmcCellObj& owner = *capsule.ownerCapsule->cell;
        call.hasOwner = true;
        call.ownerCategory = owner.GetCategory();
        call.ownerLabel = owner.GetLabel();
        call.ownerIndex = owner.GetIndex();
    }
    call.hasGrid = capsule.grid != nullptr;
    call.painting = capsule.painting;
    call.code = capsule.requestCode;
    call.argument = capsule.requestArgument;
    call.mode = capsule.mode;
    call.input = capsule.inputText;
    // A dialog may hand its result in the request record it commits through.
    if (call.mode == clsMode::kCommitted && call.input.empty() && capsule.ownerCapsule != nullptr) {
        call.input = capsule.ownerCapsule->inputText;
    }
    call.state = capsule.stateFlags;
    call.markPosition = capsule.markPosition;
    call.sheetFlags = capsule.sheetFlags;
    call.rangeLow = capsule.rangeLow;
    call.rangeHigh = capsule.rangeHigh;
}

void CopyAnswer(const clsCellCall& call, cmcCellCapsule& capsule) {
    capsule.displayText = call.text;
    capsule.stateFlags = call.state;
    capsule.markPosition = call.markPosition;
    capsule.editorSelectionStart = call.editorStart;
    capsule.editorSelectionLength = call.editorLength;
    capsule.requestCode = call.code;
    capsule.moveRequest = call.moveRequest;
    capsule.moveCategory = call.moveCategory;
    capsule.moveLabel = call.moveLabel;
    capsule.moveIndex = call.moveIndex;
    capsule.repeatCode = call.repeatCode;
    capsule.sheetFlags = call.sheetFlags;
    capsule.rangeLow = call.rangeLow;
    capsule.rangeHigh = call.rangeHigh;
    capsule.fontColour = call.fontColour;
    capsule.decoration = call.decoration;
    cmcCellObj& cell = *capsule.cell;
    // A menu item's state travels in the cell's option flags 0-3 (bits 4-7 of its rule flags).
    cell.SetRuleFlags(static_cast<uint8_t>(cell.GetRuleFlags() | call.itemState));
    if (call.itemState & clsItemState::kCaptionReplaced) cell.SetCaption(call.text);
    if (call.alignment) {
        cell.SetLayoutFlags(static_cast<uint8_t>(
            (cell.GetLayoutFlags() & ~clsCellLayout::kAlignMask) | *call.alignment));
    }
}

int32_t Request(cmcCellObj& cell, int32_t code, std::string* text) {
    indActiveCell context;
    cmcCellCapsule capsule;
    capsule.cell = &cell;
    capsule.requestCode = code;
    const int32_t result = EvaluateCell(context, capsule, false);
    if (text != nullptr) *text = capsule.displayText;
    return result;
}

}  // namespace

void SetEngineHost(cmcEngineHost* host) {
    g_host = host;
}

cmcEngineHost& EngineHost() {
    if (g_host == nullptr) FatalError("Illegal Cell selection");
    return *g_host;
}

int32_t EvaluateCell(indActiveCell&, cmcCellCapsule& capsule, bool notify) {
    if (capsule.cell == nullptr) FatalError("Illegal Cell selection");
    cmcEngineHost& host = EngineHost();
    datCh record(&host.WorkingImage());
    clsCellCall call(host, record);
    call.capsule = &capsule;
    CopyRequest(capsule, call);
    const clsCellResult result = EvaluateCall(call);
    CopyAnswer(call, capsule);
    if (notify && capsule.repaintCallback != nullptr) {
        capsule.repaintCallback(capsule.repaintData, call.repaint);
    }
    return static_cast<int32_t>(result);
}

int32_t RunCellRequest(cmcCellObj& cell, int32_t code) {
    return Request(cell, code, nullptr);
}

std::string GetCellText(cmcCellObj& cell, int32_t code) {
    std::string text;
    Request(cell, code, &text);
    return text;
}

bool QueryCellError(int32_t category, int32_t label, int32_t index) {
    return QueryCellMarks(EngineHost(), category, label, index) & clsCellState::kError;
}

bool QueryCellWarning(int32_t category, int32_t label, int32_t index) {
    return QueryCellMarks(EngineHost(), category, label, index) & clsCellState::kWarning;
}
