#include <algorithm>
#include <cstdlib>

#include "base/event_manager.h"
#include "model/cell_call.h"
#include "sheets/sheet.h"
#include "sheets/sheet_keys.h"

namespace {

constexpr int32_t kPageRows = 10;

}  // namespace

bool cuiSheet::CanSelect(int32_t col, int32_t row) const {
    if (!IsInside(col, row) || col < m_fixedCols || row < m_fixedRows) return false;
    const clsSheetCellId& slot =
        m_slots[static_cast<size_t>(row) * static_cast<size_t>(m_cols) + static_cast<size_t>(col)];
    if (!slot.cell.IsSelectable()) return false;
    return !IsRangeActive() || (slot.flags & clsSheetCellId::kInRange) != 0;
}

bool cuiSheet::FindStraight(int32_t dCol, int32_t dRow, bool wrap, int32_t& col,
                            int32_t& row) const {
    int32_t c = col;
    int32_t r = row;
    const int32_t dataCols = m_cols - m_fixedCols;
    const int32_t dataRows = RowCount() - m_fixedRows;
    for (int32_t step = 0; step < std::max(dataCols, dataRows); ++step) {
        c += dCol;
        r += dRow;
        if (wrap) {
            if (c >= m_cols) c = m_fixedCols;
            if (c < m_fixedCols) c = m_cols - 1;
            if (r >= RowCount()) r = m_fixedRows;
            if (r < m_fixedRows) r = RowCount() - 1;
        }
        if (c < m_fixedCols || c >= m_cols || r < m_fixedRows || r >= RowCount()) return false;
        if (c == col && r == row) return false;
        if (CanSelect(c, r)) {
            col = c;
            row = r;
            return true;
        }
    }
    return false;
}

bool cuiSheet::FindNearest(int32_t dCol, int32_t dRow, int32_t& col, int32_t& row) const {
    if (dCol != 0) {
        const int32_t reference = m_lastArrowRow != kNone ? m_lastArrowRow : row;
        for (int32_t c = col + dCol; c >= m_fixedCols && c < m_cols; c += dCol) {
            int32_t best = kNone;
            for (int32_t r = m_fixedRows; r < RowCount(); ++r) {
                if (CanSelect(c, r) &&
                    (best == kNone || std::abs(r - reference) < std::abs(best - reference))) {
                    best = r;
                }
            }
            if (best != kNone) {
                col = c;
                row = best;
                return true;
            }
        }
        return false;
    }
    const int32_t reference = m_lastArrowCol != kNone ? m_lastArrowCol : col;
    for (int32_t r = row + dRow; r >= m_fixedRows && r < RowCount(); r += dRow) {
        int32_t best = kNone;
        for (int32_t c = m_fixedCols; c < m_cols; ++c) {
            if (CanSelect(c, r) &&
                (best == kNone || std::abs(c - reference) < std::abs(best - reference))) {
                best = c;
            }
        }
        if (best != kNone) {
            col = best;
            row = r;
            return true;
        }
    }
    return false;
}

// One arrow step. A run of vertical steps keeps its reference column, a run of horizontal
// steps its reference row, so that a step across a hole comes back to the line it left.
bool cuiSheet::MoveBy(int32_t dCol, int32_t dRow, bool extend) {
    int32_t col = m_grid.Col();
    int32_t row = m_grid.Row();
    const bool wrap = IsSelectionList() && !m_grid.ScrollBarsShown();
    if (dRow != 0) {
        if (m_lastArrowCol == kNone) m_lastArrowCol = col;
        m_lastArrowRow = kNone;
    } else {
        if (m_lastArrowRow == kNone) m_lastArrowRow = row;
        m_lastArrowCol = kNone;
    }
    if (!FindStraight(dCol, dRow, wrap, col, row) &&
        (IsSelectionList() || !FindNearest(dCol, dRow, col, row))) {
        return false;
    }
    const int32_t savedCol = m_lastArrowCol;
    const int32_t savedRow = m_lastArrowRow;
    MoveCurrent(col, row, extend ? clsKeyModifier::kShift : 0);
    m_lastArrowCol = savedCol;
    m_lastArrowRow = savedRow;
    return true;
}

