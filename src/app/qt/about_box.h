#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class cmcGTex;
class cmcHost;

// The About box: the application's icon, the overlay's about text and one button, laid out from
// the icon's size, centred over the main window and kept on its work area. Every character typed
// in it goes to onKey first (the maker tools' access word). The main window takes no input while
// it is open.
class cuiQtAboutBox : public QDialog {
    Q_OBJECT
public:
    cuiQtAboutBox(cmcGTex& store, const QIcon& icon, QWidget* mainWindow, cmcHost& host,
                  std::function<void(char)> onKey);

    QLabel* Label() { return m_label; }
    QPushButton* Button() { return m_button; }
    QLabel* IconLabel() { return m_icon; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* m_mainWindow;
    std::function<void(char)> m_onKey;
    QLabel* m_icon;
    QLabel* m_label;
    QPushButton* m_button;
};

// The icon's size in the About box, in device-independent pixels.
constexpr int kAboutIconSize = 32;
