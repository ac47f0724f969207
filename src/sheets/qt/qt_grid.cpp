#include "sheets/qt/qt_grid.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>

#include "platform/qt/qt_text.h"
#include "platform/qt/qt_timer_service.h"
#include "platform/timer_service.h"
#include "sheets/grid_geometry.h"
#include "sheets/qt/grid_accessible.h"
#include "sheets/qt/grid_editor.h"
#include "sheets/qt/qt_cell_style.h"
#include "sheets/sheet_keys.h"

namespace {

QRect ToQRect(const clsCellRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

int32_t SheetKeyCode(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return clsSheetKey::kEnter;
        case Qt::Key_Escape:
            return clsSheetKey::kEscape;
        case Qt::Key_PageUp:
            return clsSheetKey::kPageUp;
        case Qt::Key_PageDown:
            return clsSheetKey::kPageDown;
        case Qt::Key_End:
            return clsSheetKey::kEnd;
        case Qt::Key_Home:
            return clsSheetKey::kHome;
        case Qt::Key_Left:
            return clsSheetKey::kLeft;
        case Qt::Key_Up:
            return clsSheetKey::kUp;
        case Qt::Key_Right:
            return clsSheetKey::kRight;
        case Qt::Key_Down:
            return clsSheetKey::kDown;
        default:
            if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
                return clsSheetKey::kF1 + (key - Qt::Key_F1);
            return 0;
    }
}

uint8_t SheetModifiers(Qt::KeyboardModifiers modifiers) {
    uint8_t out = 0;
    if (modifiers & Qt::ShiftModifier) out |= clsKeyModifier::kShift;
    if (modifiers & Qt::ControlModifier) out |= clsKeyModifier::kCtrl;
    if (modifiers & Qt::AltModifier) out |= clsKeyModifier::kAlt;
    return out;
}

// The character a key typed for the sheet: printable Latin-1, Enter and Backspace; none (0) for
// shortcuts and for characters the core's texts cannot hold.
char TypedCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    const QString text = event.text();
    if (text.size() != 1) return 0;
    const char16_t code = text.at(0).unicode();
    if (code == u'\r' || code == u'\b') return static_cast<char>(code);
    if (code < 0x20 || code == 0x7F || code > 0xFF) return 0;
    return static_cast<char>(static_cast<unsigned char>(code));
}

// The fixed and then the scrolling indexes of spans.
std::vector<int32_t> Indexes(const clsGridSpans& spans) {
    std::vector<int32_t> indexes;
    for (const clsGridSpan& span : {spans.fixed, spans.scrolling}) {
        for (int32_t i = span.first; i <= span.last; ++i)
            indexes.push_back(i);
    }
    return indexes;
}

}  // namespace

cuiQtGrid::cuiQtGrid(QWidget* parent, cmcTimerService* timers)
    : QAbstractScrollArea(parent), m_timers(timers) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_timers == nullptr) {
        static cmcQtTimerService qtTimers;
        m_timers = &qtTimers;
    }
    m_scrollTimer = m_timers->CreateTimer([this] { TimedScrollStep(); });
    InstallGridAccessibility();
}

cuiQtGrid::~cuiQtGrid() = default;

void cuiQtGrid::SetSize(int32_t columns, int32_t rows) {
    m_layout.SetSize(columns, rows);
    SyncScrollBars();
    InvalidateAll();
}

void cuiQtGrid::SetFixed(int32_t columns, int32_t rows) {
    m_layout.SetFixed(columns, rows);
    SyncScrollBars();
    InvalidateAll();
}

void cuiQtGrid::SetColWidth(int32_t column, int32_t width) {
    if (m_layout.ColWidth(column) == std::max(width, 0)) return;
    m_layout.SetColWidth(column, width);
    SyncScrollBars();
    InvalidateAll();
}