void cuiSheet::KeyDown(int32_t key, uint8_t modifiers) {
    if (!m_built || m_building) return;
    m_grid.HideEditor();
    SendStatusClear();
    const bool shift = (modifiers & clsKeyModifier::kShift) != 0;
    const int32_t col = m_grid.Col();
    const int32_t row = m_grid.Row();
    switch (key) {
        case clsSheetKey::kPageUp:
        case clsSheetKey::kPageDown: {
            const int32_t dRow = key == clsSheetKey::kPageDown ? 1 : -1;
            int32_t c = col;
            int32_t r = row;
            for (int32_t step = 0; step < kPageRows && FindStraight(0, dRow, false, c, r); ++step) {
            }
            m_lastArrowCol = m_lastArrowRow = kNone;
            if (c != col || r != row) MoveCurrent(c, r, modifiers);
            return;
        }
        case clsSheetKey::kHome:
        case clsSheetKey::kEnd:
            return;
        case clsSheetKey::kLeft:
        case clsSheetKey::kRight: {
            const int32_t dCol = key == clsSheetKey::kRight ? 1 : -1;
            if (!MoveBy(dCol, 0, shift)) Request(col, row, key * clsSheetKey::kCodeShift, 0);
            return;
        }
        case clsSheetKey::kUp:
        case clsSheetKey::kDown:
            if (modifiers == clsKeyModifier::kCtrl) return;
            MoveBy(0, key == clsSheetKey::kDown ? 1 : -1, shift);
            return;
        case clsSheetKey::kEscape:
            if (IsSelectionList() && m_services.host != nullptr) m_services.host->HideHost();
            return;
        default:
            if (key >= clsSheetKey::kF1 && key <= clsSheetKey::kF12 && CanSelect(col, row)) {
                Request(col, row, key * clsSheetKey::kCodeShift, 0);
            }
            return;
    }
}

void cuiSheet::KeyPress(char character) {
    if (!m_built || m_building) return;
    const auto code = static_cast<int32_t>(static_cast<unsigned char>(character));
    if (code == clsSheetKey::kEscape) return;
    const int32_t col = m_grid.Col();
    const int32_t row = m_grid.Row();
    if (CanSelect(col, row)) Request(col, row, code, 0);
}

void cuiSheet::MoveCurrent(int32_t col, int32_t row, uint8_t modifiers) {
    const int32_t oldCol = m_grid.Col();
    const int32_t oldRow = m_grid.Row();
    m_grid.MoveCurrent(col, row, true);
    if (col == m_firstSelCol) m_grid.SetTopLeft(m_fixedCols, m_grid.TopRow());
    if (row == m_firstSelRow) m_grid.SetTopLeft(m_grid.LeftCol(), m_fixedRows);
    m_lastArrowCol = m_lastArrowRow = kNone;
    if (m_multiSelect != 0) {
        if ((modifiers & clsKeyModifier::kShift) != 0 || (m_state & kMouseHeld) != 0) {
            ExtendSelection(col, row);
        } else {
            ClearSelection();
            m_anchorCol = col;
            m_anchorRow = row;
        }
    } else {
        m_anchorCol = col;
        m_anchorRow = row;
    }
    if (oldCol != col || oldRow != row) CurrentCellChanged(oldCol, oldRow);
}

bool cuiSheet::SelectCell(int32_t col, int32_t row, uint8_t modifiers) {
    if (!CanSelect(col, row)) return false;
    MoveCurrent(col, row, modifiers);
    return true;
}

void cuiSheet::ExtendSelection(int32_t col, int32_t row) {
    for (clsSheetCellId& slot : m_slots)
        slot.flags &= static_cast<uint8_t>(~(clsSheetCellId::kSelected | clsSheetCellId::kLine));
    const int32_t left = std::min(m_anchorCol, col);
    const int32_t right = std::max(m_anchorCol, col);
    const int32_t top = std::min(m_anchorRow, row);
    const int32_t bottom = std::max(m_anchorRow, row);
    for (int32_t r = top; r <= bottom; ++r) {
        for (int32_t c = left; c <= right; ++c) {
            clsSheetCellId& slot = Slot(c, r);
            if (slot.flags & clsSheetCellId::kInRange) slot.flags |= clsSheetCellId::kSelected;
        }
    }
    MarkLines();
    // A range of more than the current cell is a range selection: the current cell keeps to it
    // and the engine's row commands act on all of it.
    if (col != m_anchorCol || row != m_anchorRow) {
        m_state |= kRangeActive;
    } else {
        m_state &= static_cast<uint8_t>(~kRangeActive);
    }
    m_grid.InvalidateAll();
}

