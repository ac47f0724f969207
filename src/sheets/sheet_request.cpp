#include <algorithm>

#include "base/event_manager.h"
#include "model/cell_call.h"
#include "platform/timer_service.h"
#include "sheets/sheet.h"

namespace {

// A repeat that never ends would hold the GUI; no key of the engine repeats more than a few times.
constexpr int32_t kMaxRepeats = 64;

}  // namespace

void cuiSheet::FillCapsule(cmcCellCapsule& capsule, int32_t col, int32_t row,
                           const clsCellRect& rect) {
    capsule.ownerCapsule = m_ownerCapsule.get();
    capsule.grid = &m_grid;
    capsule.cell = &Slot(col, row).cell;
    capsule.imageList = m_imageList;
    capsule.rectangle = &rect;
    if (col == m_grid.Col() && row == m_grid.Row()) capsule.stateFlags |= clsCellState::kCurrent;
    if (m_printing) capsule.stateFlags |= clsCellState::kPrinting;
    capsule.sheet = this;
    if (IsRangeActive()) {
        capsule.sheetFlags |= clsSheetFlag::kRangeActive;
        RangeBounds(capsule.rangeLow, capsule.rangeHigh);
    }
    capsule.repaintCallback = &cuiSheet::RepaintCallback;
    capsule.repaintData = this;
}

void cuiSheet::RangeBounds(int32_t& low, int32_t& high) const {
    auto indexAt = [this](int32_t row) {
        return m_slots[static_cast<size_t>(row) * static_cast<size_t>(m_cols) +
                       static_cast<size_t>(m_fixedCols)]
            .cell.GetIndex();
    };
    const int32_t anchor = indexAt(std::clamp(m_anchorRow, 0, RowCount() - 1));
    const int32_t current = indexAt(m_grid.Row());
    low = std::min(anchor, current);
    high = std::max(anchor, current);
}

int32_t cuiSheet::Request(int32_t col, int32_t row, int32_t code, int32_t argument,
                          const std::string* typed) {
    Slot(col, row);  // a cell outside the grid ends the program here
    const clsCellRect rect = m_grid.CellRect(col, row);
    cmcCellCapsule capsule;
    FillCapsule(capsule, col, row, rect);
    capsule.requestCode = code;
    capsule.requestArgument = argument;
    if (typed != nullptr) {
        capsule.inputText = *typed;
        capsule.mode = clsMode::kTyped;
        capsule.requestCode = clsKey::kNone;
    }
    if (IsSelectionList() && (code == clsKey::kEnter || code == clsKey::kDoubleClick)) {
        CommitSelectionList(capsule);
        return 0;
    }
    m_askedCol = col;
    m_askedRow = row;
    const int32_t answer = m_engine(m_context, capsule, true);
    if (capsule.moveRequest != 0)
        SelectBinding(capsule.moveCategory, capsule.moveLabel, capsule.moveIndex);
    if (answer == static_cast<int32_t>(clsCellResult::Consumed)) {
        if (IsRangeActive()) ClearSelection();
    } else if (answer == static_cast<int32_t>(clsCellResult::OpenEditor)) {
        m_editorCol = m_grid.Col();
        m_editorRow = m_grid.Row();
        const clsCellRect editorRect = m_grid.CellRect(m_editorCol, m_editorRow);
        const uint8_t vertical =
            Cell(m_editorCol, m_editorRow).GetLayoutFlags() & clsCellLayout::kVAlignMask;
        m_grid.ShowEditor(editorRect, vertical, capsule.displayText, capsule.editorSelectionStart,
                          capsule.editorSelectionLength);
    }
    if (capsule.repeatCode != 0) {
        ScheduleRepeat(capsule.repeatCode);
    } else {
        m_repeatDepth = 0;
    }
    if (m_multiSelect != 0) {
        if (capsule.sheetFlags & clsSheetFlag::kSelectRange) {
            SelectRange(capsule.cell->GetLabel(), capsule.rangeLow, capsule.rangeHigh);
        } else if (IsRangeActive()) {
            ClearSelection();
            m_anchorCol = m_grid.Col();
            m_anchorRow = m_grid.Row();
        }
    }
    return answer;
}

void cuiSheet::PopupCommand(int32_t label) {
    if (CanSelect(m_grid.Col(), m_grid.Row())) Request(m_grid.Col(), m_grid.Row(), 0, label);
}

void cuiSheet::CommitSelectionList(cmcCellCapsule& capsule) {
    if (m_ownerCapsule != nullptr) {
        cmcCellCapsule commit = *m_ownerCapsule;
        commit.ownerCapsule = &capsule;
        commit.mode = clsMode::kCommitted;
        commit.requestCode = clsKey::kNone;
        m_engine(m_context, commit, true);
    }
    if (m_services.host != nullptr) m_services.host->HideHost();
}

