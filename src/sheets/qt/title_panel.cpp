#include "sheets/qt/title_panel.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

#include "overlay/cell_font.h"
#include "platform/qt/qt_text.h"
#include "sheets/grid_geometry.h"
#include "sheets/qt/qt_cell_style.h"

cuiTitlePanel::cuiTitlePanel(QWidget* parent, const std::string& title, const datCellFont& font,
                             uint32_t background, const clsSystemColours& system)
    : QFrame(parent),
      m_label(new QLabel(this)),
      m_background(background),
      m_textColour(font.colour) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kTitleBevel);
    setAutoFillBackground(true);
    SetSystemColours(system);

    const QFont shown = QtCellFont(font);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setText(FromCoreText(title));
    m_label->setFont(shown);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kTitleBevel + 2, 0, kTitleBevel, 0);
    layout->addWidget(m_label);
    setFixedHeight(TitlePanelHeight(QFontMetrics(shown).height()));
}

void cuiTitlePanel::SetSystemColours(const clsSystemColours& system) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QtColour(system.Resolve(m_background)));
    colours.setColor(QPalette::WindowText, QtColour(system.Resolve(m_textColour)));
    setPalette(colours);
}

QString cuiTitlePanel::Text() const {
    return m_label->text();
}
