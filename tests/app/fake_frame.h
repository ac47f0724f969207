#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/frame.h"

// A page tree as a list of nodes below the first one, each with its sheet and group (-1 for
// none); a fresh tree holds every page of the overlay's tree that the controller adjusts.
class FakeTree : public cuiPageTree {
public:
    struct Node {
        std::string sheet;
        int32_t group;
    };
    static const std::vector<Node>& AllNodes() {
        static const std::vector<Node> nodes = {
            {"GI_Sheet_IntCh", -1},
            {"GI_Sheet_UsaCh", clsTreeGroup::kUsa},
            {"GI_Sheet_CanCh", clsTreeGroup::kCanada},
            {"GI_Sheet_WxCh", clsTreeGroup::kWeather},
            {"GI_Sheet_Common", -1},
            {"GI_Sheet_ClassA", clsTreeGroup::kNotClassA},
            {"GI_Sheet_ClassB", clsTreeGroup::kNotClassB},
            {"GI_Sheet_Maker", clsTreeGroup::kMaker},
        };
        return nodes;
    }

    std::vector<Node> nodes = AllNodes();
    std::string firstNodeText = "KT-V818X";
    int32_t activations = 0;
    int32_t warningChecks = 0;

    std::vector<std::string> Sheets() const {
        std::vector<std::string> sheets;
        for (const Node& node : nodes)
            sheets.push_back(node.sheet);
        return sheets;
    }

    void Show() override {}
    void SelectFirstNode() override {}
    void ActivateSelectedNode() override { ++activations; }
    void AppendToFirstNodeText(const std::string& text) override { firstNodeText += text; }
    int32_t IndexOfSheet(const std::string& sheetName) override {
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i].sheet == sheetName) return static_cast<int32_t>(i);
        }
        return -1;
    }
    void EnsureNode(const std::string& sheetKey, int32_t position) override {
        if (IndexOfSheet(sheetKey) >= 0) return;
        for (const Node& node : AllNodes()) {
            if (node.sheet == sheetKey) nodes.insert(nodes.begin() + position, node);
        }
    }
    void RemoveGroup(int32_t group) override {
        std::erase_if(nodes, [group](const Node& node) { return node.group == group; });
    }
    void CheckWarnings() override { ++warningChecks; }
    bool IsActiveControl() override { return false; }
    void Focus() override {}
};

// A page that remembers where its grid stood.
class FakeSheet : public cuiSheetView {
public:
    explicit FakeSheet(const datSheetOpening& opening) : opening(opening) {
        if (opening.place) place = *opening.place;
    }
    datSheetOpening opening;
    datGridPlace place;
    std::optional<datCellBinding> cursor;
    std::optional<datCellBinding> movedTo;

    void Show() override {}
    bool IsGridShowing() override { return true; }
    datGridPlace GridPlace() override { return place; }
    bool IsGridEnabled() override { return true; }
    void FocusGrid() override {}
    std::optional<datCellBinding> CursorCell() override { return cursor; }
    void MoveCursorTo(const datCellBinding& cell) override { movedTo = cell; }
    bool CanPrint() override { return true; }
};

// The main window: it hands out fake trees and pages and keeps what it was told to show.
class FakeFrame : public cuiFrame {
public:
    FakeTree* tree = nullptr;  // the newest tree
    FakeSheet* sheet = nullptr;
    int32_t treesBuilt = 0;
    std::vector<std::string> sheetsOpened;
    std::string caption;
    std::vector<std::string> modePanels;
    std::vector<std::string> sheetDialogs;
    int32_t statusRepaints = 0;

    std::unique_ptr<cuiPageTree> CreateTree() override {
        auto created = std::make_unique<FakeTree>();
        tree = created.get();
        ++treesBuilt;
        return created;
    }
    std::unique_ptr<cuiSheetView> CreateSheet(const datSheetOpening& opening) override {
        auto created = std::make_unique<FakeSheet>(opening);
        sheet = created.get();
        sheetsOpened.push_back(opening.name);
        return created;
    }
    bool IsVisible() override { return true; }
    int32_t TreePanelWidth() override { return 180; }
    void SetCaption(const std::string& text) override { caption = text; }
    void RepaintStatusBar() override { ++statusRepaints; }
    void AddModePanel(const std::string& modeText) override { modePanels.push_back(modeText); }
    void ShowAbout() override {}
    void ShowSheetDialog(const std::string& sheetKey, const std::string&) override {
        sheetDialogs.push_back(sheetKey);
    }
    void OpenSelectionList(const clsCellCall&, const std::string&, int32_t, int32_t) override {}
    void OpenEntryDialog(const clsCellCall&, const std::string&, int32_t) override {}
    void RunWindowCommand(clsHostCommand, int32_t, const std::string&) override {}
};
