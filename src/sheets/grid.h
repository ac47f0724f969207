#pragma once

#include <cstdint>
#include <string>

#include "overlay/cell_capsule.h"

// The grid a sheet shows its cells in: per-column widths and per-row heights, fixed rows and
// columns, a current cell, a top-left visible cell, cell rectangles, hit testing, invalidation and
// an in-place editor. It holds no cell contents: the sheet decides what each cell shows and which
// cells may become current, and the grid's owner passes its key, mouse, focus, draw, column-width
// and timed-scroll events on to the sheet (cuiSheet). The GUI implements it over its toolkit's
// grid; cuiLayoutGrid is the implementation without a window (printing, the command line, tests).
class cuiGrid {
public:
    virtual ~cuiGrid() = default;

    virtual void SetSize(int32_t columns, int32_t rows) = 0;
    virtual int32_t ColCount() const = 0;
    virtual int32_t RowCount() const = 0;
    virtual void SetFixed(int32_t columns, int32_t rows) = 0;
    virtual int32_t FixedCols() const = 0;
    virtual int32_t FixedRows() const = 0;
    virtual void SetColWidth(int32_t column, int32_t width) = 0;
    virtual int32_t ColWidth(int32_t column) const = 0;
    virtual void SetRowHeight(int32_t row, int32_t height) = 0;
    virtual int32_t RowHeight(int32_t row) const = 0;
    // Whether the user may drag column edges.
    virtual void SetColSizing(bool on) = 0;
    virtual void SetBackground(uint32_t colour) = 0;

    // The current cell. Moving it does not ask the sheet again: the sheet moves it itself.
    virtual int32_t Col() const = 0;
    virtual int32_t Row() const = 0;
    virtual void MoveCurrent(int32_t column, int32_t row, bool show) = 0;
    // The first scrolling column and row in view.
    virtual int32_t LeftCol() const = 0;
    virtual int32_t TopRow() const = 0;
    virtual void SetTopLeft(int32_t column, int32_t row) = 0;
    // The inner width of the grid's window, in pixels.
    virtual int32_t ClientWidth() const = 0;
    // Whether scroll bars are shown (all cells do not fit).
    virtual bool ScrollBarsShown() const = 0;

    virtual clsCellRect CellRect(int32_t column, int32_t row) const = 0;
    // The cell under a point of the client area; false outside every cell.
    virtual bool MouseCell(int32_t x, int32_t y, int32_t& column, int32_t& row) const = 0;
    virtual void InvalidateCell(int32_t column, int32_t row) = 0;
    virtual void InvalidateAll() = 0;

    virtual void SetEnabled(bool on) = 0;
    virtual bool IsEnabled() const = 0;
    virtual bool HasFocus() const = 0;

    // The in-place editor: a borderless multi-line editor without word wrap over rectangle,
    // vertically placed by the cell's vertical alignment (clsCellLayout).
    virtual void ShowEditor(const clsCellRect& rectangle, uint8_t verticalAlignment,
                            const std::string& text, int32_t selectionStart,
                            int32_t selectionLength) = 0;
    virtual void HideEditor() = 0;
    virtual bool IsEditorShown() const = 0;
    virtual std::string EditorText() const = 0;
};

// The most characters the in-place editor takes.
constexpr int32_t kEditorMaxLength = 1024;