void cuiSheet::ClearSelection() {
    bool any = false;
    for (clsSheetCellId& slot : m_slots) {
        if (slot.flags & (clsSheetCellId::kSelected | clsSheetCellId::kLine)) any = true;
        slot.flags &= static_cast<uint8_t>(~(clsSheetCellId::kSelected | clsSheetCellId::kLine));
    }
    m_state &= static_cast<uint8_t>(~kRangeActive);
    if (any) m_grid.InvalidateAll();
}

void cuiSheet::MarkLines() {
    if (m_multiSelect != 2) return;
    for (int32_t r = m_fixedRows; r < RowCount(); ++r) {
        bool selected = false;
        for (int32_t c = 0; c < m_cols && !selected; ++c)
            selected = (Slot(c, r).flags & clsSheetCellId::kSelected) != 0;
        if (!selected) continue;
        for (int32_t c = m_fixedCols; c < m_cols; ++c)
            Slot(c, r).flags |= clsSheetCellId::kLine;
    }
}

bool cuiSheet::IsSelected(int32_t col, int32_t row) const {
    if (!IsInside(col, row)) return false;
    const uint8_t flags =
        m_slots[static_cast<size_t>(row) * static_cast<size_t>(m_cols) + static_cast<size_t>(col)]
            .flags;
    return (flags & clsSheetCellId::kInRange) &&
           (flags & (clsSheetCellId::kSelected | clsSheetCellId::kLine));
}

void cuiSheet::InvalidateRow(int32_t row) {
    if (row < 0 || row >= RowCount()) return;
    for (int32_t c = 0; c < m_cols; ++c)
        m_grid.InvalidateCell(c, row);
}

void cuiSheet::CurrentCellChanged(int32_t oldCol, int32_t oldRow) {
    const cmcCellObj& cell = Cell(m_grid.Col(), m_grid.Row());
    if (m_services.events != nullptr) {
        const int32_t data[3] = {cell.GetCategory(), cell.GetLabel(), cell.GetIndex()};
        m_services.events->PostData(cmcEvCode::CurrentCellChanged, data, sizeof data);
    }
    if (!IsSelectionList()) {
        InvalidateRow(oldRow);
        InvalidateRow(m_grid.Row());
    } else {
        m_grid.InvalidateCell(oldCol, oldRow);
        m_grid.InvalidateCell(m_grid.Col(), m_grid.Row());
    }
    UpdatePopupMenu(false);
}

void cuiSheet::UpdatePopupMenu(bool force) {
    if (m_services.popupMenus == nullptr || !m_built) return;
    if (!force && !m_grid.HasFocus()) return;
    const std::string key(Cell(m_grid.Col(), m_grid.Row()).GetPopupMenu());
    if (key.empty()) {
        RemovePopupMenu();
        return;
    }
    if (m_hasPopup && !force && key == m_popupKey) return;
    m_services.popupMenus->Build(key);
    m_hasPopup = true;
    m_popupKey = key;
    // The main window's Edit menu offers the same items.
    if (m_services.events != nullptr) {
        m_services.events->SendText(cmcEvCode::MenuSetItems, kMenuHandlerSheet, CL_Menu_Edit_Top,
                                    key);
    }
}

void cuiSheet::RemovePopupMenu() {
    if (!m_hasPopup || m_services.popupMenus == nullptr) return;
    m_services.popupMenus->Remove();
    m_hasPopup = false;
    m_popupKey.clear();
    if (m_services.events != nullptr)
        m_services.events->Send(cmcEvCode::MenuClearItems, 0, CL_Menu_Edit_Top);
}

int32_t cuiSheet::ClickTarget(int32_t col, int32_t row) const {
    while (
        col > 0 && IsInside(col, row) &&
        (m_slots[static_cast<size_t>(row) * static_cast<size_t>(m_cols) + static_cast<size_t>(col)]
             .cell.GetRuleFlags() &
         clsCellRule::kFollowsLeft)) {
        --col;
    }
    return col;
}

