#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

#include "app/menu.h"

class QAction;
class QMenu;
class cuiQtFrameImages;

// A cuiMenu's items as QActions in a menu bar or a popup menu. An item that gets sub-items
// carries a QMenu of its own; shortcut texts are read by QKeySequence. The builder's item
// numbers travel with every triggered action.
class cuiQtMenuSurface : public cuiMenuSurface {
public:
    // root: the QMenuBar or QMenu the top items go into; images: the toolbar image list, which
    // menu items share (may be none).
    cuiQtMenuSurface(QWidget* root, const cuiQtFrameImages* images,
                     std::function<void(int32_t item)> onTriggered);
    ~cuiQtMenuSurface() override;

    void AddItem(int32_t parent, int32_t item, const datMenuItemLook& look) override;
    void DeleteItem(int32_t item) override;
    void SetItemState(int32_t item, bool checked, bool visible, bool enabled) override;
    void SetItemCaption(int32_t item, const std::string& caption) override;
    void SetItemImage(int32_t item, int32_t imageIndex) override;

    // The action of item; none for an unknown item.
    QAction* ActionOf(int32_t item) const;

private:
    QWidget* ContainerOf(int32_t parent);

    QPointer<QWidget> m_root;
    const cuiQtFrameImages* m_images;
    std::function<void(int32_t)> m_onTriggered;
    std::map<int32_t, QAction*> m_actions;
    std::map<int32_t, int32_t> m_parents;
};
