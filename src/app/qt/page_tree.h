#pragma once

#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/tree.h"

class cmcEvMan;
class cmcGTex;
class cuiQtFrameImages;

// The page tree on screen: a read-only QTreeWidget whose selection stays visible when it loses
// the focus, each node's image with its warning mark drawn over it. A changed selection is
// reported after the overlay's change delay, so that running through the tree with the arrow
// keys does not build every page on the way.
class cuiQtTreeView : public QTreeWidget, public cuiTreeSurface {
    Q_OBJECT
public:
    cuiQtTreeView(const cuiQtFrameImages& images, QWidget* parent);

    // The tree that hears the selection, expanding and collapsing.
    void Attach(cuiTree* tree);

    void SetLook(const std::optional<datCellFont>& font, uint32_t background) override;
    void AddNode(int32_t parent, int32_t node, const std::string& text,
                 int32_t imageIndex) override;
    void MoveNodeBefore(int32_t node, int32_t before) override;
    void DeleteNode(int32_t node) override;
    void SetNodeText(int32_t node, const std::string& text) override;
    void SetNodeMark(int32_t node, int32_t mark) override;
    void SelectNode(int32_t node) override;
    void ExpandNode(int32_t node) override;
    bool IsNodeExpanded(int32_t node) override;
    void ShowTree() override;
    bool HasFocus() override { return hasFocus(); }
    void FocusTree() override { setFocus(Qt::OtherFocusReason); }

    QTreeWidgetItem* ItemOf(int32_t node) const;
    int32_t NodeOf(const QTreeWidgetItem* item) const;
    // The selection change waiting for its delay to pass.
    QTimer& ChangeTimer() { return m_changeTimer; }

private:
    void ForgetItem(QTreeWidgetItem* item);
    void UpdateImage(int32_t node);

    const cuiQtFrameImages& m_images;
    cuiTree* m_tree = nullptr;
    std::map<int32_t, QTreeWidgetItem*> m_items;
    std::map<int32_t, int32_t> m_imageIndex;
    std::map<int32_t, int32_t> m_marks;
    QTimer m_changeTimer;
    bool m_selecting = false;  // the tree selects a node itself: no report
};

// The page tree as the main controller holds it: the core tree and its view, which goes with it.
class cuiQtPageTree : public cuiPageTree {
public:
    cuiQtPageTree(cmcGTex& store, cmcEvMan& events, const cuiQtFrameImages& images, QWidget* panel,
                  std::function<std::string()> currentSheet);
    ~cuiQtPageTree() override;

    cuiTree& Tree() { return *m_tree; }
    cuiQtTreeView& View() { return *m_view; }

    void Show() override { m_tree->Show(); }
    void SelectFirstNode() override { m_tree->SelectFirstNode(); }
    void ActivateSelectedNode() override { m_tree->ActivateSelectedNode(); }
    void AppendToFirstNodeText(const std::string& text) override {
        m_tree->AppendToFirstNodeText(text);
    }
    int32_t IndexOfSheet(const std::string& sheetName) override {
        return m_tree->IndexOfSheet(sheetName);
    }
    void EnsureNode(const std::string& sheetKey, int32_t position) override {
        m_tree->EnsureNode(sheetKey, position);
    }
    void RemoveGroup(int32_t group) override { m_tree->RemoveGroup(group); }
    void CheckWarnings() override { m_tree->CheckWarnings(); }
    bool IsActiveControl() override { return m_tree->IsActiveControl(); }
    void Focus() override { m_tree->Focus(); }

private:
    QPointer<cuiQtTreeView> m_view;  // in the panel; goes with this tree, or with the panel
    std::unique_ptr<cuiTree> m_tree;
};
