#pragma once

#include <QTextBrowser>

class cmcGTex;

// A browser over the help pages: a page that cannot be read (a broken link) shows the overlay's
// "not found" page naming it instead of an empty window.
class cuiHelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    cuiHelpBrowser(cmcGTex& gtex, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString NotFoundPage(const QUrl& name);

    cmcGTex& m_gtex;
};
