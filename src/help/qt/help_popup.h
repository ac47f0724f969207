#pragma once

#include <QUrl>
#include <QWidget>

class cmcGTex;
class cuiHelpBrowser;

// The context-help popup "OrvaPopupWindow": a small frameless window over the main window that
// shows one page. It does not take the focus, so the grid keeps its cell; Escape or a click
// anywhere outside it closes it (a click into a message box does not). Links do not move it on:
// they are announced, and the contents window shows them.
class cuiHelpPopup : public QWidget {
    Q_OBJECT

public:
    cuiHelpPopup(cmcGTex& gtex, QWidget* owner);

    // Loads page into the popup, shown or not.
    void SetPage(const QUrl& page);
    cuiHelpBrowser& Browser() { return *m_browser; }

signals:
    void LinkActivated(const QUrl& link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool Holds(QObject* object) const;

    cuiHelpBrowser* m_browser;
};
