#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "app/status_panels.h"

class cuiMain;

// The main window's status bar, drawn by itself: the controller's message in its colours in the
// first panel, the mode text white on dark red in the newest mode panel, and plain panels.
class cuiQtStatusBar : public QWidget {
    Q_OBJECT
public:
    // modeText gives the controller's mode text.
    cuiQtStatusBar(cuiMain& main, std::function<std::string()> modeText, QWidget* parent);

    // A mode was entered: its panel is as wide as the mode text and a margin.
    void AddModePanel(const std::string& modeText);
    const cuiStatusPanels& Panels() const { return m_panels; }
    // A panel's rectangle in the bar.
    QRect PanelRect(int index) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    cuiMain& m_main;
    std::function<std::string()> m_modeText;
    cuiStatusPanels m_panels;
};

// The colour the mode panel is filled with.
constexpr QRgb kModePanelColour = qRgb(128, 0, 0);
