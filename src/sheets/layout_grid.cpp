#include "sheets/layout_grid.h"

#include <algorithm>

namespace {

constexpr int32_t kDefaultSize = 1;  // a column or row that nothing widens is a one-pixel rule
constexpr int32_t kOutOfView = -1;

}  // namespace

void cuiLayoutGrid::SetSize(int32_t columns, int32_t rows) {
    m_widths.resize(static_cast<size_t>(std::max(columns, 0)), kDefaultSize);
    m_heights.resize(static_cast<size_t>(std::max(rows, 0)), kDefaultSize);
    m_fixedCols = std::min(m_fixedCols, std::max(columns - 1, 0));
    m_fixedRows = std::min(m_fixedRows, std::max(rows - 1, 0));
    m_col = std::clamp(m_col, 0, std::max(columns - 1, 0));
    m_row = std::clamp(m_row, 0, std::max(rows - 1, 0));
    SetTopLeft(m_leftCol, m_topRow);
}

void cuiLayoutGrid::SetFixed(int32_t columns, int32_t rows) {
    m_fixedCols = std::clamp(columns, 0, std::max(ColCount() - 1, 0));
    m_fixedRows = std::clamp(rows, 0, std::max(RowCount() - 1, 0));
    SetTopLeft(m_leftCol, m_topRow);
}

void cuiLayoutGrid::SetColWidth(int32_t column, int32_t width) {
    if (IsColumn(column)) m_widths[static_cast<size_t>(column)] = std::max(width, 0);
}

int32_t cuiLayoutGrid::ColWidth(int32_t column) const {
    return IsColumn(column) ? m_widths[static_cast<size_t>(column)] : 0;
}

void cuiLayoutGrid::SetRowHeight(int32_t row, int32_t height) {
    if (IsRow(row)) m_heights[static_cast<size_t>(row)] = std::max(height, 0);
}

int32_t cuiLayoutGrid::RowHeight(int32_t row) const {
    return IsRow(row) ? m_heights[static_cast<size_t>(row)] : 0;
}

void cuiLayoutGrid::MoveCurrent(int32_t column, int32_t row, bool show) {
    if (!IsColumn(column) || !IsRow(row)) return;
    m_col = column;
    m_row = row;
    if (!show) return;
    // Scroll just far enough that the cell is in view.
    if (column >= m_fixedCols && column < m_leftCol) SetTopLeft(column, m_topRow);
    if (row >= m_fixedRows && row < m_topRow) SetTopLeft(m_leftCol, row);
    while (column >= m_fixedCols && m_leftCol < column &&
           CellRect(column, row).right > m_clientWidth)
        SetTopLeft(m_leftCol + 1, m_topRow);
    while (row >= m_fixedRows && m_topRow < row && CellRect(column, row).bottom > m_clientHeight)
        SetTopLeft(m_leftCol, m_topRow + 1);
}

void cuiLayoutGrid::SetTopLeft(int32_t column, int32_t row) {
    m_leftCol = std::clamp(column, m_fixedCols, std::max(ColCount() - 1, m_fixedCols));
    m_topRow = std::clamp(row, m_fixedRows, std::max(RowCount() - 1, m_fixedRows));
}

void cuiLayoutGrid::SetClientSize(int32_t width, int32_t height) {
    m_clientWidth = width;
    m_clientHeight = height;
}

bool cuiLayoutGrid::ScrollBarsShown() const {
    int32_t width = 0;
    for (int32_t w : m_widths)
        width += w;
    int32_t height = 0;
    for (int32_t h : m_heights)
        height += h;
    return width > m_clientWidth || height > m_clientHeight;
}

int32_t cuiLayoutGrid::ColumnLeft(int32_t column) const {
    if (column >= m_fixedCols && column < m_leftCol) return kOutOfView;
    int32_t x = 0;
    for (int32_t c = 0; c < m_fixedCols && c < column; ++c)
        x += ColWidth(c);
    if (column < m_fixedCols) return x;
    for (int32_t c = m_leftCol; c < column; ++c)
        x += ColWidth(c);
    return x;
}

int32_t cuiLayoutGrid::RowTop(int32_t row) const {
    if (row >= m_fixedRows && row < m_topRow) return kOutOfView;
    int32_t y = 0;
    for (int32_t r = 0; r < m_fixedRows && r < row; ++r)
        y += RowHeight(r);
    if (row < m_fixedRows) return y;
    for (int32_t r = m_topRow; r < row; ++r)
        y += RowHeight(r);
    return y;
}

clsCellRect cuiLayoutGrid::CellRect(int32_t column, int32_t row) const {
    if (!IsColumn(column) || !IsRow(row)) return {};
    const int32_t left = ColumnLeft(column);
    const int32_t top = RowTop(row);
    if (left == kOutOfView || top == kOutOfView) return {};
    return {left, top, left + ColWidth(column), top + RowHeight(row)};
}

bool cuiLayoutGrid::MouseCell(int32_t x, int32_t y, int32_t& column, int32_t& row) const {
    if (x < 0 || y < 0 || x >= m_clientWidth || y >= m_clientHeight) return false;
    int32_t foundCol = -1;
    for (int32_t c = 0; c < ColCount() && foundCol < 0; ++c) {
        const int32_t left = ColumnLeft(c);
        if (left != kOutOfView && x >= left && x < left + ColWidth(c)) foundCol = c;
    }
    int32_t foundRow = -1;
    for (int32_t r = 0; r < RowCount() && foundRow < 0; ++r) {
        const int32_t top = RowTop(r);
        if (top != kOutOfView && y >= top && y < top + RowHeight(r)) foundRow = r;
    }
    if (foundCol < 0 || foundRow < 0) return false;
    column = foundCol;
    row = foundRow;
    return true;
}

void cuiLayoutGrid::ShowEditor(const clsCellRect&, uint8_t, const std::string& text,
                               int32_t selectionStart, int32_t selectionLength) {
    m_editorShown = true;
    m_editorText = text.substr(0, kEditorMaxLength);
    m_editorStart = selectionStart;
    m_editorLength = selectionLength;
}