void cuiSheet::SelectBinding(int32_t category, int32_t label, int32_t index) {
    for (int32_t r = m_fixedRows; r < RowCount(); ++r) {
        for (int32_t c = m_fixedCols; c < m_cols; ++c) {
            const cmcCellObj& cell = Cell(c, r);
            if (cell.GetCategory() == category && cell.GetLabel() == label &&
                cell.GetIndex() == index && CanSelect(c, r)) {
                MoveCurrent(c, r, 0);
                return;
            }
        }
    }
}

void cuiSheet::SelectRange(int32_t label, int32_t low, int32_t high) {
    ClearSelection();
    for (int32_t r = m_fixedRows; r < RowCount(); ++r) {
        for (int32_t c = m_fixedCols; c < m_cols; ++c) {
            clsSheetCellId& slot = Slot(c, r);
            if (slot.cell.GetLabel() == label && slot.cell.GetIndex() >= low &&
                slot.cell.GetIndex() <= high && (slot.flags & clsSheetCellId::kInRange)) {
                slot.flags |= clsSheetCellId::kSelected;
            }
        }
    }
    MarkLines();
    m_state |= kRangeActive;
    m_grid.InvalidateAll();
}

void cuiSheet::ScheduleRepeat(int32_t code) {
    if (m_repeatDepth >= kMaxRepeats) {
        m_repeatDepth = 0;
        return;
    }
    const int32_t pause = std::max(kRepeatPauseMs - kRepeatPauseStepMs * m_repeatDepth, 0);
    ++m_repeatDepth;
    m_repeatCode = code;
    if (pause == 0 || m_services.timers == nullptr) {
        RunRepeat();
        return;
    }
    if (m_repeatTimer == nullptr)
        m_repeatTimer = m_services.timers->CreateTimer([this] { RunRepeat(); });
    m_repeatTimer->Start(pause);
}

void cuiSheet::RunRepeat() {
    if (m_repeatTimer != nullptr) m_repeatTimer->Stop();
    const int32_t code = m_repeatCode;
    m_repeatCode = 0;
    if (code != 0 && CanSelect(m_grid.Col(), m_grid.Row()))
        Request(m_grid.Col(), m_grid.Row(), code, 0);
}

void cuiSheet::RepaintCallback(cuiSheet* sheet, uint8_t flags) {
    if (flags & clsRepaint::kSheet) {
        sheet->m_grid.InvalidateAll();
    } else {
        sheet->m_grid.InvalidateCell(sheet->m_askedCol, sheet->m_askedRow);
    }
}

void cuiSheet::SendStatusClear() {
    if (m_services.events != nullptr)
        m_services.events->SendText(cmcEvCode::StatusMessage, 0, 0, "");
}

void cuiSheet::OnEvent(void* context, const cmcEvent& event) {
    static_cast<cuiSheet*>(context)->HandleEvent(event);
}

void cuiSheet::HandleEvent(const cmcEvent& event) {
    if (!m_built || m_building) return;
    auto invalidateWhere = [this](auto matches) {
        for (int32_t r = 0; r < RowCount(); ++r) {
            for (int32_t c = 0; c < m_cols; ++c) {
                if (matches(Cell(c, r))) m_grid.InvalidateCell(c, r);
            }
        }
    };
    const int32_t value = event.second;
    switch (event.code) {
        case cmcEvCode::QueryActiveCell: {
            if (!m_grid.HasFocus() || !m_grid.IsEnabled()) return;
            const cmcCellObj& cell = Cell(m_grid.Col(), m_grid.Row());
            const int32_t data[3] = {cell.GetCategory(), cell.GetLabel(), cell.GetIndex()};
            if (m_services.events != nullptr) m_services.events->AnswerData(data, sizeof data);
            return;
        }
        case cmcEvCode::RepaintAll:
            m_grid.InvalidateAll();
            return;
        case cmcEvCode::RepaintCategory:
            invalidateWhere(
                [value](const cmcCellObj& cell) { return cell.GetCategory() == value; });
            return;
        case cmcEvCode::RepaintLabel:
            invalidateWhere([value](const cmcCellObj& cell) { return cell.GetLabel() == value; });
            return;
        case cmcEvCode::RepaintIndex:
            invalidateWhere([value](const cmcCellObj& cell) {
                return cell.GetLabel() != CL_None && cell.GetIndex() == value;
            });
            return;
        case cmcEvCode::RepaintIndexUpTo:
            invalidateWhere([value](const cmcCellObj& cell) {
                return cell.GetLabel() != CL_None && cell.GetIndex() <= value;
            });
            return;
        case cmcEvCode::RepaintIndexFrom:
            invalidateWhere([value](const cmcCellObj& cell) {
                return cell.GetLabel() != CL_None && cell.GetIndex() >= value;
            });
            return;
        case cmcEvCode::EndEditing:
            CommitEditor();
            return;
        default:
            return;
    }
}
