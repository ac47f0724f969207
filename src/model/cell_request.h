#pragma once

#include <cstdint>
#include <string>

class cmcCellObj;
class cmcEngineHost;
struct cmcCellCapsule;

// The cell value engine as sheets, menus, the tree and dialogs call it: with a request record
// (cmcCellCapsule) about one described cell. The engine itself works on its own call record
// (cell_engine.h); these calls copy the request in and the answer out.

// The context of a request. It has no state of its own; the caller creates one and the engine
// passes it on to the requests it makes itself.
class indActiveCell {};

// The rest of the program as the engine reaches it. The main controller installs itself at start
// and removes itself (nullptr) before it goes.
void SetEngineHost(cmcEngineHost* host);
cmcEngineHost& EngineHost();

// Runs one request. With notify, the request's repaint callback is called with the repaint flags.
// Answers 0 (nothing further), 1 (the key was used up or a window opened for the cell) or 2 (open
// the in-place editor with the display text and the editor selection).
int32_t EvaluateCell(indActiveCell& context, cmcCellCapsule& capsule, bool notify);

// A request without a grid, for menu commands: the engine's answer to code on cell.
int32_t RunCellRequest(cmcCellObj& cell, int32_t code);
// The display text of a cell, for printing, captions and fitting columns.
std::string GetCellText(cmcCellObj& cell, int32_t code);
// The error and warning marks of the cell with this binding.
bool QueryCellError(int32_t category, int32_t label, int32_t index);
bool QueryCellWarning(int32_t category, int32_t label, int32_t index);
