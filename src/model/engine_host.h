#pragma once

#include <cstdint>
#include <string>

class cmcChoiceLists;
class cmcClipCh;
class cmcEeprom;
class cmcEvMan;
struct clsCellCall;
struct datSettings;

// Commands the engine hands to the main controller when a menu item, toolbar button or tree node
// is activated. The argument is the item's numeric parameter, the text its text parameter.
enum class clsHostCommand : int32_t {
    FileNew,
    FileOpen,
    FileSave,  // Save As when untitled
    FileSaveAs,
    PrintCurrentSheet,
    PrintAllSheets,
    OpenRecentFile,  // argument: entry of the recent list
    Exit,            // closes the main window by its close path
    ReopenSheet,     // closes the sheet so that the tick reopens it (font size changed)
    ShowToolbar,     // argument: 1 show, 0 hide
    PortDialog,      // argument: dialog mode 0, 1 or 2
    CloneRead,
    CloneWrite,
    CloneInformation,
    ChangeModel,  // argument: model type; asks first
    HelpContents,
    ContextHelp,  // argument: the cell's label
    OpenSheet,    // text: sheet name
};

// What the cell value engine needs of the rest of the program. The main controller implements it;
// tests implement it with a small fake. Every operation runs on the GUI thread.
class cmcEngineHost {
public:
    virtual ~cmcEngineHost() = default;

    // The image every cell reads and writes.
    virtual cmcEeprom& WorkingImage() = 0;
    // Settings: model type, usable-channels view, font size, toolbar, port, speed.
    virtual datSettings& Settings() = 0;
    // The program's event manager, for repaint, status and tree events.
    virtual cmcEvMan& Events() = 0;
    // The program's channel clipboard.
    virtual cmcClipCh& Clipboard() = 0;
    // The cached choice lists of the selection sheets.
    virtual cmcChoiceLists& ChoiceLists() = 0;
    // Line `line` of an overlay section; a line past its end begins with "#".
    virtual std::string Text(const std::string& key, int32_t line = 0) = 0;
    // Warning box with the overlay text of key and OK / Cancel; true on OK.
    virtual bool Confirm(const std::string& key) = 0;
    // After a key, commit or command: refresh views and re-check whether the image was modified.
    virtual void RefreshAfterEdit() = 0;
    // Runs a menu command (see clsHostCommand).
    virtual void RunCommand(clsHostCommand command, int32_t argument, const std::string& text) = 0;
    // Whether a sheet is open and can be printed (the print-current item's state).
    virtual bool CanPrintCurrentSheet() = 0;
    // What the File menu shows for an entry of the recent-file list: the file name alone when the
    // file lies in the folder the file dialogs offer, else the full path; "" beyond the list.
    virtual std::string RecentDisplayName(int32_t entry) = 0;
    // The first 48 bytes of the info block of the radio's last accepted model reply.
    virtual const uint8_t* CloneInformation() = 0;
    // Opens the selection list of sheetKey next to the call's cell, the value's entry current.
    virtual void OpenSelectionList(const clsCellCall& call, const std::string& sheetKey,
                                   int32_t label, int32_t value) = 0;
    // Opens the masked entry dialog next to the call's cell with text in mask mode.
    virtual void OpenEntryDialog(const clsCellCall& call, const std::string& text,
                                 int32_t mode) = 0;
};
