#pragma once

#include <QLabel>
#include <QPointer>
#include <string>

#include "app/sheet_view.h"

// The page in the sheet panel until the grid shows the sheets: a plain panel that names the page.
class cuiQtPlaceholderPage : public cuiSheetView {
public:
    cuiQtPlaceholderPage(QWidget* panel, const std::string& title);
    ~cuiQtPlaceholderPage() override;

    void Show() override;
    bool IsGridShowing() override { return false; }
    datGridPlace GridPlace() override { return {}; }
    bool IsGridEnabled() override { return false; }
    void FocusGrid() override {}
    std::optional<datCellBinding> CursorCell() override { return std::nullopt; }
    void MoveCursorTo(const datCellBinding&) override {}
    bool CanPrint() override { return false; }

    QLabel* Label() { return m_label; }

private:
    QPointer<QLabel> m_label;  // the panel may go first
};
