#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

#include "sheets/sheet.h"
#include "sheets/sheet_services.h"

class cmcEvMan;
class cmcGTex;
class cmcTimerService;
class cuiDialogSheetGrid;
class cuiQtGrid;

// What a popup holding a sheet needs besides the cell: the overlay its sheet comes from, the
// event manager (before a command, event 21 closes it), the timers of the sheet's repeated
// requests (none: at once) and the engine the sheet asks and commits to.
struct clsPopupSheetServices {
    cmcGTex* store = nullptr;
    cmcEvMan* events = nullptr;
    cmcTimerService* timers = nullptr;
    clsEngineEntry engine = &EvaluateCell;
};

// The selection list: a borderless popup next to a cell holding a selection sheet, the current
// value's entry current (none when the value is not in the list). The pointer hovering over an
// entry makes it current; Enter, a double-click or releasing the left button commits it to the
// owner cell and closes the list; Escape, clicking elsewhere, event 21 and the host going away
// close it without a commit. The wheel scrolls the list, never the host below it.
//
// The main window opens it from cuiFrame::OpenSelectionList:
//
//     void MainWindow::OpenSelectionList(const clsCellCall& call, const std::string& sheetKey,
//                                        int32_t label, int32_t value) {
//         if (call.capsule == nullptr) return;
//         cuiFlector::Open(*call.capsule, CellHostOf(*call.capsule), sheetKey, label, value,
//                          {MainGTex(), &EngineHost().Events(), &Timers()});
//     }
//
// (CellHostOf, dialogs/qt/cell_host.h: the asking grid's viewport, whose coordinates the cell
// rectangle is given in). The list deletes itself when it closes.
class cuiFlector : public QDialog, public cuiSheetHost {
    Q_OBJECT

public:
    // Shows the list next to the cell; nullptr (and nothing shown) without an overlay store.
    static cuiFlector* Open(const cmcCellCapsule& owner, QWidget* host, const std::string& sheetKey,
                            int32_t label, int32_t value, const clsPopupSheetServices& services);

    cuiFlector(const cmcCellCapsule& owner, QWidget* host, const std::string& sheetKey,
               int32_t label, int32_t value, const clsPopupSheetServices& services);
    ~cuiFlector() override;

    cuiQtGrid& Grid();
    cuiSheet& Sheet();
    bool HasScrollBars() const { return m_scrollBars; }

    // The sheet committed or was cancelled.
    void HideHost() override;
    // The host is going away.
    void HostGone();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    static void OnEvent(void* context, const cmcEvent& event);
    void SizeAndPlace();

    cmcCellCapsule m_owner;
    clsCellRect m_cellRect;
    QPointer<QWidget> m_host;
    cmcEvMan* m_events;
    std::unique_ptr<cuiDialogSheetGrid> m_sheetGrid;
    bool m_scrollBars = false;
};
