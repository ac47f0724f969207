#pragma once

#include <vector>

#include "sheets/grid.h"

// A grid without a window: it keeps the sizes, the fixed part, the current and top-left cells and
// an editor's text, and lays cells out from the top-left cell over a client area of a given size.
// Printing and the command line build sheets on it; the tests drive sheets through it.
class cuiLayoutGrid : public cuiGrid {
public:
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
    bool MouseCell(int32_t x, int32_t y, int32_t& column, int32_t& row) const override;
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
    // Left edges of the columns (top edges of the rows) as laid out: the fixed ones first, then
    // the scrolling ones from the first in view; cells scrolled out of view have none.
    int32_t ColumnLeft(int32_t column) const;
    int32_t RowTop(int32_t row) const;
    bool IsColumn(int32_t column) const { return column >= 0 && column < ColCount(); }
    bool IsRow(int32_t row) const { return row >= 0 && row < RowCount(); }

    std::vector<int32_t> m_widths;
    std::vector<int32_t> m_heights;
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