void cuiQtGrid::SetRowHeight(int32_t row, int32_t height) {
    if (m_layout.RowHeight(row) == std::max(height, 0)) return;
    m_layout.SetRowHeight(row, height);
    SyncScrollBars();
    InvalidateAll();
}

void cuiQtGrid::SetBackground(uint32_t colour) {
    m_background = colour;
    InvalidateAll();
}

void cuiQtGrid::MoveCurrent(int32_t column, int32_t row, bool show) {
    const int32_t oldLeft = LeftCol();
    const int32_t oldTop = TopRow();
    const bool moved = column != Col() || row != Row();
    m_layout.MoveCurrent(column, row, show);
    TopLeftMoved(oldLeft, oldTop);
    if (moved) AnnounceCurrentCell();
}

void cuiQtGrid::AnnounceCurrentCell() {
    // A screen reader speaks the cell the user moved to.
    if (!QAccessible::isActive() || !HasFocus()) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(Row() * ColCount() + Col());
    QAccessible::updateAccessibility(&event);
}

void cuiQtGrid::SetTopLeft(int32_t column, int32_t row) {
    const int32_t oldLeft = LeftCol();
    const int32_t oldTop = TopRow();
    const QSize client = ClientSize();
    const int32_t width = client.width();
    const int32_t height = client.height();
    m_layout.SetTopLeft(std::min(column, LastLeftColumn(m_layout, width)),
                        std::min(row, LastTopRow(m_layout, height)));
    TopLeftMoved(oldLeft, oldTop);
}

void cuiQtGrid::TopLeftMoved(int32_t oldLeft, int32_t oldTop) {
    if (LeftCol() == oldLeft && TopRow() == oldTop) return;
    SyncScrollBars();
    InvalidateAll();
    // The edited cell has moved away from under the editor: the edit ends as on leaving it.
    if (m_editorShown && m_handlers.editorLeft) m_handlers.editorLeft();
    if (m_handlers.topLeftChanged) m_handlers.topLeftChanged();
}

int32_t cuiQtGrid::ClientWidth() const {
    return ClientSize().width();
}

QSize cuiQtGrid::ClientSize() const {
    // Worked out from the grid's own size rather than read from the viewport, which a hidden
    // grid lays out only once shown: a page is built before it is shown, and its column widths
    // are clamped to this width.
    const QSize full = maximumViewportSize();
    int32_t width = 0;
    for (int32_t c = 0; c < ColCount(); ++c)
        width += ColWidth(c);
    int32_t height = 0;
    for (int32_t r = 0; r < RowCount(); ++r)
        height += RowHeight(r);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool rowsOverflow = height > full.height();
    const bool columnsOverflow = width > full.width() - (rowsOverflow ? bar : 0);
    rowsOverflow = height > full.height() - (columnsOverflow ? bar : 0);
    return QSize(std::max(full.width() - (rowsOverflow ? bar : 0), 0),
                 std::max(full.height() - (columnsOverflow ? bar : 0), 0));
}

bool cuiQtGrid::ScrollBarsShown() const {
    return horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0;
}

clsCellRect cuiQtGrid::CellRect(int32_t column, int32_t row) const {
    return m_layout.CellRect(column, row);
}

bool cuiQtGrid::MouseCell(int32_t x, int32_t y, int32_t& column, int32_t& row) const {
    return m_layout.MouseCell(x, y, column, row);
}

void cuiQtGrid::InvalidateCell(int32_t column, int32_t row) {
    const clsCellRect rect = CellRect(column, row);
    if (rect.right > rect.left && rect.bottom > rect.top) viewport()->update(ToQRect(rect));
}

void cuiQtGrid::InvalidateAll() {
    viewport()->update();
}

bool cuiQtGrid::HasFocus() const {
    return hasFocus() || (m_editor != nullptr && m_editorShown && m_editor->hasFocus());
}

