#include "clone/qt/progress_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "clone/clone_progress.h"
#include "dialogs/window_placement.h"
#include "platform/qt/qt_text.h"

namespace {

constexpr int32_t kBevelWidth = 1;
constexpr int32_t kBarWidth = 256;
constexpr int32_t kPanelHeight = 16;
constexpr int32_t kMarginSide = 16;
constexpr int32_t kMarginTop = 8;
constexpr int32_t kMarginBottom = 24;

cmcRect CellRectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

cuiProgressBox::cuiProgressBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void cuiProgressBox::SetFilledSegments(int32_t filled) {
    if (filled == m_filled) return;
    m_filled = filled;
    update();
}

void cuiProgressBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor window = palette().color(QPalette::Base);
    const QColor highlight = palette().color(QPalette::Highlight);
    // The gaps and whatever lies right of the last segment stay in the window colour.
    painter.fillRect(rect(), window);
    for (int32_t i = 0; i < kProgressSegmentCount; ++i) {
        const datProgressSegment segment = ProgressSegmentColumns(width(), i);
        painter.fillRect(QRect(segment.first, 0, segment.last - segment.first + 1, height()),
                         i < m_filled ? highlight : window);
    }
}

cuiProgressWindow::cuiProgressWindow(QWidget* mainWindow, const std::string& caption)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_panel(new QFrame(this)),
      m_box(new cuiProgressBox(m_panel)) {
    setWindowTitle(FromCoreText(caption));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setLineWidth(kBevelWidth);
    m_panel->setGeometry(kMarginSide, kMarginTop, kBarWidth + 2 * kBevelWidth, kPanelHeight);
    m_box->setGeometry(m_panel->contentsRect());
    setFixedSize(kMarginSide + m_panel->width() + kMarginSide,
                 kMarginTop + kPanelHeight + kMarginBottom);
}

void cuiProgressWindow::ShowOverOwner() {
    QWidget* owner = parentWidget();
    const QRect ownerRect = owner != nullptr ? owner->frameGeometry() : QRect();
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect workArea = screen != nullptr ? screen->availableGeometry() : ownerRect;
    winId();  // the platform window gives the frame its size
    const QSize frame = frameGeometry().size();
    const clsWindowPlace place =
        CentreOverOwner(CellRectOf(ownerRect.isValid() ? ownerRect : workArea), frame.width(),
                        frame.height(), CellRectOf(workArea));
    move(place.left, place.top);
    show();
}

void cuiProgressWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void cuiCloneProgress::Show(QWidget* mainWindow, const std::string& caption) {
    Close();
    m_window = new cuiProgressWindow(mainWindow, caption);
    m_window->ShowOverOwner();
}

void cuiCloneProgress::Paint(int32_t filledSegments) {
    if (m_window) m_window->SetFilledSegments(filledSegments);
}

void cuiCloneProgress::Close() {
    if (!m_window) return;
    m_window->hide();
    delete m_window.data();
}