void cuiSheet::MouseDown(int32_t x, int32_t y, bool rightButton, uint8_t modifiers) {
    int32_t col = 0;
    int32_t row = 0;
    if (!m_built || !m_grid.MouseCell(x, y, col, row)) return;
    col = ClickTarget(col, row);
    if (rightButton) {
        if (!IsRangeActive()) SelectCell(col, row);
        return;
    }
    m_state |= kMouseHeld;
    if (!SelectCell(col, row, modifiers) && m_multiSelect != 0 && CanSelect(col, row)) {
        ExtendSelection(col, row);
    }
}

void cuiSheet::MouseMove(int32_t x, int32_t y) {
    int32_t col = 0;
    int32_t row = 0;
    if (!m_built || !m_grid.MouseCell(x, y, col, row)) return;
    col = ClickTarget(col, row);
    if (col == m_grid.Col() && row == m_grid.Row()) return;
    if (IsSelectionList() || (m_state & kMouseHeld)) SelectCell(col, row);
}

void cuiSheet::MouseUp(int32_t x, int32_t y, bool rightButton) {
    const bool held = (m_state & kMouseHeld) != 0;
    m_state &= static_cast<uint8_t>(~kMouseHeld);
    int32_t col = 0;
    int32_t row = 0;
    if (rightButton || !held || !IsSelectionList() || !m_grid.MouseCell(x, y, col, row)) return;
    col = ClickTarget(col, row);
    if (col == m_grid.Col() && row == m_grid.Row() && CanSelect(col, row))
        Request(col, row, clsKey::kEnter, 0);
}

void cuiSheet::DoubleClick(int32_t x, int32_t y) {
    constexpr int32_t kEdgeSlack = 4;
    int32_t col = 0;
    int32_t row = 0;
    if (!m_built) return;
    if (!m_grid.MouseCell(x, y, col, row)) {
        // Right of the last column: fit the last visible one when near its right edge.
        const clsCellRect last = m_grid.CellRect(m_cols - 1, 0);
        if (HasFlag(kColSizing) && last.right > 0 && std::abs(x - last.right) <= kEdgeSlack)
            FitColumn(m_cols - 1);
        return;
    }
    if (row < m_fixedRows && HasFlag(kColSizing)) {
        const clsCellRect rect = m_grid.CellRect(col, row);
        if (x - rect.left <= kEdgeSlack && col > 0) {
            FitColumn(col - 1);
        } else if (rect.right - x <= kEdgeSlack) {
            FitColumn(col);
        }
        return;
    }
    col = ClickTarget(col, row);
    if (col == m_grid.Col() && row == m_grid.Row() && CanSelect(col, row))
        Request(col, row, clsKey::kDoubleClick, 0);
}

void cuiSheet::TimedScroll(uint8_t directions) {
    if (directions & clsScrollDirection::kLeft) MoveBy(-1, 0, false);
    if (directions & clsScrollDirection::kRight) MoveBy(1, 0, false);
    if (directions & clsScrollDirection::kUp) MoveBy(0, -1, false);
    if (directions & clsScrollDirection::kDown) MoveBy(0, 1, false);
}

void cuiSheet::FocusEnter() {
    UpdatePopupMenu(true);
    m_grid.InvalidateAll();
}

void cuiSheet::FocusLeave() {
    RemovePopupMenu();
    if (m_services.events != nullptr) m_services.events->Send(cmcEvCode::RefreshMenus, 0, 0);
    m_grid.InvalidateAll();
}

void cuiSheet::EditorKeyDown(int32_t key) {
    switch (key) {
        case clsSheetKey::kEscape:
            m_grid.HideEditor();
            return;
        case clsSheetKey::kEnter:
            CommitEditor();
            return;
        case clsSheetKey::kUp:
        case clsSheetKey::kDown:
            CommitEditor();
            MoveBy(0, key == clsSheetKey::kDown ? 1 : -1, false);
            return;
        case clsSheetKey::kPageUp:
        case clsSheetKey::kPageDown:
            CommitEditor();
            KeyDown(key, 0);
            return;
        default:
            return;
    }
}

void cuiSheet::CommitEditor() {
    if (!m_grid.IsEditorShown()) return;
    const std::string text = m_grid.EditorText();
    m_grid.HideEditor();
    if (IsInside(m_editorCol, m_editorRow))
        Request(m_editorCol, m_editorRow, clsKey::kEnter, 0, &text);
}
