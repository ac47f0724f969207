#include "sheets/qt/grid_accessible.h"

#include "platform/qt/qt_text.h"
#include "sheets/qt/qt_grid.h"

namespace {

// One cell of the grid as a screen reader sees it.
class cuiGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    cuiGridCellAccessible(cuiGridAccessible& table, int row, int column)
        : m_table(table), m_row(row), m_column(column) {}

    bool isValid() const override {
        const cuiQtGrid* grid = m_table.Grid();
        return grid != nullptr && m_row < grid->RowCount() && m_column < grid->ColCount();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return &m_table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return m_table.CellText(m_row, m_column);
        if (kind == QAccessible::Description) return m_table.columnDescription(m_column);
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const cuiQtGrid* grid = m_table.Grid();
        if (grid == nullptr) return QRect();
        const clsCellRect cell = grid->CellRect(m_column, m_row);
        const QPoint origin = grid->viewport()->mapToGlobal(QPoint(0, 0));
        return QRect(origin.x() + cell.left, origin.y() + cell.top, cell.right - cell.left,
                     cell.bottom - cell.top);
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const cuiQtGrid* grid = m_table.Grid();
        const bool current = grid != nullptr && grid->Col() == m_column && grid->Row() == m_row;
        state.focusable = true;
        state.selectable = true;
        state.focused = current && grid->HasFocus();
        state.selected = current;
        const clsCellRect cell = grid != nullptr ? grid->CellRect(m_column, m_row) : clsCellRect{};
        state.invisible = cell.right <= cell.left;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        const cuiQtGrid* grid = m_table.Grid();
        for (int r = 0; grid != nullptr && r < grid->FixedRows() && r != m_row; ++r)
            headers.append(m_table.cellAt(r, m_column));
        return headers;
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        const cuiQtGrid* grid = m_table.Grid();
        for (int c = 0; grid != nullptr && c < grid->FixedCols() && c != m_column; ++c)
            headers.append(m_table.cellAt(m_row, c));
        return headers;
    }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return &m_table; }

private:
    cuiGridAccessible& m_table;
    int m_row;
    int m_column;
};

QAccessibleInterface* GridFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("cuiQtGrid") && object != nullptr && object->isWidgetType())
        return new cuiGridAccessible(static_cast<cuiQtGrid*>(object));
    return nullptr;
}

}  // namespace

cuiGridAccessible::cuiGridAccessible(cuiQtGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

cuiGridAccessible::~cuiGridAccessible() {
    for (const auto& [index, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

cuiQtGrid* cuiGridAccessible::Grid() const {
    return static_cast<cuiQtGrid*>(widget());
}

void* cuiGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int cuiGridAccessible::columnCount() const {
    return Grid() != nullptr ? Grid()->ColCount() : 0;
}

int cuiGridAccessible::rowCount() const {
    return Grid() != nullptr ? Grid()->RowCount() : 0;
}

int cuiGridAccessible::childCount() const {
    return columnCount() * rowCount();
}

QAccessibleInterface* cuiGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    const int index = row * columnCount() + column;
    auto found = m_cells.find(index);
    if (found == m_cells.end()) {
        auto* cell = new cuiGridCellAccessible(const_cast<cuiGridAccessible&>(*this), row, column);
        found = m_cells.emplace(index, QAccessible::registerAccessibleInterface(cell)).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

QAccessibleInterface* cuiGridAccessible::child(int index) const {
    if (index < 0 || columnCount() == 0) return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
}

int cuiGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || child->role() != QAccessible::Cell) return -1;
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr || cell->table() != this) return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* cuiGridAccessible::childAt(int x, int y) const {
    const cuiQtGrid* grid = Grid();
    if (grid == nullptr) return nullptr;
    const QPoint local = grid->viewport()->mapFromGlobal(QPoint(x, y));
    int32_t column = 0;
    int32_t row = 0;
    if (!grid->MouseCell(local.x(), local.y(), column, row)) return nullptr;
    return cellAt(row, column);
}

QAccessibleInterface* cuiGridAccessible::focusChild() const {
    const cuiQtGrid* grid = Grid();
    if (grid == nullptr || !grid->HasFocus()) return nullptr;
    return cellAt(grid->Row(), grid->Col());
}

QList<QAccessibleInterface*> cuiGridAccessible::selectedCells() const {
    const cuiQtGrid* grid = Grid();
    if (grid == nullptr || grid->RowCount() == 0) return {};
    return {cellAt(grid->Row(), grid->Col())};
}

QString cuiGridAccessible::columnDescription(int column) const {
    QStringList captions;
    const cuiQtGrid* grid = Grid();
    for (int r = 0; grid != nullptr && r < grid->FixedRows(); ++r)
        captions.append(CellText(r, column));
    return captions.join(QLatin1Char(' '));
}

QString cuiGridAccessible::rowDescription(int row) const {
    QStringList captions;
    const cuiQtGrid* grid = Grid();
    for (int c = 0; grid != nullptr && c < grid->FixedCols(); ++c)
        captions.append(CellText(row, c));
    return captions.join(QLatin1Char(' '));
}

QString cuiGridAccessible::CellText(int row, int column) const {
    const cuiQtGrid* grid = Grid();
    if (grid == nullptr || !grid->Handlers().cellText) return QString();
    return FromCoreText(grid->Handlers().cellText(column, row));
}

void InstallGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&GridFactory);
        return true;
    }();
    (void)installed;
}
