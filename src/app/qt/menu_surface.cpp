#include "app/qt/menu_surface.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <vector>

#include "app/qt/frame_images.h"
#include "platform/qt/qt_text.h"

cuiQtMenuSurface::cuiQtMenuSurface(QWidget* root, const cuiQtFrameImages* images,
                                   std::function<void(int32_t item)> onTriggered)
    : m_root(root), m_images(images), m_onTriggered(std::move(onTriggered)) {}

cuiQtMenuSurface::~cuiQtMenuSurface() {
    // The actions of the top items belong to this surface, not to the root that may outlive it.
    std::vector<int32_t> top;
    for (const auto& [item, parent] : m_parents) {
        if (parent == kMenuRoot) top.push_back(item);
    }
    for (const int32_t item : top)
        DeleteItem(item);
}

QWidget* cuiQtMenuSurface::ContainerOf(int32_t parent) {
    if (parent == kMenuRoot) return m_root;
    QAction* action = ActionOf(parent);
    if (action == nullptr) return nullptr;
    QMenu* menu = action->menu();
    if (menu == nullptr) {
        menu = new QMenu(m_root);
        menu->setTitle(action->text());
        action->setMenu(menu);
    }
    return menu;
}

void cuiQtMenuSurface::AddItem(int32_t parent, int32_t item, const datMenuItemLook& look) {
    QWidget* container = ContainerOf(parent);
    if (container == nullptr) return;
    auto* action = new QAction(container);
    if (look.separator) {
        action->setSeparator(true);
    } else {
        action->setText(FromCoreText(look.caption));
        if (!look.shortcut.empty()) {
            action->setShortcut(
                QKeySequence(FromCoreText(look.shortcut), QKeySequence::PortableText));
            // The shortcut works while the window has the focus, whichever control holds it.
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (m_images != nullptr && look.imageIndex >= 0) {
            action->setIcon(m_images->ToolBarImage(look.imageIndex));
        }
        QObject::connect(action, &QAction::triggered, [this, item] {
            if (m_onTriggered) m_onTriggered(item);
        });
    }
    container->addAction(action);
    m_actions[item] = action;
    m_parents[item] = parent;
}

void cuiQtMenuSurface::DeleteItem(int32_t item) {
    std::vector<int32_t> below;
    for (const auto& [child, parent] : m_parents) {
        if (parent == item) below.push_back(child);
    }
    for (const int32_t child : below)
        DeleteItem(child);
    QAction* action = ActionOf(item);
    m_actions.erase(item);
    m_parents.erase(item);
    if (action == nullptr) return;
    // The action may be the one whose click is running: it goes once the click is over.
    for (QObject* owner : action->associatedObjects()) {
        if (auto* widget = qobject_cast<QWidget*>(owner)) widget->removeAction(action);
    }
    if (QMenu* menu = action->menu()) menu->deleteLater();
    action->deleteLater();
}

void cuiQtMenuSurface::SetItemState(int32_t item, bool checked, bool visible, bool enabled) {
    QAction* action = ActionOf(item);
    if (action == nullptr || action->isSeparator()) return;
    action->setCheckable(checked || action->isCheckable());
    action->setChecked(checked);
    action->setVisible(visible);
    action->setEnabled(enabled);
}

void cuiQtMenuSurface::SetItemCaption(int32_t item, const std::string& caption) {
    QAction* action = ActionOf(item);
    if (action == nullptr) return;
    action->setText(FromCoreText(caption));
    if (action->menu() != nullptr) action->menu()->setTitle(action->text());
}

void cuiQtMenuSurface::SetItemImage(int32_t item, int32_t imageIndex) {
    QAction* action = ActionOf(item);
    if (action == nullptr || m_images == nullptr) return;
    action->setIcon(m_images->ToolBarImage(imageIndex));
}

QAction* cuiQtMenuSurface::ActionOf(int32_t item) const {
    auto found = m_actions.find(item);
    return found == m_actions.end() ? nullptr : found->second;
}
