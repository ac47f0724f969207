#pragma once

#include <cstdint>

#include "model/record_group.h"

struct clsCellCall;

// Whole-row commands of the record sheets' popup menus: copy, paste, move up and down, clear,
// delete and insert. They work on the call's row, or on the selected rows when the sheet has a
// range selection, and never outside the group's row range.

struct clsRowRange {
    int32_t first;
    int32_t last;
    bool mayClear;  // clear, delete and insert are allowed
};

// The rows of a group between which row operations work.
clsRowRange RowRangeOf(clsRecordGroup group);

// Runs the operation named by the call's argument (a CL_PMenu_ label) on the call's record, then
// reloads the record.
void RunRowOperation(clsCellCall& call);
