#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/menu.h"
#include "app/tool_bar.h"
#include "app/tree.h"

// Platform views that keep what the builders told them, for the frame's tests.

class RecordingMenu : public cuiMenuSurface {
public:
    struct Item {
        int32_t parent;
        datMenuItemLook look;
        bool checked = false;
        bool visible = true;
        bool enabled = true;
    };
    std::map<int32_t, Item> items;
    std::vector<int32_t> order;  // items as they were added

    void AddItem(int32_t parent, int32_t item, const datMenuItemLook& look) override {
        items[item] = {parent, look};
        order.push_back(item);
    }
    void DeleteItem(int32_t item) override {
        std::vector<int32_t> below;
        for (const auto& [id, entry] : items) {
            if (entry.parent == item) below.push_back(id);
        }
        for (const int32_t id : below)
            DeleteItem(id);
        items.erase(item);
        std::erase(order, item);
    }
    void SetItemState(int32_t item, bool checked, bool visible, bool enabled) override {
        items[item].checked = checked;
        items[item].visible = visible;
        items[item].enabled = enabled;
    }
    void SetItemCaption(int32_t item, const std::string& caption) override {
        items[item].look.caption = caption;
    }
    void SetItemImage(int32_t item, int32_t imageIndex) override {
        items[item].look.imageIndex = imageIndex;
    }
    // The captions of parent's items in order.
    std::vector<std::string> Captions(int32_t parent) const {
        std::vector<std::string> captions;
        for (const int32_t id : order) {
            if (items.at(id).parent == parent) captions.push_back(items.at(id).look.caption);
        }
        return captions;
    }
};

class RecordingToolBar : public cuiToolBarSurface {
public:
    struct Button {
        int32_t button;
        int32_t image;
        std::string hint;
        int32_t row;
        bool checked = false;
        bool enabled = true;
    };
    std::vector<Button> buttons;
    std::vector<int32_t> separators;
    int32_t row = 0;

    void AddButton(int32_t button, int32_t imageIndex, const std::string& hint) override {
        buttons.push_back({button, imageIndex, hint, row});
    }
    void AddSeparator(int32_t width) override { separators.push_back(width); }
    void AddRowBreak() override { ++row; }
    void SetButtonState(int32_t button, bool checked, bool enabled, int32_t) override {
        for (Button& entry : buttons) {
            if (entry.button != button) continue;
            entry.checked = checked;
            entry.enabled = enabled;
        }
    }
    const Button* Find(const std::string& hint) const {
        for (const Button& entry : buttons) {
            if (entry.hint == hint) return &entry;
        }
        return nullptr;
    }
};

class RecordingTree : public cuiTreeSurface {
public:
    struct Node {
        int32_t parent;
        std::string text;
        int32_t mark = clsTreeMark::kNone;
    };
    std::map<int32_t, Node> nodes;
    std::map<int32_t, std::vector<int32_t>> children;
    std::set<int32_t> expanded;
    int32_t selected = -1;
    bool shown = false;

    void SetLook(const std::optional<datCellFont>&, uint32_t) override {}
    void AddNode(int32_t parent, int32_t node, const std::string& text, int32_t) override {
        nodes[node] = {parent, text};
        children[parent].push_back(node);
    }
    void MoveNodeBefore(int32_t node, int32_t before) override {
        std::vector<int32_t>& list = children[nodes[node].parent];
        std::erase(list, node);
        list.insert(std::find(list.begin(), list.end(), before), node);
    }
    void DeleteNode(int32_t node) override {
        for (const int32_t child : std::vector<int32_t>(children[node]))
            DeleteNode(child);
        std::erase(children[nodes[node].parent], node);
        nodes.erase(node);
        children.erase(node);
    }
    void SetNodeText(int32_t node, const std::string& text) override { nodes[node].text = text; }
    void SetNodeMark(int32_t node, int32_t mark) override { nodes[node].mark = mark; }
    void SelectNode(int32_t node) override { selected = node; }
    void ExpandNode(int32_t node) override { expanded.insert(node); }
    bool IsNodeExpanded(int32_t node) override { return expanded.count(node) != 0; }
    void ShowTree() override { shown = true; }
    bool HasFocus() override { return false; }
    void FocusTree() override {}
};
