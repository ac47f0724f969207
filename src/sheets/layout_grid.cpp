#include "sheets/layout_grid.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t kDefaultSize = 1;  // a column or row that nothing widens is a one-pixel rule

using Starts = std::vector<int64_t>;

size_t Index(int32_t i) {
    return static_cast<size_t>(i);
}

// A sum of sizes as a pixel of the client area; sizes too large to add up stop at the far end.
int32_t ClientPixel(int64_t sum) {
    return static_cast<int32_t>(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
}

// The indices in from ... to - 1 whose extent [start, next start) meets [low, high) of the sums.
clsGridSpan Run(const Starts& starts, int32_t from, int32_t to, int64_t low, int64_t high) {
    if (low >= high || from >= to) return {};
    const auto begin = starts.begin();
    const auto first = std::upper_bound(begin + from + 1, begin + to + 1, low) - begin - 1;
    const auto last = std::lower_bound(begin + from, begin + to, high) - begin - 1;
    if (first > last) return {};
    return {static_cast<int32_t>(first), static_cast<int32_t>(last)};
}

// The right edge nearest to a position among the indices from ... to - 1, and of those that share
// it the first.
struct Edge {
    int32_t index = -1;
    int64_t distance = std::numeric_limits<int64_t>::max();
};

Edge NearestEdge(const Starts& starts, int32_t from, int32_t to, int64_t position) {
    if (from >= to) return {};
    const auto edges = starts.begin() + from + 1;  // edges[i] is the right edge of from + i
    const auto end = starts.begin() + to + 1;
    const auto first = [&](int64_t edge) {
        return static_cast<int32_t>(std::lower_bound(edges, end, edge) - edges) + from;
    };
    Edge nearest;
    const auto above = std::lower_bound(edges, end, position);
    if (above != edges) {
        const int64_t edge = *(above - 1);
        nearest = {first(edge), position - edge};
    }
    if (above != end && *above - position < nearest.distance)
        nearest = {first(*above), *above - position};
    return nearest;
}

}  // namespace

void cuiLayoutGrid::SetSize(int32_t columns, int32_t rows) {
    m_widths.resize(static_cast<size_t>(std::max(columns, 0)), kDefaultSize);
    m_heights.resize(static_cast<size_t>(std::max(rows, 0)), kDefaultSize);
    m_sumsStale = true;
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
    if (!IsColumn(column)) return;
    m_widths[static_cast<size_t>(column)] = std::max(width, 0);
    m_sumsStale = true;
}

int32_t cuiLayoutGrid::ColWidth(int32_t column) const {
    return IsColumn(column) ? m_widths[static_cast<size_t>(column)] : 0;
}

void cuiLayoutGrid::SetRowHeight(int32_t row, int32_t height) {
    if (!IsRow(row)) return;
    m_heights[static_cast<size_t>(row)] = std::max(height, 0);
    m_sumsStale = true;
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
    return Columns().starts.back() > m_clientWidth || Rows().starts.back() > m_clientHeight;
}

void cuiLayoutGrid::SumSizes() const {
    if (!m_sumsStale) return;
    const auto sum = [](const std::vector<int32_t>& sizes, std::vector<int64_t>& starts) {
        starts.assign(sizes.size() + 1, 0);
        for (size_t i = 0; i < sizes.size(); ++i)
            starts[i + 1] = starts[i] + sizes[i];
    };
    sum(m_widths, m_colStarts);
    sum(m_heights, m_rowStarts);
    m_sumsStale = false;
}

cuiLayoutGrid::Axis cuiLayoutGrid::Columns() const {
    SumSizes();
    return {m_colStarts, m_fixedCols, m_leftCol};
}

cuiLayoutGrid::Axis cuiLayoutGrid::Rows() const {
    SumSizes();
    return {m_rowStarts, m_fixedRows, m_topRow};
}

int32_t cuiLayoutGrid::Position(const Axis& axis, int32_t index) {
    const int32_t count = axis.Count();
    if (index < 0 || index > count) return kOutOfView;
    if (index < axis.fixed) return ClientPixel(axis.starts[Index(index)]);
    if (index < axis.first) return kOutOfView;
    return ClientPixel(axis.ToClient(axis.starts[Index(index)]));
}

int32_t cuiLayoutGrid::IndexAt(const Axis& axis, int32_t position) {
    if (position < 0) return -1;
    const auto begin = axis.starts.begin();
    if (position < axis.FixedEnd()) {
        return static_cast<int32_t>(std::upper_bound(begin, begin + axis.fixed + 1, position) -
                                    begin) -
               1;
    }
    const int64_t sum = axis.ToSums(position);
    if (sum >= axis.starts.back()) return -1;
    return static_cast<int32_t>(std::upper_bound(begin + axis.first, axis.starts.end(), sum) -
                                begin) -
           1;
}

clsGridSpans cuiLayoutGrid::Meeting(const Axis& axis, int32_t low, int32_t high) {
    clsGridSpans spans;
    spans.fixed = Run(axis.starts, 0, axis.fixed, low, high);
    spans.scrolling =
        Run(axis.starts, axis.first, axis.Count(), axis.ToSums(low), axis.ToSums(high));
    return spans;
}

int32_t cuiLayoutGrid::EdgeNear(const Axis& axis, int32_t position, int32_t tolerance) {
    if (tolerance < 0) return -1;
    const Edge fixed = NearestEdge(axis.starts, 0, axis.fixed, position);
    const Edge scrolling =
        NearestEdge(axis.starts, axis.first, axis.Count(), axis.ToSums(position));
    // A fixed column lies left of every scrolling one: on a tie it is the leftmost.
    const Edge& nearest = scrolling.distance < fixed.distance ? scrolling : fixed;
    return nearest.index >= 0 && nearest.distance <= tolerance ? nearest.index : -1;
}

int32_t cuiLayoutGrid::ColumnLeft(int32_t column) const {
    return Position(Columns(), column);
}

int32_t cuiLayoutGrid::RowTop(int32_t row) const {
    return Position(Rows(), row);
}

clsGridSpans cuiLayoutGrid::VisibleColumns(const clsCellRect& rectangle) const {
    return Meeting(Columns(), rectangle.left, rectangle.right);
}

clsGridSpans cuiLayoutGrid::VisibleRows(const clsCellRect& rectangle) const {
    return Meeting(Rows(), rectangle.top, rectangle.bottom);
}

int32_t cuiLayoutGrid::ColumnEdgeAt(int32_t x, int32_t tolerance) const {
    return EdgeNear(Columns(), x, tolerance);
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
    const int32_t foundCol = IndexAt(Columns(), x);
    const int32_t foundRow = IndexAt(Rows(), y);
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
