#include "app/qt/status_bar.h"

#include <QPainter>
#include <QResizeEvent>

#include "app/main_controller.h"
#include "app/qt/frame_look.h"
#include "platform/qt/qt_text.h"

namespace {
// Text inside a panel keeps this distance from its edges.
constexpr int kTextMargin = 4;
// The margin sample: a mode panel is this much wider than its text.
constexpr const char* kMarginSample = "XX";
}  // namespace

cuiQtStatusBar::cuiQtStatusBar(cuiMain& main, std::function<std::string()> modeText,
                               QWidget* parent)
    : QWidget(parent), m_main(main), m_modeText(std::move(modeText)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize cuiQtStatusBar::sizeHint() const {
    return {200, fontMetrics().height() + 2 * kTextMargin};
}

void cuiQtStatusBar::AddModePanel(const std::string& modeText) {
    const QFontMetrics metrics = fontMetrics();
    m_panels.AddModePanel(metrics.horizontalAdvance(FromCoreText(modeText)) +
                          metrics.horizontalAdvance(FromCoreText(kMarginSample)));
    m_panels.Resize(width());
    update();
}

QRect cuiQtStatusBar::PanelRect(int index) const {
    const auto& panels = m_panels.Panels();
    if (index < 0 || index >= static_cast<int>(panels.size())) return {};
    return {m_panels.LeftOf(index), 0, panels[static_cast<size_t>(index)].width, height()};
}

void cuiQtStatusBar::resizeEvent(QResizeEvent* event) {
    m_panels.Resize(event->size().width());
    QWidget::resizeEvent(event);
}

void cuiQtStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    const auto& panels = m_panels.Panels();
    for (int i = 0; i < static_cast<int>(panels.size()); ++i) {
        const QRect area = PanelRect(i).adjusted(0, 1, 0, 0);
        const QRect text = area.adjusted(kTextMargin, 0, -kTextMargin, 0);
        if (panels[static_cast<size_t>(i)].kind == cuiStatusPanels::clsKind::Message) {
            painter.fillRect(area, FromCoreColour(m_main.MessageBackgroundColour()));
            painter.setPen(FromCoreColour(m_main.MessageTextColour()));
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                             FromCoreText(m_main.MessageText()));
        } else if (i == m_panels.DrawnModePanel()) {
            painter.fillRect(area, QColor(kModePanelColour));
            painter.setPen(Qt::white);
            painter.drawText(area, Qt::AlignCenter, FromCoreText(m_modeText()));
        }
        if (i + 1 < static_cast<int>(panels.size())) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawLine(area.right(), area.top() + 2, area.right(), area.bottom() - 2);
        }
    }
}
