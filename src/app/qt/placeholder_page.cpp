#include "app/qt/placeholder_page.h"

#include <QLayout>

#include "platform/qt/qt_text.h"

cuiQtPlaceholderPage::cuiQtPlaceholderPage(QWidget* panel, const std::string& title) {
    m_label = new QLabel(FromCoreText(title), panel);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setAccessibleName(m_label->text());
    QFont font = m_label->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    m_label->setFont(font);
    m_label->hide();
    if (panel->layout() != nullptr) panel->layout()->addWidget(m_label);
}

cuiQtPlaceholderPage::~cuiQtPlaceholderPage() {
    delete m_label.data();
}

void cuiQtPlaceholderPage::Show() {
    if (m_label) m_label->show();
}
