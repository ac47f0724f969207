#include "app/tree.h"

#include <algorithm>

#include "app/item_lines.h"
#include "app/menu.h"
#include "app/warning_check.h"
#include "base/event_manager.h"
#include "overlay/decimal_text.h"
#include "overlay/gtex.h"

namespace {

constexpr const char* kChangeDelayKey = "GI_Sys_TreeChangeDelay";

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

cuiTree::cuiTree(cmcGTex& store, cmcEvMan& events, const std::string& key, cuiTreeSurface& surface,
                 std::function<std::string()> currentSheet)
    : m_store(store),
      m_events(events),
      m_key(key),
      m_surface(surface),
      m_currentSheet(std::move(currentSheet)) {
    m_nodes[cuiTreeSurface::kTreeRoot] = clsNode{};
    m_events.AddListener(&cuiTree::OnEvent, this);
}

cuiTree::~cuiTree() {
    m_events.RemoveListener(&cuiTree::OnEvent, this);
}

void cuiTree::Populate() {
    clsSheetVariables variables{};
    m_basic.ParseCell(m_store.GetFirstLine(m_key + "_BasicCell"), &variables, nullptr);
    m_surface.SetLook(m_basic.GetFont(), m_basic.GetColour());
    BuildItemTree(ReadItemLines(m_store, m_key + "_Body"), cuiTreeSurface::kTreeRoot,
                  [this](int32_t parent, const datItemLine& line) {
                      return AddNode(parent, line.description);
                  });
    const int32_t first = FirstNode();
    if (first >= 0) m_surface.ExpandNode(first);
}

int32_t cuiTree::ChangeDelayMs() {
    return std::max(DecimalPrefix(m_store.GetFirstLine(kChangeDelayKey)), 0);
}

int32_t cuiTree::AddNode(int32_t parent, const std::string& description) {
    clsNode node;
    node.parent = parent;
    node.cell = std::make_unique<cmcCellObj>();
    clsSheetVariables variables{};
    node.cell->ParseCell(description, &variables, &m_basic);
    node.text = node.cell->GetCaption();
    const int32_t id = m_nextNode++;
    const std::string text = node.text;
    const int32_t image = node.cell->GetImageIndex();
    m_nodes[id] = std::move(node);
    m_nodes[parent].children.push_back(id);
    m_surface.AddNode(parent, id, text, image);
    return id;
}

void cuiTree::DeleteNode(int32_t node) {
    std::vector<int32_t> gone;
    CollectNodes(node, gone);
    std::vector<int32_t>& siblings = m_nodes[m_nodes[node].parent].children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
    m_surface.DeleteNode(node);
    for (const int32_t id : gone) {
        if (id == m_selected) m_selected = -1;
        m_nodes.erase(id);
    }
}

void cuiTree::CollectNodes(int32_t node, std::vector<int32_t>& nodes) const {
    if (node != cuiTreeSurface::kTreeRoot) nodes.push_back(node);
    for (const int32_t child : m_nodes.at(node).children)
        CollectNodes(child, nodes);
}

std::vector<int32_t> cuiTree::Nodes() const {
    std::vector<int32_t> nodes;
    CollectNodes(cuiTreeSurface::kTreeRoot, nodes);
    return nodes;
}

int32_t cuiTree::FirstNode() const {
    const std::vector<int32_t>& top = m_nodes.at(cuiTreeSurface::kTreeRoot).children;
    return top.empty() ? -1 : top.front();
}

bool cuiTree::InGroup(int32_t node, int32_t group) const {
    return m_nodes.at(node).cell->GetOptionFlag(group);
}

const cmcCellObj* cuiTree::CellOf(int32_t node) const {
    auto found = m_nodes.find(node);
    return found == m_nodes.end() ? nullptr : found->second.cell.get();
}

std::string cuiTree::TextOf(int32_t node) const {
    auto found = m_nodes.find(node);
    return found == m_nodes.end() ? std::string() : found->second.text;
}

int32_t cuiTree::MarkOf(int32_t node) const {
    auto found = m_nodes.find(node);
    return found == m_nodes.end() ? clsTreeMark::kNone : found->second.mark;
}

int32_t cuiTree::FindBySheet(const std::string& sheetName) const {
    for (const int32_t node : Nodes()) {
        if (m_nodes.at(node).cell->GetSuffix() == sheetName) return node;
    }
    return -1;
}

const cmcCellObj* cuiTree::SelectedCell() const {
    return CellOf(m_selected);
}

void cuiTree::OnSelected(int32_t node) {
    m_selected = m_nodes.count(node) != 0 && node != cuiTreeSurface::kTreeRoot ? node : -1;
}

void cuiTree::OnSelectionSettled() {
    const cmcCellObj* cell = SelectedCell();
    if (cell == nullptr) return;
    // Selecting the page in view again does not build it again.
    if (cell->GetSuffix() == m_currentSheet()) return;
    ActivateSelectedNode();
}

void cuiTree::OnExpandedOrCollapsed() {
    CheckWarnings();
}

void cuiTree::Show() {
    m_surface.ShowTree();
}

void cuiTree::SelectFirstNode() {
    const int32_t first = FirstNode();
    if (first < 0) return;
    m_selected = first;
    m_surface.SelectNode(first);
}

void cuiTree::ActivateSelectedNode() {
    const cmcCellObj* selected = SelectedCell();
    if (selected == nullptr) return;
    // The engine's answer lands in the cell's flags, which also hold the node's groups: it
    // works on a copy.
    cmcCellObj cell;
    cell.CopyFrom(*selected);
    ActivateCell(cell, nullptr);
}

void cuiTree::AppendToFirstNodeText(const std::string& text) {
    const int32_t first = FirstNode();
    if (first < 0) return;
    m_nodes[first].text += text;
    m_surface.SetNodeText(first, m_nodes[first].text);
}

int32_t cuiTree::IndexOfSheet(const std::string& sheetName) {
    const int32_t first = FirstNode();
    if (first < 0) return -1;
    const std::vector<int32_t>& children = m_nodes[first].children;
    for (size_t i = 0; i < children.size(); ++i) {
        if (m_nodes[children[i]].cell->GetSuffix() == sheetName) return static_cast<int32_t>(i);
    }
    return -1;
}

void cuiTree::EnsureNode(const std::string& sheetKey, int32_t position) {
    const int32_t first = FirstNode();
    if (first < 0) return;
    for (const datItemLine& line : ReadItemLines(m_store, m_key + "_Body")) {
        if (line.description.find(sheetKey) == std::string::npos) continue;
        cmcCellObj cell;
        clsSheetVariables variables{};
        cell.ParseCell(line.description, &variables, &m_basic);
        if (FindBySheet(cell.GetSuffix()) >= 0) return;
        const int32_t node = AddNode(first, line.description);
        std::vector<int32_t>& children = m_nodes[first].children;
        if (position >= 0 && position < static_cast<int32_t>(children.size()) - 1) {
            const int32_t before = children[static_cast<size_t>(position)];
            children.pop_back();
            children.insert(children.begin() + position, node);
            m_surface.MoveNodeBefore(node, before);
        }
        return;
    }
}

void cuiTree::RemoveGroup(int32_t group) {
    for (;;) {
        const std::vector<int32_t> nodes = Nodes();
        auto found = std::find_if(nodes.begin(), nodes.end(),
                                  [&](int32_t node) { return InGroup(node, group); });
        if (found == nodes.end()) return;
        DeleteNode(*found);
    }
}

void cuiTree::ClearMarks(int32_t node) {
    std::vector<int32_t> nodes;
    CollectNodes(node, nodes);
    for (const int32_t id : nodes) {
        if (m_nodes[id].mark == clsTreeMark::kNone) continue;
        m_nodes[id].mark = clsTreeMark::kNone;
        m_surface.SetNodeMark(id, clsTreeMark::kNone);
    }
}

int32_t cuiTree::Mark(int32_t node, const std::vector<std::string>& sheets, int32_t mark) {
    int32_t below = 0;
    const std::vector<int32_t> children = m_nodes[node].children;
    for (const int32_t child : children)
        below += Mark(child, sheets, mark);
    const bool named = Contains(sheets, m_nodes[node].cell->GetSuffix());
    // A collapsed folder carries the marks of the nodes it hides.
    const bool hides = !children.empty() && below > 0 && !m_surface.IsNodeExpanded(node);
    if (!named && !hides) return below;
    m_nodes[node].mark = mark;
    m_surface.SetNodeMark(node, mark);
    return below + 1;
}

void cuiTree::CheckWarnings() {
    const datWarningCheck check = RunWarningCheck(m_store);
    m_attentionCount = 0;
    m_duplicateCount = 0;
    const int32_t first = FirstNode();
    if (!check.lastNamesSheet || first < 0) return;
    ClearMarks(first);
    const std::vector<int32_t> top = m_nodes[cuiTreeSurface::kTreeRoot].children;
    for (auto node = top.rbegin(); node != top.rend(); ++node) {
        m_duplicateCount += Mark(*node, check.duplicates, clsTreeMark::kDuplicate);
        m_attentionCount += Mark(*node, check.attention, clsTreeMark::kAttention);
    }
}

void cuiTree::OnEvent(void* context, const cmcEvent& event) {
    static_cast<cuiTree*>(context)->HandleEvent(event);
}

void cuiTree::HandleEvent(const cmcEvent& event) {
    switch (event.code) {
        case cmcEvCode::QueryTreeSelection:
            if (m_selected >= 0) {
                const std::string& text = m_nodes[m_selected].text;
                m_events.AnswerData(text.c_str(), static_cast<int32_t>(text.size() + 1));
            } else {
                m_events.AnswerData(nullptr, 0);
            }
            break;
        case cmcEvCode::SelectTreeSheet: {
            const int32_t node = FindBySheet(event.Text());
            if (node >= 0) {
                m_selected = node;
                m_surface.SelectNode(node);
            }
            break;
        }
        default:
            break;
    }
}
