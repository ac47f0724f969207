#pragma once

#include <cstdint>
#include <string>

class cmcEvMan;
class cmcTimerService;
class cuiColumnWidthStore;
struct datSettings;

// The handler number a sheet gives the Edit menu's items when it puts its popup menu's items there
// (event MenuSetItems): a click on them is a popup command of the sheet in view.
constexpr int32_t kMenuHandlerSheet = 1;

// Builds and removes the popup menu of a sheet's current cell from an overlay menu key (its
// "_BasicCell" and "_Body" sections). The GUI implements it with its menus.
class cuiPopupMenuBuilder {
public:
    virtual ~cuiPopupMenuBuilder() = default;
    virtual void Build(const std::string& key) = 0;
    virtual void Remove() = 0;
};

// The window that holds a selection list: hidden once the list committed or was cancelled.
class cuiSheetHost {
public:
    virtual ~cuiSheetHost() = default;
    virtual void HideHost() = 0;
};

// What a sheet reaches outside itself. Every pointer may be absent: a sheet built for printing
// or for listing texts then sends no events, stores no widths and builds no menus.
struct clsSheetServices {
    cmcEvMan* events = nullptr;
    datSettings* settings = nullptr;  // the font size percentages; none: the defaults
    cuiColumnWidthStore* columnWidths = nullptr;
    cmcTimerService* timers = nullptr;  // the pause before a repeated request; none: at once
    cuiPopupMenuBuilder* popupMenus = nullptr;
    cuiSheetHost* host = nullptr;
};