void cuiQtGrid::SyncScrollBars() {
    if (m_syncing) return;
    m_syncing = true;
    const QSize client = ClientSize();
    const int32_t width = client.width();
    const int32_t height = client.height();
    m_layout.SetClientSize(width, height);
    const int32_t lastLeft = LastLeftColumn(m_layout, width);
    const int32_t lastTop = LastTopRow(m_layout, height);
    // The layout grid lets the first scrolling cell go to the very last one; on screen it stops
    // where the last cells fill the view.
    if (LeftCol() > lastLeft || TopRow() > lastTop)
        m_layout.SetTopLeft(std::min(LeftCol(), lastLeft), std::min(TopRow(), lastTop));
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(lastLeft - FixedCols(), 0));
    horizontal->setPageStep(WholeColumnsInView(m_layout, width));
    horizontal->setValue(LeftCol() - FixedCols());
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(lastTop - FixedRows(), 0));
    vertical->setPageStep(WholeRowsInView(m_layout, height));
    vertical->setValue(TopRow() - FixedRows());
    m_syncing = false;
}

void cuiQtGrid::scrollContentsBy(int, int) {
    if (m_syncing) return;
    SetTopLeft(FixedCols() + horizontalScrollBar()->value(),
               FixedRows() + verticalScrollBar()->value());
}

void cuiQtGrid::ClientSizeChanged() {
    const QSize client = ClientSize();
    m_layout.SetClientSize(client.width(), client.height());
    const int32_t oldLeft = LeftCol();
    const int32_t oldTop = TopRow();
    SyncScrollBars();
    TopLeftMoved(oldLeft, oldTop);
    InvalidateAll();
}

void cuiQtGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ClientSizeChanged();
}

void cuiQtGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    painter.fillRect(exposed, QtColour(m_background));
    if (!m_handlers.drawCell) return;
    m_painting = exposed;
    const QSize client = ClientSize();
    const int32_t width = client.width();
    const int32_t height = client.height();
    const clsCellRect scrolling = ScrollingArea(m_layout, width, height);
    const clsCellRect area{exposed.left(), exposed.top(), exposed.right() + 1,
                           exposed.bottom() + 1};
    const std::vector<int32_t> columns = Indexes(m_layout.VisibleColumns(area));
    const std::vector<int32_t> rows = Indexes(m_layout.VisibleRows(area));
    for (int32_t row : rows) {
        for (int32_t column : columns) {
            clsCellRect rect = CellRect(column, row);
            // A scrolling cell never paints over the fixed ones.
            if (column >= FixedCols()) rect.left = std::max(rect.left, scrolling.left);
            if (row >= FixedRows()) rect.top = std::max(rect.top, scrolling.top);
            rect.right = std::min(rect.right, width);
            rect.bottom = std::min(rect.bottom, height);
            if (rect.right <= rect.left || rect.bottom <= rect.top) continue;
            m_handlers.drawCell(painter, column, row, rect);
        }
    }
    m_painting = QRect();
}

bool cuiQtGrid::IsBeingPainted(int32_t column, int32_t row) const {
    return m_painting.contains(ToQRect(CellRect(column, row)));
}

bool cuiQtGrid::AllowsSelect(int32_t column, int32_t row) {
    bool allow = true;
    if (m_handlers.selectCell) m_handlers.selectCell(column, row, allow);
    return allow;
}

void cuiQtGrid::BaseMove(int32_t dCol, int32_t dRow) {
    const int32_t column = Col() + dCol;
    const int32_t row = Row() + dRow;
    if (column < FixedCols() || column >= ColCount() || row < FixedRows() || row >= RowCount())
        return;
    if (AllowsSelect(column, row)) {
        InvalidateCell(Col(), Row());
        MoveCurrent(column, row, true);
        InvalidateCell(column, row);
    }
}

