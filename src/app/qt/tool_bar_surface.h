#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "app/tool_bar.h"

class QAction;
class QToolBar;
class QVBoxLayout;
class cuiQtFrameImages;

// The main window's toolbar: one QToolBar a row, hints as tooltips, a border line on its top
// edge. A "/" line of the overlay starts the next row.
class cuiQtToolBarSurface : public QWidget, public cuiToolBarSurface {
    Q_OBJECT
public:
    cuiQtToolBarSurface(const cuiQtFrameImages& images, std::function<void(int32_t)> onClick,
                        QWidget* parent = nullptr);

    void AddButton(int32_t button, int32_t imageIndex, const std::string& hint) override;
    void AddSeparator(int32_t width) override;
    void AddRowBreak() override;
    void SetButtonState(int32_t button, bool checked, bool enabled, int32_t imageIndex) override;

    QAction* ActionOf(int32_t button) const;
    // The rows, top first.
    const std::vector<QToolBar*>& Rows() const { return m_rows; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolBar* CurrentRow();

    const cuiQtFrameImages& m_images;
    std::function<void(int32_t)> m_onClick;
    QVBoxLayout* m_layout;
    std::vector<QToolBar*> m_rows;
    bool m_breakPending = false;
    std::map<int32_t, QAction*> m_actions;
};
