#include "sheets/qt/sheet_page.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

#include "overlay/cell_ids.h"
#include "sheets/grid_geometry.h"
#include "sheets/qt/cell_painter.h"
#include "sheets/qt/qt_cell_style.h"
#include "sheets/qt/qt_grid.h"
#include "sheets/qt/sheet_handlers.h"
#include "sheets/qt/title_panel.h"
#include "sheets/sheet_keys.h"

namespace {

constexpr int kMarkHeight = 16;

}  // namespace

cuiSheetPage::cuiSheetPage(QWidget* parent, const datSheetOpening& opening,
                           const datSheetPageSetup& setup)
    : QWidget(parent),
      m_styleImages(MarkImageList(*QApplication::style(), kMarkHeight)),
      m_images(setup.images != nullptr ? setup.images : &m_styleImages),
      m_showPopupMenu(setup.showPopupMenu),
      m_gridPanel(new QFrame(this)),
      m_grid(new cuiQtGrid(m_gridPanel, setup.services.timers)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* gridLayout = new QVBoxLayout(m_gridPanel);
    if (setup.selectionList) {
        m_gridPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        m_gridPanel->setLineWidth(kListBevel);
        gridLayout->setContentsMargins(kListBevel + kListBorder, kListBevel + kListBorder,
                                       kListBevel + kListBorder, kListBevel + kListBorder);
    } else {
        m_gridPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_gridPanel->setLineWidth(kGridBevel);
        gridLayout->setContentsMargins(kGridBevel, kGridBevel, kGridBevel, kGridBevel);
    }
    gridLayout->addWidget(m_grid);
    layout->addWidget(m_gridPanel, 1);
    // The sheet clamps its column widths to the grid's width, and a hidden page lays out its
    // children only once shown: give the grid the sheet panel's size before it is built.
    if (parent != nullptr) {
        resize(parent->contentsRect().size());
        m_gridPanel->resize(size());
        const QMargins margins = gridLayout->contentsMargins();
        m_grid->resize(m_gridPanel->size().shrunkBy(margins));
    }

    m_sheet = std::make_unique<iuiSheet>(*m_grid, setup.store, opening.name, m_measure,
                                         setup.services, setup.radio);
    m_sheet->SetSelectionList(setup.selectionList);
    m_sheet->SetImageList(m_images, m_images->Height());
    m_sheet->SetSystemColours(SystemColoursOf(palette()));
    if (opening.place) {
        const datGridPlace& place = *opening.place;
        m_sheet->SetSavedPosition(place.column, place.row, place.leftColumn, place.topRow);
    }
    if (opening.fontChanged) m_sheet->RequestWidthReset();
    ConnectGrid();
    m_sheet->Build();

    const cmcCellObj& basic = m_sheet->BasicCell();
    if (basic.GetFont()) m_grid->setFont(QtCellFont(*basic.GetFont()));
    if (m_sheet->HasTitle()) {
        m_title = new cuiTitlePanel(this, m_sheet->Title(), m_sheet->TitleFont(),
                                    m_sheet->TitleColour(), SystemColoursOf(palette()));
        layout->insertWidget(0, m_title);
        m_grid->setAccessibleName(m_title->Text());
    }
}

cuiSheetPage::~cuiSheetPage() {
    // The grid goes after the sheet: nothing it still reports may reach the sheet.
    m_grid->Handlers() = clsGridHandlers();
}

void cuiSheetPage::ConnectGrid() {
    ConnectSheetToGrid(*m_grid, *m_sheet);
    clsGridHandlers& on = m_grid->Handlers();
    iuiSheet* sheet = m_sheet.get();
    on.drawCell = [this](QPainter& painter, int32_t column, int32_t row, const clsCellRect& rect) {
        DrawCell(painter, column, row, rect);
    };
    on.keyDown = [sheet](int32_t key, uint8_t modifiers) {
        // F1 asks for the current cell's help, as the popup menu's help item does.
        if (key == clsSheetKey::kF1 && modifiers == 0) {
            sheet->PopupCommand(CL_PMenu_Help);
            return;
        }
        sheet->KeyDown(key, modifiers);
    };
    on.contextMenu = [this, sheet](const QPoint& global) {
        if (!sheet->PopupMenuKey().empty() && m_showPopupMenu) m_showPopupMenu(global);
    };
}

void cuiSheetPage::DrawCell(QPainter& painter, int32_t column, int32_t row,
                            const clsCellRect& rect) {
    const clsCellPaint paint = m_sheet->Paint(column, row);
    DrawCellPaint(painter, paint, rect, m_images, false);
    // A "T" cell to the right shows the state of this one: it is painted again with it.
    if (paint.repaintRight && !m_grid->IsBeingPainted(column + 1, row))
        m_grid->InvalidateCell(column + 1, row);
}

void cuiSheetPage::FollowPalette() {
    const clsSystemColours system = SystemColoursOf(palette());
    m_sheet->SetSystemColours(system);
    m_grid->SetBackground(system.Resolve(m_sheet->BasicCell().GetColour()));
    if (m_title != nullptr) m_title->SetSystemColours(system);
    m_grid->InvalidateAll();
}

void cuiSheetPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_sheet) FollowPalette();
}

void cuiSheetPage::Show() {
    show();
}

bool cuiSheetPage::IsGridShowing() {
    return isVisible() && m_grid->isVisible();
}

datGridPlace cuiSheetPage::GridPlace() {
    return {m_grid->Col(), m_grid->Row(), m_grid->LeftCol(), m_grid->TopRow()};
}

bool cuiSheetPage::IsGridEnabled() {
    return m_grid->IsEnabled();
}

void cuiSheetPage::FocusGrid() {
    m_grid->setFocus(Qt::OtherFocusReason);
}

std::optional<datCellBinding> cuiSheetPage::CursorCell() {
    const cmcCellObj& cell = m_sheet->Cell(m_grid->Col(), m_grid->Row());
    if (cell.GetLabel() == CL_None) return std::nullopt;
    return datCellBinding{cell.GetCategory(), cell.GetLabel(), cell.GetIndex()};
}

void cuiSheetPage::MoveCursorTo(const datCellBinding& cell) {
    m_sheet->SelectBinding(cell.category, cell.label, cell.index);
}

bool cuiSheetPage::CanPrint() {
    return m_sheet->IsPrintable();
}

std::unique_ptr<cuiSheetView> CreateSheetPage(QWidget* parent, const datSheetOpening& opening,
                                              const datSheetPageSetup& setup) {
    return std::make_unique<cuiSheetPage>(parent, opening, setup);
}
