#include "dialogs/qt/dialog_sheet_grid.h"

#include <QApplication>
#include <QStyle>

#include "dialogs/qt/work_area.h"
#include "sheets/qt/cell_painter.h"
#include "sheets/qt/qt_cell_style.h"
#include "sheets/qt/qt_grid.h"

namespace {

constexpr int kMarkHeight = 16;

}  // namespace

cuiDialogSheetGrid::cuiDialogSheetGrid(QWidget* parent, cmcTimerService* timers,
                                       const SheetFactory& makeSheet)
    : m_images(MarkImageList(*QApplication::style(), kMarkHeight)),
      m_grid(new cuiQtGrid(parent, timers)),
      m_sheet(makeSheet(*m_grid, m_measure)) {
    // The dialog's panel draws the bevel: the grid shows its cells edge to edge.
    m_grid->setFrameShape(QFrame::NoFrame);
    m_sheet->SetImageList(&m_images, m_images.Height());
    m_sheet->SetSystemColours(SystemColoursOf(m_grid->palette()));
    Connect();
}

cuiDialogSheetGrid::~cuiDialogSheetGrid() {
    // The grid may outlive the sheet by a moment (Qt deletes it with its parent): nothing it
    // still reports may reach the sheet.
    m_grid->Handlers() = clsGridHandlers();
}

void cuiDialogSheetGrid::Build() {
    // The sheet clamps its columns to the grid's width when it is built, and a dialog shows its
    // whole sheet: let the grid be as large as the work area until the dialog sizes it.
    const cmcRect area = WorkAreaAt(m_grid->mapToGlobal(QPoint(0, 0)));
    m_grid->resize(area.right - area.left, area.bottom - area.top);
    m_sheet->Build();
    const cmcCellObj& basic = m_sheet->BasicCell();
    if (basic.GetFont()) m_grid->setFont(QtCellFont(*basic.GetFont()));
    const clsSystemColours system = SystemColoursOf(m_grid->palette());
    m_grid->SetBackground(system.Resolve(basic.GetColour()));
}

void cuiDialogSheetGrid::Connect() {
    clsGridHandlers& on = m_grid->Handlers();
    cuiSheet* sheet = m_sheet.get();
    on.selectCell = [sheet](int32_t column, int32_t row, bool& allow) {
        allow = allow && sheet->CanSelect(column, row);
    };
    on.drawCell = [this](QPainter& painter, int32_t column, int32_t row, const clsCellRect& rect) {
        DrawCell(painter, column, row, rect);
    };
    on.colWidthsChanged = [this, sheet] {
        sheet->ColumnWidthsChanged();
        m_grid->InvalidateAll();
    };
    on.timedScroll = [sheet](uint8_t directions) { sheet->TimedScroll(directions); };
    on.focusEnter = [sheet] { sheet->FocusEnter(); };
    on.focusLeave = [sheet] { sheet->FocusLeave(); };
    on.keyDown = [sheet](int32_t key, uint8_t modifiers) { sheet->KeyDown(key, modifiers); };
    on.keyPress = [sheet](char character) { sheet->KeyPress(character); };
    on.mouseDown = [sheet](int32_t x, int32_t y, bool right, uint8_t modifiers) {
        sheet->MouseDown(x, y, right, modifiers);
    };
    on.mouseMove = [sheet](int32_t x, int32_t y) { sheet->MouseMove(x, y); };
    on.mouseUp = [sheet](int32_t x, int32_t y, bool right) { sheet->MouseUp(x, y, right); };
    on.doubleClick = [sheet](int32_t x, int32_t y) { sheet->DoubleClick(x, y); };
    on.cellText = [sheet](int32_t column, int32_t row) { return sheet->CellText(column, row); };
    on.editorKey = [sheet](int32_t key) { sheet->EditorKeyDown(key); };
    on.editorLeft = [sheet] { sheet->CommitEditor(); };
}

void cuiDialogSheetGrid::DrawCell(QPainter& painter, int32_t column, int32_t row,
                                  const clsCellRect& rect) {
    const clsCellPaint paint = m_sheet->Paint(column, row);
    DrawCellPaint(painter, paint, rect, &m_images, false);
    if (paint.repaintRight && !m_grid->IsBeingPainted(column + 1, row))
        m_grid->InvalidateCell(column + 1, row);
    if (m_overlay) m_overlay(painter, column, row, rect);
}
