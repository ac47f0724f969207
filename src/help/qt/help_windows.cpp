#include "help/qt/help_windows.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "help/context_number.h"
#include "help/qt/help_browser.h"
#include "help/qt/help_contents_window.h"
#include "help/qt/help_popup.h"
#include "platform/qt/qt_text.h"

namespace {

bool IsFile(const QString& path) {
    return QFileInfo(path).isFile();
}

}  // namespace

cuiHelpWindows::cuiHelpWindows(cmcHost& host, cmcGTex& gtex, cmcHelpGTex& helpGTex, QWidget* owner)
    : m_gtex(gtex), m_helpGTex(helpGTex), m_owner(owner) {
    m_help = std::make_unique<cuiHelp>(host, gtex, helpGTex, *this);
}

cuiHelpWindows::~cuiHelpWindows() = default;

HelpResult cuiHelpWindows::ShowContents() {
    return m_help->ShowContents(m_help->HelpFilePath());
}

HelpResult cuiHelpWindows::ShowContextHelp(int32_t label) {
    return ShowContextHelp(label, QCursor::pos());
}

HelpResult cuiHelpWindows::ShowContextHelp(int32_t label, QPoint cursor) {
    return m_help->ShowContextHelpFor(label, {cursor.x(), cursor.y()});
}

QUrl cuiHelpWindows::HomePage() const {
    return QUrl::fromLocalFile(FromCorePath(m_help->HelpFilePath()));
}

bool cuiHelpWindows::ShowContents(const std::string& path) {
    const QString file = FromCorePath(path);
    if (!IsFile(file)) return false;
    OpenContentsAt(QUrl::fromLocalFile(file));
    return true;
}

void cuiHelpWindows::OpenContentsAt(const QUrl& page) {
    if (!m_contents) m_contents = std::make_unique<cuiHelpContentsWindow>(m_gtex, m_owner);
    m_contents->ShowPage(page, HomePage());
}

std::optional<cmcRect> cuiHelpWindows::PopupRect() {
    if (!m_popup || !m_popup->isVisible()) return std::nullopt;
    const QRect shown = m_popup->geometry();
    return cmcRect{shown.left(), shown.top(), shown.left() + shown.width(),
                   shown.top() + shown.height()};
}

void cuiHelpWindows::HidePopup() {
    if (m_popup) m_popup->hide();
}

void cuiHelpWindows::DefinePopupType(const cmcRect& rect) {
    m_typeRect = rect;
}

bool cuiHelpWindows::ShowTopic(const std::string& path, int32_t number) {
    const QString file = FromCorePath(path);
    const std::string topic = TopicOfContextNumber(m_helpGTex, number);
    if (!IsFile(file) || topic.empty()) return false;
    const QString page = QFileInfo(file).dir().filePath(FromCorePath(topic));
    if (!IsFile(page)) return false;
    if (!m_popup) {
        m_popup = std::make_unique<cuiHelpPopup>(m_gtex, m_owner);
        m_popup->setGeometry(m_typeRect.left, m_typeRect.top, m_typeRect.right - m_typeRect.left,
                             m_typeRect.bottom - m_typeRect.top);
        QObject::connect(m_popup.get(), &cuiHelpPopup::LinkActivated,
                         [this](const QUrl& link) { OpenContentsAt(link); });
    }
    m_popup->SetPage(QUrl::fromLocalFile(page));
    return true;
}

void cuiHelpWindows::ShowPopupAt(const cmcRect& rect) {
    m_popup->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    m_popup->show();
}

void cuiHelpWindows::ShowPopupAgain() {
    if (m_popup) m_popup->show();
}
