#include "app/qt/tool_bar_surface.h"

#include <QAction>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/qt/frame_images.h"
#include "platform/qt/qt_text.h"

namespace {
// The toolbar's buttons draw their images at this size in device-independent pixels.
constexpr int kImageSize = 24;
constexpr int kIndent = 4;
}  // namespace

cuiQtToolBarSurface::cuiQtToolBarSurface(const cuiQtFrameImages& images,
                                         std::function<void(int32_t)> onClick, QWidget* parent)
    : QWidget(parent), m_images(images), m_onClick(std::move(onClick)) {
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(kIndent, 1, 0, 0);
    m_layout->setSpacing(0);
}

QToolBar* cuiQtToolBarSurface::CurrentRow() {
    if (m_rows.empty() || m_breakPending) {
        auto* row = new QToolBar(this);
        row->setMovable(false);
        row->setFloatable(false);
        row->setIconSize(QSize(kImageSize, kImageSize));
        row->setToolButtonStyle(Qt::ToolButtonIconOnly);
        // The toolbar breaks its rows itself; a row that does not fit scrolls, it never wraps.
        row->setStyleSheet(QStringLiteral("QToolBar { border: none; }"));
        m_layout->addWidget(row);
        m_rows.push_back(row);
        m_breakPending = false;
    }
    return m_rows.back();
}

void cuiQtToolBarSurface::AddButton(int32_t button, int32_t imageIndex, const std::string& hint) {
    QAction* action =
        CurrentRow()->addAction(m_images.ToolBarImage(imageIndex), FromCoreText(hint));
    action->setToolTip(FromCoreText(hint));
    connect(action, &QAction::triggered, this, [this, button] {
        if (m_onClick) m_onClick(button);
    });
    m_actions[button] = action;
}

void cuiQtToolBarSurface::AddSeparator(int32_t width) {
    auto* gap = new QWidget(CurrentRow());
    gap->setFixedWidth(width);
    CurrentRow()->addWidget(gap);
    CurrentRow()->addSeparator();
}

void cuiQtToolBarSurface::AddRowBreak() {
    CurrentRow();
    m_breakPending = true;
}

void cuiQtToolBarSurface::SetButtonState(int32_t button, bool checked, bool enabled,
                                         int32_t imageIndex) {
    QAction* action = ActionOf(button);
    if (action == nullptr) return;
    action->setCheckable(checked);
    action->setChecked(checked);
    action->setEnabled(enabled);
    action->setIcon(m_images.ToolBarImage(imageIndex));
}

QAction* cuiQtToolBarSurface::ActionOf(int32_t button) const {
    auto found = m_actions.find(button);
    return found == m_actions.end() ? nullptr : found->second;
}

void cuiQtToolBarSurface::paintEvent(QPaintEvent*) {
    // The border line on the top edge only, between the menu bar and the buttons.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
}
