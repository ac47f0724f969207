#pragma once

#include <cstdint>
#include <vector>

#include "sheets/grid.h"

// A run of columns or rows, first to last; empty when last is below first.
struct clsGridSpan {
    int32_t first = 0;
    int32_t last = -1;

    bool Empty() const { return last < first; }
    bool operator==(const clsGridSpan&) const = default;
};

// The columns (or rows) that meet a rectangle: a run of the fixed ones and a run of the scrolling
// ones in view. Either run may be empty.
struct clsGridSpans {
    clsGridSpan fixed;
    clsGridSpan scrolling;

    bool operator==(const clsGridSpans&) const = default;
};

// A grid without a window: it keeps the sizes, the fixed part, the current and top-left cells and
// an editor's text, and lays cells out from the top-left cell over a client area of a given size.
// The layout arithmetic of screen, paper and the command line is this one: the window's grid holds
// one inside it, printing and the command line build sheets on it, the tests drive sheets through
// it. Every position is in pixels of the client area: the fixed columns from its left edge, then
// the scrolling columns from the first in view (LeftCol); rows likewise from the top. Edges come
// from running sums of the sizes, so that a position or a hit test does not add up the columns
// or rows before it.
class cuiLayoutGrid : public cuiGrid {
public:
    // The position of a column or row scrolled out of view.
    static constexpr int32_t kOutOfView = -1;

    explicit cuiLayoutGrid(int32_t clientWidth = 1 << 20, int32_t clientHeight = 1 << 20)
        : m_clientWidth(clientWidth), m_clientHeight(clientHeight) {}

    void SetSize(int32_t columns, int32_t rows) override;
    int32_t ColCount() const override { return static_cast<int32_t>(m_widths.size()); }
    int32_t RowCount() const override { return static_cast<int32_t>(m_heights.size()); }
    void SetFixed(int32_t columns, int32_t rows) override;
    int32_t FixedCols() const override { return m_fixedCols; }
    int32_t FixedRows() const override { return m_fixedRows; }
    void SetColWidth(int32_t column, int32_t width) override;
    int32_t ColWidth(int32_t column) const override;
    void SetRowHeight(int32_t row, int32_t height) override;
    int32_t RowHeight(int32_t row) const override;
    void SetColSizing(bool on) override { m_colSizing = on; }
    bool ColSizing() const { return m_colSizing; }
    void SetBackground(uint32_t colour) override { m_background = colour; }
    uint32_t Background() const { return m_background; }

    int32_t Col() const override { return m_col; }
    int32_t Row() const override { return m_row; }
    void MoveCurrent(int32_t column, int32_t row, bool show) override;
    int32_t LeftCol() const override { return m_leftCol; }
    int32_t TopRow() const override { return m_topRow; }
    void SetTopLeft(int32_t column, int32_t row) override;
    int32_t ClientWidth() const override { return m_clientWidth; }
    int32_t ClientHeight() const { return m_clientHeight; }
    void SetClientSize(int32_t width, int32_t height);
    bool ScrollBarsShown() const override;

    clsCellRect CellRect(int32_t column, int32_t row) const override;
    // The cell under a point of the client area, in logarithmic time; false outside every cell.
    bool MouseCell(int32_t x, int32_t y, int32_t& column, int32_t& row) const override;

    // The left edge of a column as laid out, in constant time; ColumnLeft(ColCount()) is the right
    // edge of the last one. kOutOfView for a scrolling column left of LeftCol and outside
    // 0 ... ColCount().
    int32_t ColumnLeft(int32_t column) const;
    // The top edge of a row, as ColumnLeft.
    int32_t RowTop(int32_t row) const;
    // The columns in view whose left-to-right extent meets the rectangle's (left inclusive, right
    // exclusive), fixed and scrolling apart; a column of no width meets it only strictly inside.
    // Columns right of the client area count too, as far as the rectangle reaches.
    clsGridSpans VisibleColumns(const clsCellRect& rectangle) const;
    // The rows in view that meet the rectangle's top-to-bottom extent, as VisibleColumns.
    clsGridSpans VisibleRows(const clsCellRect& rectangle) const;
    // The column in view whose right edge lies within tolerance pixels of x, where a drag sizes
    // it: the nearest such edge, the leftmost column of those that share it (so that a column of
    // no width is never picked up in place of the one before it); -1 when none.
    int32_t ColumnEdgeAt(int32_t x, int32_t tolerance) const;
    void InvalidateCell(int32_t, int32_t) override {}
    void InvalidateAll() override {}

    void SetEnabled(bool on) override { m_enabled = on; }
    bool IsEnabled() const override { return m_enabled; }
    bool HasFocus() const override { return m_focus; }
    void SetFocus(bool on) { m_focus = on; }

    void ShowEditor(const clsCellRect& rectangle, uint8_t verticalAlignment,
                    const std::string& text, int32_t selectionStart,
                    int32_t selectionLength) override;
    void HideEditor() override { m_editorShown = false; }
    bool IsEditorShown() const override { return m_editorShown; }
    std::string EditorText() const override { return m_editorText; }
    // What the user typed into the editor.
    void SetEditorText(const std::string& text) { m_editorText = text; }
    int32_t EditorSelectionStart() const { return m_editorStart; }
    int32_t EditorSelectionLength() const { return m_editorLength; }

private:
    // One direction of the layout: sizes with their running sums (start[i] is the sum of the sizes
    // before i, start[count] the whole), the fixed count and the first scrolling one in view.
    struct Axis {
        const std::vector<int64_t>& starts;
        int32_t fixed;
        int32_t first;

        int32_t Count() const { return static_cast<int32_t>(starts.size()) - 1; }
        // Between the sums and the client area's pixels in the scrolling part.
        int64_t FixedEnd() const { return starts[static_cast<size_t>(fixed)]; }
        int64_t ToClient(int64_t sum) const {
            return FixedEnd() + sum - starts[static_cast<size_t>(first)];
        }
        int64_t ToSums(int64_t pixel) const {
            return pixel - FixedEnd() + starts[static_cast<size_t>(first)];
        }
    };
    Axis Columns() const;
    Axis Rows() const;
    static int32_t Position(const Axis& axis, int32_t index);
    static int32_t IndexAt(const Axis& axis, int32_t position);
    static clsGridSpans Meeting(const Axis& axis, int32_t low, int32_t high);
    static int32_t EdgeNear(const Axis& axis, int32_t position, int32_t tolerance);
    // Recomputes the running sums after a size changed, at the next look.
    void SumSizes() const;
    bool IsColumn(int32_t column) const { return column >= 0 && column < ColCount(); }
    bool IsRow(int32_t row) const { return row >= 0 && row < RowCount(); }

    std::vector<int32_t> m_widths;
    std::vector<int32_t> m_heights;
    mutable std::vector<int64_t> m_colStarts{0};
    mutable std::vector<int64_t> m_rowStarts{0};
    mutable bool m_sumsStale = false;
    int32_t m_fixedCols = 0;
    int32_t m_fixedRows = 0;
    int32_t m_col = 0;
    int32_t m_row = 0;
    int32_t m_leftCol = 0;
    int32_t m_topRow = 0;
    int32_t m_clientWidth;
    int32_t m_clientHeight;
    uint32_t m_background = 0;
    bool m_colSizing = false;
    bool m_enabled = true;
    bool m_focus = false;
    bool m_editorShown = false;
    std::string m_editorText;
    int32_t m_editorStart = 0;
    int32_t m_editorLength = 0;
};
