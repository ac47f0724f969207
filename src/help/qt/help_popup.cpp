#include "help/qt/help_popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "help/qt/help_browser.h"

cuiHelpPopup::cuiHelpPopup(cmcGTex& gtex, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint),
      m_browser(new cuiHelpBrowser(gtex, this)) {
    setObjectName(QStringLiteral("OrvaPopupWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_browser->setOpenLinks(false);
    m_browser->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        hide();
        emit LinkActivated(m_browser->source().resolved(link));
    });
}

void cuiHelpPopup::SetPage(const QUrl& page) {
    m_browser->setSource(page);
}

// Watches the whole application only while the popup is on the screen.
void cuiHelpPopup::showEvent(QShowEvent* event) {
    qApp->installEventFilter(this);
    QWidget::showEvent(event);
}

void cuiHelpPopup::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}

bool cuiHelpPopup::Holds(QObject* object) const {
    for (; object != nullptr; object = object->parent()) {
        if (object == this) return true;
    }
    return false;
}

bool cuiHelpPopup::eventFilter(QObject* watched, QEvent* event) {
    if (!isVisible() || QApplication::activeModalWidget() != nullptr) return false;
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() && !Holds(watched)) {
        // The click still does what it was for: the popup only gets out of the way.
        hide();
    }
    return false;
}
