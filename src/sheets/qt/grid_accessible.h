#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

class cuiQtGrid;

// What a screen reader learns of a grid: a table whose cells say their display text, with the
// captions of their column's fixed rows and their row's fixed columns as headers, and the current
// cell as the focus. The grid draws every cell itself, so without this a reader finds nothing in
// it. Installed for every cuiQtGrid by InstallGridAccessibility.
class cuiGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit cuiGridAccessible(cuiQtGrid* grid);
    ~cuiGridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedCellCount() const override { return 1; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    cuiQtGrid* Grid() const;
    QString CellText(int row, int column) const;

private:
    mutable std::map<int, QAccessible::Id> m_cells;  // by child index, made when first asked
};

// Lets Qt's accessibility find cuiGridAccessible for every grid.
void InstallGridAccessibility();
