#include "help/qt/help_contents_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "help/qt/help_browser.h"
#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"

namespace {

// Lines of GI_Sys_HtmlHelp_Buttons.
constexpr int kBackLine = 0;
constexpr int kForwardLine = 1;
constexpr int kHomeLine = 2;
constexpr int kSearchLine = 3;

// A page's title and text as the reader sees them.
datHelpPage ReadPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return {ToCorePath(QFileInfo(path).fileName()),
            ToCoreText(document.metaInformation(QTextDocument::DocumentTitle)),
            ToCoreText(document.toPlainText())};
}

}  // namespace

cuiHelpContentsWindow::cuiHelpContentsWindow(cmcGTex& gtex, QWidget* owner)
    : QWidget(owner, Qt::Window),
      m_gtex(gtex),
      m_browser(new cuiHelpBrowser(gtex, this)),
      m_searchField(new QLineEdit(this)),
      m_results(new QListWidget(this)),
      m_splitter(new QSplitter(this)) {
    setWindowTitle(FromCoreText(m_gtex.GetFirstLine("GI_Sys_HtmlHelp_Caption")));
    auto* bar = new QHBoxLayout;
    const auto button = [&](int line, QStyle::StandardPixmap icon) {
        QToolButton* made =
            AddButton(FromCoreText(m_gtex.GetLine("GI_Sys_HtmlHelp_Buttons", line)), icon);
        bar->addWidget(made);
        return made;
    };
    m_back = button(kBackLine, QStyle::SP_ArrowBack);
    m_forward = button(kForwardLine, QStyle::SP_ArrowForward);
    m_home = button(kHomeLine, QStyle::SP_DirHomeIcon);
    bar->addStretch(1);
    m_searchField->setPlaceholderText(FromCoreText(m_gtex.GetLine("GI_Sys_HtmlHelp_Search", 0)));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setMinimumWidth(220);
    bar->addWidget(m_searchField);
    QToolButton* search = button(kSearchLine, QStyle::SP_FileDialogContentsView);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    // The browser itself goes back and forward with Alt+Left and Alt+Right; the search field
    // takes the system's key for finding.
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, m_searchField, [this] {
        m_searchField->setFocus(Qt::ShortcutFocusReason);
        m_searchField->selectAll();
    });
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(search, &QToolButton::clicked, this, [this] { Search(m_searchField->text()); });
    connect(m_searchField, &QLineEdit::returnPressed, this,
            [this] { Search(m_searchField->text()); });
    connect(m_results, &QListWidget::itemClicked, this, &cuiHelpContentsWindow::OpenResult);
    connect(m_results, &QListWidget::itemActivated, this, &cuiHelpContentsWindow::OpenResult);

    m_splitter->addWidget(m_results);
    m_splitter->addWidget(m_browser);
    m_splitter->setStretchFactor(1, 1);
    m_results->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_splitter, 1);
    resize(780, 560);
}

QToolButton* cuiHelpContentsWindow::AddButton(const QString& text, QStyle::StandardPixmap icon) {
    auto* made = new QToolButton(this);
    made->setText(text);
    made->setIcon(style()->standardIcon(icon));
    made->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    made->setAutoRaise(true);
    return made;
}

void cuiHelpContentsWindow::ShowPage(const QUrl& page, const QUrl& home) {
    if (m_browser->source().isEmpty() || home != m_homePage) {
        // A new contents page starts the history: home goes to the first page shown.
        m_browser->setSource(home);
        m_browser->clearHistory();
        m_homePage = home;
        m_pages.clear();
    }
    if (page != m_browser->source()) m_browser->setSource(page);
    showNormal();
    raise();
    activateWindow();
}

const std::vector<datHelpPage>& cuiHelpContentsWindow::Pages() {
    if (!m_pages.empty()) return m_pages;
    const QDir folder = QFileInfo(m_homePage.toLocalFile()).dir();
    for (const QString& name :
         folder.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        datHelpPage page = ReadPage(folder.filePath(name));
        if (!page.name.empty()) m_pages.push_back(std::move(page));
    }
    return m_pages;
}

void cuiHelpContentsWindow::Search(const QString& words) {
    m_results->clear();
    if (words.trimmed().isEmpty()) {
        m_results->hide();
        return;
    }
    const std::vector<datHelpPage>& pages = Pages();
    const std::vector<size_t> found = FindHelpPages(pages, ToCoreText(words));
    const QDir folder = QFileInfo(m_homePage.toLocalFile()).dir();
    for (const size_t index : found) {
        auto* item = new QListWidgetItem(FromCoreText(pages[index].title), m_results);
        item->setData(Qt::UserRole,
                      QUrl::fromLocalFile(folder.filePath(FromCorePath(pages[index].name))));
    }
    if (found.empty()) {
        auto* item = new QListWidgetItem(FromCoreText(m_gtex.GetLine("GI_Sys_HtmlHelp_Search", 1)),
                                         m_results);
        item->setFlags(Qt::NoItemFlags);
    }
    if (m_results->isHidden()) {
        // The list takes a quarter of the width each time it appears.
        m_results->show();
        const int width = m_splitter->width();
        m_splitter->setSizes({width / 4, width - width / 4});
    }
    if (!found.empty()) {
        m_results->setCurrentRow(0);
        OpenResult(m_results->item(0));
    }
}

void cuiHelpContentsWindow::OpenResult(QListWidgetItem* item) {
    const QUrl page = item->data(Qt::UserRole).toUrl();
    if (page.isValid() && page != m_browser->source()) m_browser->setSource(page);
}
