#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/page_tree.h"
#include "overlay/cell_obj.h"

class cmcEvMan;
class cmcGTex;
struct cmcEvent;

// The overlay images that mark a tree node, drawn over its image.
namespace clsTreeMark {
constexpr int32_t kNone = -1;
constexpr int32_t kAttention = 0;  // a page with a cell in error
constexpr int32_t kDuplicate = 1;  // a page with duplicates
}  // namespace clsTreeMark

// The platform's tree view that a cuiTree fills. Nodes are named by the numbers the tree gives
// them; kTreeRoot stands for the view itself.
class cuiTreeSurface {
public:
    static constexpr int32_t kTreeRoot = 0;

    virtual ~cuiTreeSurface() = default;
    // The tree's font and background from its basic cell; no font: the window's.
    virtual void SetLook(const std::optional<datCellFont>& font, uint32_t background) = 0;
    // Appends a node to parent's nodes.
    virtual void AddNode(int32_t parent, int32_t node, const std::string& text,
                         int32_t imageIndex) = 0;
    // Moves node in front of before, both of one parent.
    virtual void MoveNodeBefore(int32_t node, int32_t before) = 0;
    // Deletes node with every node below it.
    virtual void DeleteNode(int32_t node) = 0;
    virtual void SetNodeText(int32_t node, const std::string& text) = 0;
    virtual void SetNodeMark(int32_t node, int32_t mark) = 0;
    virtual void SelectNode(int32_t node) = 0;
    virtual void ExpandNode(int32_t node) = 0;
    virtual bool IsNodeExpanded(int32_t node) = 0;
    virtual void ShowTree() = 0;
    virtual bool HasFocus() = 0;
    virtual void FocusTree() = 0;
};

// The page tree built from an overlay key (GI_Tree_Main): each node is a cell whose label
// CallSheet opens the sheet its text parameter names. The tree keeps the nodes in list order (a
// node before its sub-nodes), their groups, and the warning marks; the platform view only shows
// them and reports selection, expanding and collapsing. It answers event 25 with the selected
// node's text and selects the node of the sheet event 26 names.
class cuiTree : public cuiPageTree {
public:
    // currentSheet names the sheet in view ("" for none).
    cuiTree(cmcGTex& store, cmcEvMan& events, const std::string& key, cuiTreeSurface& surface,
            std::function<std::string()> currentSheet);
    ~cuiTree() override;
    cuiTree(const cuiTree&) = delete;
    cuiTree& operator=(const cuiTree&) = delete;

    // Makes the nodes of the body section; the first node is expanded.
    void Populate();
    // How long the view waits after a selection change before it reports it, in milliseconds.
    int32_t ChangeDelayMs();

    // What the view reports.
    void OnSelected(int32_t node);
    // The selected node settled: its page opens unless it is the page in view.
    void OnSelectionSettled();
    void OnExpandedOrCollapsed();

    int32_t FindBySheet(const std::string& sheetName) const;  // -1 for none
    const cmcCellObj* SelectedCell() const;
    int32_t SelectedNode() const { return m_selected; }
    // Every node in list order.
    std::vector<int32_t> Nodes() const;
    const cmcCellObj* CellOf(int32_t node) const;
    std::string TextOf(int32_t node) const;
    int32_t MarkOf(int32_t node) const;
    // Marks node and the nodes below it from the list of sheet names; returns how many it marked.
    int32_t Mark(int32_t node, const std::vector<std::string>& sheets, int32_t mark);
    void ClearMarks(int32_t node);
    // The attention and duplicate counts of the last warning check.
    int32_t AttentionCount() const { return m_attentionCount; }
    int32_t DuplicateCount() const { return m_duplicateCount; }

    // cuiPageTree
    void Show() override;
    void SelectFirstNode() override;
    void ActivateSelectedNode() override;
    void AppendToFirstNodeText(const std::string& text) override;
    int32_t IndexOfSheet(const std::string& sheetName) override;
    void EnsureNode(const std::string& sheetKey, int32_t position) override;
    void RemoveGroup(int32_t group) override;
    void CheckWarnings() override;
    bool IsActiveControl() override { return m_surface.HasFocus(); }
    void Focus() override { m_surface.FocusTree(); }

private:
    struct clsNode {
        int32_t parent = cuiTreeSurface::kTreeRoot;
        std::unique_ptr<cmcCellObj> cell;
        std::string text;
        int32_t mark = clsTreeMark::kNone;
        std::vector<int32_t> children;
    };

    static void OnEvent(void* context, const cmcEvent& event);
    void HandleEvent(const cmcEvent& event);
    int32_t AddNode(int32_t parent, const std::string& description);
    void DeleteNode(int32_t node);
    void CollectNodes(int32_t node, std::vector<int32_t>& nodes) const;
    int32_t FirstNode() const;
    bool InGroup(int32_t node, int32_t group) const;

    cmcGTex& m_store;
    cmcEvMan& m_events;
    std::string m_key;
    cuiTreeSurface& m_surface;
    std::function<std::string()> m_currentSheet;
    cmcCellObj m_basic;
    std::map<int32_t, clsNode> m_nodes;  // kTreeRoot included
    int32_t m_nextNode = cuiTreeSurface::kTreeRoot + 1;
    int32_t m_selected = -1;
    int32_t m_attentionCount = 0;
    int32_t m_duplicateCount = 0;
};
