#pragma once

#include <QFrame>

#include "sheets/cell_paint.h"

class QLabel;
struct datCellFont;

// The panel over a page that shows its title: a lowered bevel, the title left-aligned and
// centred vertically in its font and colours, shown as it stands (an "&" is no accelerator).
class cuiTitlePanel : public QFrame {
    Q_OBJECT
public:
    cuiTitlePanel(QWidget* parent, const std::string& title, const datCellFont& font,
                  uint32_t background, const clsSystemColours& system);

    QString Text() const;
    // The desktop's colours changed: the system colours the title names follow them.
    void SetSystemColours(const clsSystemColours& system);

private:
    QLabel* m_label;  // a child: Qt owns it
    uint32_t m_background;
    uint32_t m_textColour;
};
