#pragma once

#include <cstdint>
#include <string>

#include "overlay/cell_capsule.h"
#include "overlay/cell_obj.h"
#include "sheets/sheet.h"

// The cell a popup edits, as the popup keeps it while it is open. The sheet's request record
// points at a rectangle that lives only for the request, so the popup keeps its own copy of the
// cell's rectangle; everything else (the cell, the sheet, its repaint callback) stays valid for as
// long as the host sheet exists, and a popup never outlives its host.
class cuiDialogOwner {
public:
    explicit cuiDialogOwner(const cmcCellCapsule& owner, clsEngineEntry engine = &EvaluateCell);
    cuiDialogOwner(const cuiDialogOwner&) = delete;
    cuiDialogOwner& operator=(const cuiDialogOwner&) = delete;

    // The cell's rectangle in its grid, or an empty one at the origin when the request had none.
    const clsCellRect& CellRect() const { return m_rect; }
    // The key that opened the popup: a typed digit is the first character of an entry.
    int32_t OpeningCode() const { return m_capsule.requestCode; }

    // Hands value to the engine for the owner cell: the owner's request again, as a commit (mode
    // 2, no key), whose own owner is a temporary cell bound to Flex0 carrying the value.
    void CommitText(const std::string& value) const;

private:
    cmcCellCapsule m_capsule;
    clsCellRect m_rect;
    clsEngineEntry m_engine;
};
