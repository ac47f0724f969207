#pragma once

#include <QStyle>
#include <QUrl>
#include <QWidget>
#include <vector>

#include "help/page_search.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QSplitter;
class QToolButton;
class cmcGTex;
class cuiHelpBrowser;

// The help's contents window: the pages in a browser with back, forward and home (the contents
// page), and a search field that lists the pages holding the words typed. One window serves the
// program; closing it only hides it.
class cuiHelpContentsWindow : public QWidget {
    Q_OBJECT

public:
    cuiHelpContentsWindow(cmcGTex& gtex, QWidget* owner);

    // Shows page with home as the contents page, and brings the window to the front.
    void ShowPage(const QUrl& page, const QUrl& home);
    // Lists the pages holding every word of words and opens the first.
    void Search(const QString& words);

    cuiHelpBrowser& Browser() { return *m_browser; }
    QLineEdit& SearchField() { return *m_searchField; }
    QListWidget& Results() { return *m_results; }
    QToolButton& BackButton() { return *m_back; }
    QToolButton& ForwardButton() { return *m_forward; }
    QToolButton& HomeButton() { return *m_home; }

private:
    QToolButton* AddButton(const QString& text, QStyle::StandardPixmap icon);
    void OpenResult(QListWidgetItem* item);
    // The pages beside the contents page, read at the first search.
    const std::vector<datHelpPage>& Pages();

    cmcGTex& m_gtex;
    cuiHelpBrowser* m_browser;
    QLineEdit* m_searchField;
    QListWidget* m_results;
    QSplitter* m_splitter;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_home = nullptr;
    QUrl m_homePage;  // the contents page; its folder holds the pages
    std::vector<datHelpPage> m_pages;
};
