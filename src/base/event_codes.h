#pragma once

#include <cstdint>

// The numbers of the events carried by the event manager. The manager passes any code through
// unchanged; these are the ones the program sends. The delivery each one normally travels by is
// noted beside it.
enum class cmcEvCode : int32_t {
    ControlGone = 1,          // immediate; second: the control going away
    SettingsChanged = 2,      // immediate; menus and toolbar refresh their states
    ShowAbout = 3,            // posted
    StatusMessage = 4,        // immediate (posted from one place); first: text colour,
                              // second: background colour, data: the text
    MakerCompare = 5,         // immediate; maker tools
    MakerNewReference = 6,    // immediate; maker tools
    MakerLogWindow = 7,       // immediate; maker tools
    MakerMemoryWindow = 8,    // immediate; maker tools
    RefreshMenus = 9,         // immediate
    MenuClearItems = 10,      // immediate; second: the item's cell label
    MenuSetItems = 11,        // immediate or posted; first: handler, second: the item's cell
                              // label, data: section name to which "_Body" is added
    QueryActiveCell = 12,     // query; answered with the active cell, serialised
    RepaintAll = 13,          // posted
    RepaintCategory = 14,     // posted; second: cell category
    RepaintLabel = 15,        // posted; second: cell label
    RepaintIndex = 16,        // posted; second: bound index
    RepaintIndexUpTo = 17,    // posted; second: highest bound index
    RepaintIndexFrom = 18,    // posted; second: lowest bound index
    CurrentCellChanged = 19,  // posted; data: category, label, index as three int32
    RefreshToolbar = 20,      // immediate
    EndEditing = 21,          // immediate; popups close and editing ends before a command
    LogLine = 22,             // any; data: a text line for the maker tools' log window
    WarningsRecomputed = 23,  // posted
    ShowAddress = 24,         // posted; second: image address
    QueryTreeSelection = 25,  // query; the tree answers with its selected node's text
    SelectTreeSheet = 26,     // immediate; data: the sheet name whose node to select
    SheetsChanged = 27,       // immediate; the tree's channel groups are adjusted
    ChannelNumbering = 28,    // posted; first: 1 = toggle the channel list type
    QueryOwnsControl = 29,    // query; second: the control; its popup answers 1
};
