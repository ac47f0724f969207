#pragma once

#include <QComboBox>
#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/port_dialog_layout.h"
#include "overlay/cell_font.h"

class QLabel;
class QLineEdit;
class QPushButton;
class cmcGTex;
class cmcPortInfoSource;
struct datSettings;

// A list box that asks for a refill each time it drops down, so that a cable plugged in while the
// dialog is open appears in the list.
class cuiPortComboBox : public QComboBox {
public:
    explicit cuiPortComboBox(QWidget* parent) : QComboBox(parent) {}
    void SetBeforeDropDown(std::function<void()> refill) { m_beforeDropDown = std::move(refill); }
    void showPopup() override;

private:
    std::function<void()> m_beforeDropDown;
};

// The port dialog: the cloning cable's port typed as a number (mode 0), typed or chosen from the
// numbers of the system's ports (mode 1), or chosen from their descriptions (mode 2). OK sets the
// port setting when the answer is a number from 1 to 256 and otherwise says so and stays open;
// Cancel and Escape change nothing. All texts come from the overlay.
//
// The main window runs it for the port menu's dialog entries, from RunWindowCommand, with a
// cmcQtPortInfoSource as m_portSource:
//     case clsHostCommand::PortDialog:
//         if (ShowPortDialog(this, argument, m_store, m_main.Settings(), m_portSource))
//             m_main.Events().Send(cmcEvCode::SettingsChanged, 0, 0);  // status bar, menus
//         break;
class cuiPortDialog : public QDialog {
public:
    cuiPortDialog(QWidget* owner, clsPortDialogMode mode, cmcGTex& store, datSettings& settings,
                  const cmcPortInfoSource& ports);

    // Centred over the owner inside the work area; then exec() shows it modally.
    void PlaceOverOwner();
    // OK: the answer's number into the port setting and the dialog closed, or the error box.
    void AcceptAnswer();

    QLineEdit* NumberEdit() const { return m_edit; }
    cuiPortComboBox* PortList() const { return m_list; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    const clsPortDialogLayout& Layout() const { return m_layout; }
    // Refills the list as a drop-down does.
    void RefillList();

protected:
    // The out-of-range error box, owned by the dialog; tests answer it themselves.
    virtual void ShowRangeError();

private:
    QWidget* Input() const;

    clsPortDialogMode m_mode;
    cmcGTex& m_store;
    datSettings& m_settings;
    const cmcPortInfoSource& m_ports;
    datCellFont m_font;
    clsPortDialogLayout m_layout;
    QLabel* m_notice;
    QLineEdit* m_edit;
    cuiPortComboBox* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    std::vector<std::string> m_shown;  // the list's items as last filled
};

// Runs the dialog in mode 0, 1 or 2 over mainWindow; true when the port setting was set.
bool ShowPortDialog(QWidget* mainWindow, int32_t mode, cmcGTex& store, datSettings& settings,
                    const cmcPortInfoSource& ports);
