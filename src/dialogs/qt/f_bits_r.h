#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <optional>
#include <string>

#include "dialogs/bit_field.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/qt/f_lector.h"
#include "overlay/gtex.h"

class QPushButton;
class cuiBitsSheet;
class cuiDialogSheetGrid;
class cuiQtGrid;

// The bit-field dialog: a borderless popup next to a cell with a sheet of bits, OK and Cancel.
// Space or a double-click on a bit cell toggles it; OK (or Enter) commits the value as unsigned
// decimal text; Cancel and Escape close without committing; clicking elsewhere, event 21 or
// closing commits unless cancelled. It commits at most once. The host going away closes it
// without a commit.
//
// The engine hands over a byte cell's byte shifted left by 18 bits and shifts the committed value
// back; the main window opens it as
//
//     cuiFBitsR::Open(*call.capsule, CellHostOf(*call.capsule), value, std::nullopt,
//                     {MainGTex(), &EngineHost().Events(), &Timers()});
//
// with a sheet key instead of std::nullopt for a sheet of the overlay. The dialog deletes itself
// when it closes.
class cuiFBitsR : public QDialog {
    Q_OBJECT

public:
    // Shows the dialog next to the cell; nullptr (and nothing shown) without an overlay store.
    // Without a sheet key the dialog shows its built-in sheet of the eight bits of a byte.
    static cuiFBitsR* Open(const cmcCellCapsule& owner, QWidget* host, uint32_t value,
                           const std::optional<std::string>& sheetKey,
                           const clsPopupSheetServices& services,
                           clsBitMark mark = clsBitMark::Letter);

    cuiFBitsR(const cmcCellCapsule& owner, QWidget* host, uint32_t value,
              const std::optional<std::string>& sheetKey, const clsPopupSheetServices& services,
              clsBitMark mark);
    ~cuiFBitsR() override;

    cuiQtGrid& Grid();
    cuiBitsSheet& Sheet();
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

public slots:
    void accept() override;
    void reject() override;
    // The host is going away: close without committing.
    void HostGone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static void OnEvent(void* context, const cmcEvent& event);
    void PlaceNextToCell();
    void CommitOnce();

    cuiDialogOwner m_owner;
    cmcGTex m_builtIn;  // the built-in sheet's overlay
    QPointer<QWidget> m_host;
    cmcEvMan* m_events;
    std::unique_ptr<cuiDialogSheetGrid> m_sheetGrid;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_finished = false;  // committed or cancelled
};