bool cuiQtGrid::event(QEvent* event) {
    // F1 on a cell is the cell's help: the grid takes it before the Help menu's shortcut for the
    // contents does.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void cuiQtGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int32_t key = SheetKeyCode(event->key());
    if (key != 0) {
        if (m_handlers.keyDown) {
            m_handlers.keyDown(key, SheetModifiers(event->modifiers()));
        } else if (key == clsSheetKey::kLeft || key == clsSheetKey::kRight) {
            BaseMove(key == clsSheetKey::kRight ? 1 : -1, 0);
        } else if (key == clsSheetKey::kUp || key == clsSheetKey::kDown) {
            BaseMove(0, key == clsSheetKey::kDown ? 1 : -1);
        }
    }
    const char typed = TypedCharacter(*event);
    if (typed != 0 && m_handlers.keyPress) m_handlers.keyPress(typed);
    event->accept();
}

void cuiQtGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool right = event->button() == Qt::RightButton;
    if (event->button() != Qt::LeftButton && !right) return;
    if (!right && m_layout.ColSizing()) {
        const int32_t edge = SizingEdgeAt(m_layout, at.x(), at.y(), kSizingSlack);
        if (edge >= 0) {
            m_sizingCol = edge;
            m_sizingStartX = at.x();
            m_sizingStartWidth = ColWidth(edge);
            return;
        }
    }
    m_mouseHeld = !right;
    m_mousePoint = at;
    if (m_handlers.mouseDown) {
        m_handlers.mouseDown(at.x(), at.y(), right, SheetModifiers(event->modifiers()));
    } else {
        int32_t column = 0;
        int32_t row = 0;
        if (MouseCell(at.x(), at.y(), column, row) && AllowsSelect(column, row)) {
            InvalidateCell(Col(), Row());
            MoveCurrent(column, row, true);
            InvalidateCell(column, row);
        }
    }
    if (right && m_handlers.contextMenu) m_handlers.contextMenu(viewport()->mapToGlobal(at));
}

void cuiQtGrid::UpdateSizingCursor(int32_t x, int32_t y) {
    const bool onEdge = m_layout.ColSizing() && SizingEdgeAt(m_layout, x, y, kSizingSlack) >= 0;
    viewport()->setCursor(onEdge || m_sizingCol >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void cuiQtGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    UpdateSizingCursor(at.x(), at.y());
    if (m_sizingCol >= 0) {
        SetColWidth(m_sizingCol, std::max(m_sizingStartWidth + at.x() - m_sizingStartX, 0));
        return;
    }
    m_mousePoint = at;
    if (m_handlers.mouseMove) m_handlers.mouseMove(at.x(), at.y());
    const clsCellRect area = ScrollingArea(m_layout, ClientSize().width(), ClientSize().height());
    if (m_mouseHeld && TimedScrollDirections(area, at.x(), at.y()) != 0) {
        if (!m_scrollTimer->IsActive()) m_scrollTimer->Start(kTimedScrollMs);
    } else {
        StopTimedScroll();
    }
}

void cuiQtGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (m_sizingCol >= 0) {
        m_sizingCol = -1;
        UpdateSizingCursor(at.x(), at.y());
        if (m_handlers.colWidthsChanged) m_handlers.colWidthsChanged();
        return;
    }
    m_mouseHeld = false;
    StopTimedScroll();
    if (m_handlers.mouseUp) m_handlers.mouseUp(at.x(), at.y(), event->button() == Qt::RightButton);
}

void cuiQtGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (m_handlers.doubleClick) m_handlers.doubleClick(at.x(), at.y());
}

void cuiQtGrid::wheelEvent(QWheelEvent* event) {
    // While the window is disabled (a clone transfer runs) the page stays where it is.
    if (!window()->isEnabled() || !isEnabled()) {
        event->ignore();
        return;
    }
    const QPoint notches = event->angleDelta() / 120;
    if (notches.isNull()) return;
    if (event->modifiers() & Qt::ShiftModifier || notches.y() == 0) {
        SetTopLeft(LeftCol() - (notches.y() != 0 ? notches.y() : notches.x()), TopRow());
    } else {
        SetTopLeft(LeftCol(), TopRow() - notches.y() * kWheelRows);
    }
    event->accept();
}

