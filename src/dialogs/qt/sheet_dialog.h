#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

#include "dialogs/qt/f_lector.h"
#include "sheets/radio_sheet.h"

class QPushButton;
class cuiDialogSheetGrid;
class cuiQtGrid;

// The basic cell dialog: a whole sheet for reading (the clone information) in a small dialog
// centred over its owner inside the work area, with one button that closes it. While it is open
// the owner is disabled; when it goes the owner is enabled and focused again. Enter, Escape and
// the button close it.
//
// The main window opens it from cuiFrame::ShowSheetDialog:
//
//     void MainWindow::ShowSheetDialog(const std::string& sheetKey, const std::string& caption) {
//         cuiSheetDialog::Open(this, caption, sheetKey, RadioSheetState(EngineHost()),
//                              {MainGTex(), &EngineHost().Events(), &Timers()});
//     }
//
// The dialog deletes itself when it closes.
class cuiSheetDialog : public QDialog {
    Q_OBJECT

public:
    // nullptr (and nothing shown) without an overlay store.
    static cuiSheetDialog* Open(QWidget* owner, const std::string& caption,
                                const std::string& sheetKey, const clsRadioSheetState& radio,
                                const clsPopupSheetServices& services);

    cuiSheetDialog(QWidget* owner, const std::string& caption, const std::string& sheetKey,
                   const clsRadioSheetState& radio, const clsPopupSheetServices& services);
    ~cuiSheetDialog() override;

    cuiQtGrid& Grid();
    QPushButton* Button() const { return m_button; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QWidget> m_owner;
    std::unique_ptr<cuiDialogSheetGrid> m_sheetGrid;
    QPushButton* m_button = nullptr;
};
