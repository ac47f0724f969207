#pragma once

#include <QMenu>
#include <QPoint>
#include <functional>
#include <memory>
#include <string>

#include "app/menu.h"
#include "app/qt/menu_surface.h"
#include "sheets/sheet_services.h"

class cmcEvMan;
class cmcGTex;

// The popup menu of a sheet's current cell, on screen: a QMenu filled by a cuiMenu from the
// overlay menu key the sheet names (its "_BasicCell" and "_Body" sections), the same item
// builder as the main menu's. Hand it to the sheet as its clsSheetServices::popupMenus.
//
// A chosen item does not go to the engine by itself: it calls the command given at creation
// with the item's cell label, which the page turns into the sheet's PopupCommand. The main
// window's Edit menu shows the same items (the sheet announces them by event 11) and sends their
// clicks to Command as well. Before the menu opens it asks the engine for the items' states.
class cuiQtPopupMenu : public cuiPopupMenuBuilder {
public:
    using clsCommand = std::function<void(int32_t label)>;

    cuiQtPopupMenu(cmcGTex& store, cmcEvMan& events, QWidget* owner, clsCommand command);
    ~cuiQtPopupMenu() override;

    // cuiPopupMenuBuilder
    void Build(const std::string& key) override;
    void Remove() override;

    // Whether a menu is built.
    bool IsBuilt() const { return m_menu != nullptr; }
    // Refreshes the items and opens the menu at a global position; nothing without a menu.
    void Popup(const QPoint& globalPosition);
    // Runs the command of a popup item label.
    void Command(int32_t label);
    // The command the items run from now on (the page in view sets its own).
    void SetCommand(clsCommand command) { m_command = std::move(command); }
    // The QMenu on screen, none before Build.
    QMenu* Widget() { return m_widget.get(); }

private:
    cmcGTex& m_store;
    cmcEvMan& m_events;
    QWidget* m_owner;
    clsCommand m_command;
    QObject m_context;  // the deferred commands go with the popup menu
    std::unique_ptr<QMenu> m_widget;
    std::unique_ptr<cuiQtMenuSurface> m_surface;
    std::unique_ptr<cuiMenu> m_menu;
};
