#include "app/qt/popup_menu.h"

#include <QTimer>

cuiQtPopupMenu::cuiQtPopupMenu(cmcGTex& store, cmcEvMan& events, QWidget* owner, clsCommand command)
    : m_store(store), m_events(events), m_owner(owner), m_command(std::move(command)) {}

cuiQtPopupMenu::~cuiQtPopupMenu() {
    Remove();
}

void cuiQtPopupMenu::Build(const std::string& key) {
    Remove();
    m_widget = std::make_unique<QMenu>(m_owner);
    m_surface = std::make_unique<cuiQtMenuSurface>(m_widget.get(), nullptr, [this](int32_t item) {
        if (m_menu) m_menu->Click(item);
    });
    m_menu = std::make_unique<cuiMenu>(m_store, m_events, key, *m_surface);
    // The command may build the sheet's popup menu again, this menu with it: it runs once the
    // click is over.
    m_menu->SetHandler(cuiMenu::kOwnHandler, [this](const cmcCellObj& cell) {
        const int32_t label = cell.GetLabel();
        QTimer::singleShot(0, &m_context, [this, label] { Command(label); });
    });
    m_menu->Build();
}

void cuiQtPopupMenu::Remove() {
    m_menu.reset();
    m_surface.reset();
    m_widget.reset();
}

void cuiQtPopupMenu::Popup(const QPoint& globalPosition) {
    if (!m_menu) return;
    m_menu->Refresh();
    m_widget->popup(globalPosition);
}

void cuiQtPopupMenu::Command(int32_t label) {
    if (m_command) m_command(label);
}
