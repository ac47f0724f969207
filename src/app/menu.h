#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "overlay/cell_obj.h"

class cmcEvMan;
class cmcGTex;
struct cmcEvent;

// How a menu item looks when it is made.
struct datMenuItemLook {
    std::string caption;   // "&" marks the access key, "&&" shows "&"
    std::string shortcut;  // the shortcut text ("Ctrl+N"), "" for none
    int32_t imageIndex = -1;
    bool separator = false;  // the caption "-"
};

// The platform's menu that a cuiMenu fills: a menu bar or a popup menu. Items are named by the
// numbers the builder gives them; kMenuRoot is the bar or popup itself.
class cuiMenuSurface {
public:
    static constexpr int32_t kMenuRoot = 0;

    virtual ~cuiMenuSurface() = default;
    // Appends an item to parent's items.
    virtual void AddItem(int32_t parent, int32_t item, const datMenuItemLook& look) = 0;
    // Deletes an item with all items below it.
    virtual void DeleteItem(int32_t item) = 0;
    virtual void SetItemState(int32_t item, bool checked, bool visible, bool enabled) = 0;
    virtual void SetItemCaption(int32_t item, const std::string& caption) = 0;
    virtual void SetItemImage(int32_t item, int32_t imageIndex) = 0;
};

// A menu built from an overlay menu key: the main menu (GI_Menu_Main) or a sheet's popup menu.
// Every item is a cell bound to a cell label; a click asks the cell value engine to perform the
// label with Enter, and the engine answers each item's state (checked, hidden, disabled, a new
// caption) when the menu refreshes. Sections: the key with "_BasicCell" (line 0: the defaults of
// every item) and with "_Body" (one item a line, indented by level).
//
// Items that sub-items were put under by event 11 carry the handler number the event names; a
// handler set for that number gets their clicks instead of the engine (the Edit menu's items that
// belong to the sheet in view, for example). The menu listens to events 9 (refresh), 10 (an
// item loses its sub-items) and 11 (an item gets the sub-items of a section).
class cuiMenu {
public:
    // Runs a click on an item's cell in place of the engine's Enter.
    using clsItemHandler = std::function<void(const cmcCellObj& cell)>;
    // The number of the menu's own click behaviour.
    static constexpr int32_t kOwnHandler = 0;

    cuiMenu(cmcGTex& store, cmcEvMan& events, const std::string& key, cuiMenuSurface& surface);
    ~cuiMenu();
    cuiMenu(const cuiMenu&) = delete;
    cuiMenu& operator=(const cuiMenu&) = delete;

    // Replaces the behaviour of handler number (kOwnHandler included) for the items made with it.
    void SetHandler(int32_t number, clsItemHandler handler);

    // Deletes every item and builds the body of the key again.
    void Build();
    // Asks the engine for every item's state, depth first, and shows it.
    void Refresh();
    // Replaces the sub-items of item by those of section (its "_BasicCell" and "_Body").
    void BuildSubItems(int32_t item, const std::string& section, int32_t handler);
    // Deletes the sub-items of item.
    void ClearSubItems(int32_t item);
    // The first item, depth first, whose cell has label; -1 for none.
    int32_t FindByLabel(int32_t label) const;
    // A click on item: its handler, or the engine with Enter; then the menu refreshes.
    void Click(int32_t item);

    // The cell of item, none for an unknown item.
    const cmcCellObj* CellOf(int32_t item) const;
    // The sub-items of item (kMenuRoot: the top items), in order.
    std::vector<int32_t> SubItems(int32_t item) const;
    // The caption item shows now.
    std::string CaptionOf(int32_t item) const;

private:
    struct clsItem {
        int32_t parent = cuiMenuSurface::kMenuRoot;
        std::unique_ptr<cmcCellObj> cell;
        std::string caption;
        int32_t imageIndex = -1;
        int32_t handler = kOwnHandler;
        std::vector<int32_t> children;
        // The defaults of the sub-items that came from a section of their own.
        std::unique_ptr<cmcCellObj> subBasic;
    };

    static void OnEvent(void* context, const cmcEvent& event);
    void HandleEvent(const cmcEvent& event);
    // Parses section's basic cell and body under item.
    void BuildSection(int32_t item, const std::string& section, const cmcCellObj& basic,
                      int32_t handler);
    int32_t MakeItem(int32_t parent, const std::string& description, const cmcCellObj& basic,
                     int32_t handler);
    void DeleteChildren(int32_t item);
    void ForgetItem(int32_t item);
    void RefreshItems(const std::vector<int32_t>& items, int32_t& lastHandler,
                      std::unique_ptr<cmcCellObj>& activeCell);
    int32_t FindIn(const std::vector<int32_t>& items, int32_t label) const;

    cmcGTex& m_store;
    cmcEvMan& m_events;
    std::string m_key;
    cuiMenuSurface& m_surface;
    cmcCellObj m_basic;
    std::map<int32_t, clsItem> m_items;  // kMenuRoot included
    std::map<int32_t, clsItemHandler> m_handlers;
    int32_t m_nextItem = cuiMenuSurface::kMenuRoot + 1;
};

// The cell the sheet in view names as active (event 12), rebuilt as a cell object of its category,
// label and index; none when no listener answers.
std::unique_ptr<cmcCellObj> QueryActiveCell(cmcEvMan& events);

// Asks the engine to perform cell with Enter, with the active cell as the request's owner.
void ActivateCell(cmcCellObj& cell, cmcCellObj* activeCell);
