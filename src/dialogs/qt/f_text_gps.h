#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

#include "dialogs/dialog_owner.h"
#include "dialogs/masked_entry.h"

class QPushButton;
class cmcEvMan;
class cmcGTex;
class cuiMaskedLineEdit;
struct cmcCellCapsule;
struct cmcEvent;

// What the masked entry dialog needs besides the cell: the overlay for its texts and font, the
// event manager (before a command, event 21 commits and closes it), and the engine it commits to.
struct clsEntryDialogServices {
    cmcGTex* store = nullptr;
    cmcEvMan* events = nullptr;
    clsEngineEntry engine = &EvaluateCell;
};

// The masked entry dialog: a small borderless popup next to a cell with the masked edit, OK and
// Cancel. OK is enabled only while the text passes the mode's check. OK commits; Cancel and Escape
// close without committing; clicking elsewhere, event 21 or closing commits unless cancelled. It
// commits at most once, and a text that fails the check commits the value text it was opened
// with, which leaves the cell as it was. The host going away closes it without a commit.
//
// The main window opens it from cuiFrame::OpenEntryDialog:
//
//     void MainWindow::OpenEntryDialog(const clsCellCall& call, const std::string& text,
//                                      int32_t mode) {
//         if (call.capsule == nullptr) return;
//         cuiFTextGps::Open(*call.capsule, text, mode, GridWidgetOf(*call.capsule),
//                           {MainGTex(), &EngineHost().Events()});
//     }
//
// where the host is the widget whose coordinates the capsule's cell rectangle is given in (the
// grid's viewport). The dialog deletes itself when it closes.
class cuiFTextGps : public QDialog {
    Q_OBJECT

public:
    // Shows the dialog next to the cell; nullptr (and nothing shown) for a mode outside 0-7 or
    // without an overlay store.
    static cuiFTextGps* Open(const cmcCellCapsule& owner, const std::string& valueText,
                             int32_t mode, QWidget* host, const clsEntryDialogServices& services);

    cuiFTextGps(const cmcCellCapsule& owner, const std::string& valueText, const clsEntryMask& mask,
                QWidget* host, const clsEntryDialogServices& services);
    ~cuiFTextGps() override;

    cuiMaskedLineEdit* Edit() const { return m_edit; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // Puts the dialog next to its cell inside the work area.
    void PlaceNextToCell();

public slots:
    void accept() override;
    void reject() override;
    // The host is going away: close without committing.
    void HostGone();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static void OnEvent(void* context, const cmcEvent& event);
    void UpdateOk();
    void CommitOnce();

    cuiDialogOwner m_owner;
    cuiMaskedEntry m_entry;
    QPointer<QWidget> m_host;
    cmcEvMan* m_events;
    cuiMaskedLineEdit* m_edit = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
