#pragma once

#include <QAbstractScrollArea>
#include <functional>
#include <memory>

#include "sheets/layout_grid.h"

class QPainter;
class cmcTimer;
class cmcTimerService;
class cuiGridEditor;

// Where the Qt grid hands its steps to the sheet. An empty handler leaves the grid's own step:
// no drawing at all, arrows moving one cell, the mouse making the clicked cell current. Key
// codes are the sheet's (clsSheetKey), modifiers clsKeyModifier bits, points in the viewport.
struct clsGridHandlers {
    // May (column, row) become current? allow comes in true.
    std::function<void(int32_t column, int32_t row, bool& allow)> selectCell;
    std::function<void(QPainter& painter, int32_t column, int32_t row, const clsCellRect& rect)>
        drawCell;
    std::function<void()> topLeftChanged;
    // Called after the grid applied the new widths.
    std::function<void()> colWidthsChanged;
    // Instead of scrolling while the mouse is held outside the scrolling cells.
    std::function<void(uint8_t directions)> timedScroll;
    // Called before the grid's own focus handling.
    std::function<void()> focusEnter;
    std::function<void()> focusLeave;
    std::function<void(int32_t key, uint8_t modifiers)> keyDown;
    std::function<void(char character)> keyPress;
    std::function<void(int32_t x, int32_t y, bool rightButton, uint8_t modifiers)> mouseDown;
    std::function<void(int32_t x, int32_t y)> mouseMove;
    std::function<void(int32_t x, int32_t y, bool rightButton)> mouseUp;
    std::function<void(int32_t x, int32_t y)> doubleClick;
    // The right button went down at a point of the screen (after mouseDown).
    std::function<void(const QPoint& global)> contextMenu;
    // What a cell shows, for screen readers.
    std::function<std::string(int32_t column, int32_t row)> cellText;
    // The in-place editor's keys that end or move an edit, and leaving it.
    std::function<void(int32_t key)> editorKey;
    std::function<void()> editorLeft;
};

// The grid on screen: a scroll area whose viewport paints only the exposed cells, with fixed rows
// and columns that stay while the rest scrolls cell by cell (the thumb scrolls as it is dragged),
// no border and no grid lines of its own. It holds no cell contents. Sizes, the current and
// top-left cells and the cell rectangles are those of a layout grid inside it, kept to the
// viewport's size, so that the screen lays cells out as printing and the tests do.
class cuiQtGrid : public QAbstractScrollArea, public cuiGrid {
    Q_OBJECT
public:
    // Timers for scrolling while the mouse is held outside; none: Qt's own.
    explicit cuiQtGrid(QWidget* parent, cmcTimerService* timers = nullptr);
    ~cuiQtGrid() override;

    clsGridHandlers& Handlers() { return m_handlers; }
    const clsGridHandlers& Handlers() const { return m_handlers; }
    const cuiLayoutGrid& Layout() const { return m_layout; }

    void SetSize(int32_t columns, int32_t rows) override;
    int32_t ColCount() const override { return m_layout.ColCount(); }
    int32_t RowCount() const override { return m_layout.RowCount(); }
    void SetFixed(int32_t columns, int32_t rows) override;
    int32_t FixedCols() const override { return m_layout.FixedCols(); }
    int32_t FixedRows() const override { return m_layout.FixedRows(); }
    void SetColWidth(int32_t column, int32_t width) override;
    int32_t ColWidth(int32_t column) const override { return m_layout.ColWidth(column); }
    void SetRowHeight(int32_t row, int32_t height) override;
    int32_t RowHeight(int32_t row) const override { return m_layout.RowHeight(row); }
    void SetColSizing(bool on) override { m_layout.SetColSizing(on); }
    void SetBackground(uint32_t colour) override;

    int32_t Col() const override { return m_layout.Col(); }
    int32_t Row() const override { return m_layout.Row(); }
    void MoveCurrent(int32_t column, int32_t row, bool show) override;
    int32_t LeftCol() const override { return m_layout.LeftCol(); }
    int32_t TopRow() const override { return m_layout.TopRow(); }
    void SetTopLeft(int32_t column, int32_t row) override;
    int32_t ClientWidth() const override;
    bool ScrollBarsShown() const override;

    clsCellRect CellRect(int32_t column, int32_t row) const override;
    bool MouseCell(int32_t x, int32_t y, int32_t& column, int32_t& row) const override;
    void InvalidateCell(int32_t column, int32_t row) override;
    void InvalidateAll() override;

    void SetEnabled(bool on) override { setEnabled(on); }
    bool IsEnabled() const override { return isEnabled(); }
    bool HasFocus() const override;

    void ShowEditor(const clsCellRect& rectangle, uint8_t verticalAlignment,
                    const std::string& text, int32_t selectionStart,
                    int32_t selectionLength) override;
    void HideEditor() override;
    bool IsEditorShown() const override { return m_editorShown; }
    std::string EditorText() const override;
    // The editor, once it was first shown.
    cuiGridEditor* Editor() const { return m_editor; }

    // During a paint: whether the cell lies wholly inside the area being painted.
    bool IsBeingPainted(int32_t column, int32_t row) const;

    // One step of scrolling while the mouse is held outside the scrolling cells (the timer's).
    void TimedScrollStep();
    bool IsTimedScrolling() const;

    // How long a step of scrolling while the mouse is held outside lasts.
    static constexpr int32_t kTimedScrollMs = 60;
    // Rows one notch of the wheel scrolls.
    static constexpr int32_t kWheelRows = 3;
    // How near a column edge in a fixed row the mouse may be to drag it.
    static constexpr int32_t kSizingSlack = 3;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize ClientSize() const;
    void SyncScrollBars();
    void ClientSizeChanged();
    void TopLeftMoved(int32_t oldLeft, int32_t oldTop);
    void AnnounceCurrentCell();
    void BaseMove(int32_t dCol, int32_t dRow);
    bool AllowsSelect(int32_t column, int32_t row);
    void UpdateSizingCursor(int32_t x, int32_t y);
    void StopTimedScroll();

    clsGridHandlers m_handlers;
    cuiLayoutGrid m_layout{0, 0};
    cmcTimerService* m_timers;
    std::unique_ptr<cmcTimer> m_scrollTimer;
    cuiGridEditor* m_editor = nullptr;  // a child: Qt owns it
    bool m_editorShown = false;
    bool m_focusFromEditor = false;
    bool m_syncing = false;
    bool m_mouseHeld = false;
    QPoint m_mousePoint;
    QRect m_painting;  // the area being painted, during a paint
    int32_t m_sizingCol = -1;
    int32_t m_sizingStartX = 0;
    int32_t m_sizingStartWidth = 0;
    uint32_t m_background = 0xFFFFFF;
};
