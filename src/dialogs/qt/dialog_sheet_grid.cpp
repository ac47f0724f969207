#include "dialogs/qt/dialog_sheet_grid.h"

#include <QApplication>
#include <QStyle>

#include "dialogs/qt/work_area.h"
#include "sheets/qt/cell_painter.h"
#include "sheets/qt/qt_cell_style.h"
#include "sheets/qt/qt_grid.h"
#include "sheets/qt/sheet_handlers.h"

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
    ConnectSheetToGrid(*m_grid, *m_sheet);
    m_grid->Handlers().drawCell = [this](QPainter& painter, int32_t column, int32_t row,
                                         const clsCellRect& rect) {
        DrawCell(painter, column, row, rect);
    };
}

void cuiDialogSheetGrid::DrawCell(QPainter& painter, int32_t column, int32_t row,
                                  const clsCellRect& rect) {
    const clsCellPaint paint = m_sheet->Paint(column, row);
    DrawCellPaint(painter, paint, rect, &m_images, false);
    if (paint.repaintRight && !m_grid->IsBeingPainted(column + 1, row))
        m_grid->InvalidateCell(column + 1, row);
    if (m_overlay) m_overlay(painter, column, row, rect);
}
