#pragma once

#include <string>

#include "model/cell_engine.h"
#include "model/channel_record.h"
#include "overlay/cell_ids.h"
#include "support/fake_engine_host.h"

// What a test asks of one cell, as the grid would: a key, a typed text, a dialog's text, the
// entry chosen from a selection list, or only a paint.
struct EngineRequest {
    int32_t code = clsKey::kNone;
    int32_t mode = clsMode::kOrdinary;
    std::string input;
    int32_t ownerLabel = CL_None;  // the chosen list entry of a committed choice
    int32_t ownerIndex = 0;
    bool painting = false;

    static EngineRequest Key(int32_t code) { return {code, clsMode::kOrdinary, "", CL_None, 0}; }
    static EngineRequest Typed(const std::string& text) {
        return {clsKey::kNone, clsMode::kTyped, text, CL_None, 0};
    }
    static EngineRequest Dialog(const std::string& text) {
        return {clsKey::kNone, clsMode::kCommitted, text, CL_None, 0};
    }
    static EngineRequest Chosen(int32_t listLabel, int32_t value) {
        return {clsKey::kNone, clsMode::kCommitted, "", listLabel, value};
    }
    static EngineRequest Painting() {
        return {clsKey::kNone, clsMode::kOrdinary, "", CL_None, 0, true};
    }
};

// Runs the engine on one cell of the grid and delivers the events it posted.
inline clsCellCall EvaluateForTest(FakeEngineHost& host, datCh& record, int32_t category,
                                   int32_t label, int32_t index, const EngineRequest& request) {
    clsCellCall call(host, record);
    call.category = category;
    call.label = label;
    call.index = index;
    call.hasGrid = true;
    call.painting = request.painting;
    call.code = request.code;
    call.mode = request.mode;
    call.input = request.input;
    if (request.ownerLabel != CL_None) {
        call.hasOwner = true;
        call.ownerLabel = request.ownerLabel;
        call.ownerIndex = request.ownerIndex;
    }
    EvaluateCall(call);
    host.Deliver();
    return call;
}