void cuiQtGrid::TimedScrollStep() {
    const clsCellRect area = ScrollingArea(m_layout, ClientSize().width(), ClientSize().height());
    const uint8_t directions = TimedScrollDirections(area, m_mousePoint.x(), m_mousePoint.y());
    if (directions == 0) {
        StopTimedScroll();
        return;
    }
    if (m_handlers.timedScroll) {
        m_handlers.timedScroll(directions);
        return;
    }
    int32_t dCol = 0;
    int32_t dRow = 0;
    if (directions & clsScrollDirection::kLeft) dCol = -1;
    if (directions & clsScrollDirection::kRight) dCol = 1;
    if (directions & clsScrollDirection::kUp) dRow = -1;
    if (directions & clsScrollDirection::kDown) dRow = 1;
    SetTopLeft(LeftCol() + dCol, TopRow() + dRow);
}

bool cuiQtGrid::IsTimedScrolling() const {
    return m_scrollTimer->IsActive();
}

void cuiQtGrid::StopTimedScroll() {
    if (m_scrollTimer->IsActive()) m_scrollTimer->Stop();
}

void cuiQtGrid::focusInEvent(QFocusEvent* event) {
    // Coming back from the grid's own editor is no new focus.
    const bool fromEditor = m_focusFromEditor;
    m_focusFromEditor = false;
    if (!fromEditor && m_handlers.focusEnter) m_handlers.focusEnter();
    QAbstractScrollArea::focusInEvent(event);
}

void cuiQtGrid::focusOutEvent(QFocusEvent* event) {
    // The editor or a popup menu taking the focus leaves the grid in charge.
    const bool toEditor = m_editor != nullptr && QApplication::focusWidget() == m_editor;
    if (!toEditor && event->reason() != Qt::PopupFocusReason && m_handlers.focusLeave)
        m_handlers.focusLeave();
    QAbstractScrollArea::focusOutEvent(event);
}

void cuiQtGrid::ShowEditor(const clsCellRect& rectangle, uint8_t verticalAlignment,
                           const std::string& text, int32_t selectionStart,
                           int32_t selectionLength) {
    if (m_editor == nullptr) {
        m_editor = new cuiGridEditor(viewport());
        m_editor->onKey = [this](int32_t key) {
            if (m_handlers.editorKey) m_handlers.editorKey(key);
        };
        m_editor->onLeave = [this] {
            if (m_editorShown && m_handlers.editorLeft) m_handlers.editorLeft();
            // The focus went from the editor to another control: the grid has lost it too.
            if (QApplication::focusWidget() != this && m_handlers.focusLeave)
                m_handlers.focusLeave();
        };
    }
    m_editor->setFont(font());
    const QString shown = FromCoreText(text.substr(0, kEditorMaxLength));
    m_editor->setPlainText(shown);
    const int32_t lines = static_cast<int32_t>(shown.count(QLatin1Char('\n'))) + 1;
    const clsCellRect placed =
        EditorRect(rectangle, verticalAlignment, QFontMetrics(font()).height() * lines);
    m_editor->setGeometry(ToQRect(placed));
    const int32_t length = static_cast<int32_t>(shown.size());
    const int32_t start = std::clamp(selectionStart, 0, length);
    const int32_t end = std::clamp(start + std::max(selectionLength, 0), start, length);
    QTextCursor cursor = m_editor->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
    m_editorShown = true;
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
}

void cuiQtGrid::HideEditor() {
    if (!m_editorShown) return;
    m_editorShown = false;
    if (m_editor->hasFocus()) {
        m_focusFromEditor = true;
        setFocus(Qt::OtherFocusReason);
        m_focusFromEditor = false;
    }
    m_editor->hide();
    InvalidateAll();
}

std::string cuiQtGrid::EditorText() const {
    return m_editor != nullptr ? ToCoreText(m_editor->toPlainText()) : std::string();
}
