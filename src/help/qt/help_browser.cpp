#include "help/qt/help_browser.h"

#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"
#include "platform/string_format.h"

cuiHelpBrowser::cuiHelpBrowser(cmcGTex& gtex, QWidget* parent)
    : QTextBrowser(parent), m_gtex(gtex) {}

QVariant cuiHelpBrowser::loadResource(int type, const QUrl& name) {
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource) return resource;
    if (!resource.isValid()) return NotFoundPage(name);
    // Qt's rich-text reader takes a linked style sheet only when the link names its type, which
    // the pages, as HTML5 allows, leave out.
    QByteArray page = resource.toByteArray();
    if (!page.contains("text/css"))
        page.replace("rel=\"stylesheet\"", "rel=\"stylesheet\" type=\"text/css\"");
    return page;
}

QString cuiHelpBrowser::NotFoundPage(const QUrl& name) {
    const QString heading = FromCoreText(m_gtex.GetLine("GI_Sys_HtmlHelp_NotFound", 0));
    const std::string format = m_gtex.GetLine("GI_Sys_HtmlHelp_NotFound", 1);
    const QString text =
        FromCoreText(StringPrintf(format.c_str(), ToCoreText(name.fileName()).c_str()));
    // Drawn like the pages, with their style sheet when it is beside the missing page.
    return QStringLiteral(
               "<html><head><title>%1</title><link rel=\"stylesheet\" type=\"text/css\" "
               "href=\"help.css\">"
               "</head><body><h1>%1</h1><p>%2</p></body></html>")
        .arg(heading.toHtmlEscaped(), text.toHtmlEscaped());
}
