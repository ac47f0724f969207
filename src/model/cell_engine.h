#pragma once

#include <cstdint>

#include "model/cell_call.h"
#include "model/record_group.h"

class cmcEngineHost;

// The cell value engine: the one routine that gives a cell's category and label their meaning
// against the working image. For one cell it reads the value (through the row's channel record for
// the repeating records), answers the display text, colour and marks, reacts to a key or a
// committed edit by writing the new value back, and runs the command behind a menu label. It
// keeps no state between calls.
//
// Where to start reading: EvaluateCall runs the fixed steps every request goes through; the
// behaviour of each label is in the labels_*.cpp file of the record group or sheet it serves
// (label_table.h lists them), built from the cell kinds of cell_kinds.h.

// The record group a category's cells belong to. A category outside 0-10 is a programming fault
// and ends the program.
clsRecordGroup GroupOfCategory(int32_t category);

// Runs one request. The call's record is loaded here; the call carries the answer back.
clsCellResult EvaluateCall(clsCellCall& call);

// The error and warning marks (clsCellState bits) of the cell with this binding.
uint8_t QueryCellMarks(cmcEngineHost& host, int32_t category, int32_t label, int32_t index);
