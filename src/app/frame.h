#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/page_tree.h"
#include "app/sheet_view.h"
#include "model/engine_host.h"

struct clsCellCall;

// The main window as the main controller uses it: it makes the page tree and the pages, shows
// the caption, the status bar and the dialogs, and carries out the commands that are the window's
// own (printing, help, the toolbar, the port dialog, closing). The GUI's main form implements it.
class cuiFrame {
public:
    virtual ~cuiFrame() = default;

    // A fresh page tree from the overlay's tree description, in the tree panel, still hidden.
    virtual std::unique_ptr<cuiPageTree> CreateTree() = 0;
    // The page for opening.name in the sheet panel, built at opening.place, not yet shown.
    virtual std::unique_ptr<cuiSheetView> CreateSheet(const datSheetOpening& opening) = 0;
    virtual bool IsVisible() = 0;
    virtual int32_t TreePanelWidth() = 0;

    // The window caption and the application's title.
    virtual void SetCaption(const std::string& caption) = 0;
    // The status bar draws the controller's message and mode texts again.
    virtual void RepaintStatusBar() = 0;
    // A mode was entered: the status bar gets a panel for the controller's mode text.
    virtual void AddModePanel(const std::string& modeText) = 0;

    virtual void ShowAbout() = 0;
    // A sheet in a modal basic cell dialog over the main window (the clone information).
    virtual void ShowSheetDialog(const std::string& sheetKey, const std::string& caption) = 0;
    // The engine's popups next to a cell: a selection list, the masked entry dialog.
    virtual void OpenSelectionList(const clsCellCall& call, const std::string& sheetKey,
                                   int32_t label, int32_t value) = 0;
    virtual void OpenEntryDialog(const clsCellCall& call, const std::string& text,
                                 int32_t mode) = 0;
    // Printing, help, the toolbar's visibility, the port dialog and closing the window.
    virtual void RunWindowCommand(clsHostCommand command, int32_t argument,
                                  const std::string& text) = 0;
};
