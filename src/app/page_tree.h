#pragma once

#include <cstdint>
#include <string>

// The groups of tree nodes that come and go with the image and the program's modes. A node
// belongs to the groups its cell's flags name.
namespace clsTreeGroup {
constexpr int32_t kMaker = 0;      // maker-only pages
constexpr int32_t kUsa = 1;        // the USA channel bank
constexpr int32_t kCanada = 2;     // the Canada channel bank
constexpr int32_t kWeather = 3;    // the weather channels
constexpr int32_t kNotClassA = 4;  // pages of radios outside model class A
constexpr int32_t kNotClassB = 5;  // pages of radios outside model class B
}  // namespace clsTreeGroup

// The page tree of the main window, built from the overlay's tree description, as the main
// controller uses it. The GUI's tree implements it.
class cuiPageTree {
public:
    virtual ~cuiPageTree() = default;

    virtual void Show() = 0;
    virtual void SelectFirstNode() = 0;
    // Activates the selected node's cell as Enter would (its page opens); nothing when none is.
    virtual void ActivateSelectedNode() = 0;
    // Appends text to the first node's text.
    virtual void AppendToFirstNodeText(const std::string& text) = 0;

    // The place of the node of that sheet among the first node's children, -1 when there is none.
    virtual int32_t IndexOfSheet(const std::string& sheetName) = 0;
    // Makes the node of the tree description line naming sheetKey, in front of the node at
    // position, unless the tree has a node for that sheet already.
    virtual void EnsureNode(const std::string& sheetKey, int32_t position) = 0;
    // Deletes every node of the group with its sub-nodes.
    virtual void RemoveGroup(int32_t group) = 0;

    // Evaluates the warning checks and marks the nodes of the pages they name.
    virtual void CheckWarnings() = 0;
    // Whether the tree has the keyboard focus in the main window.
    virtual bool IsActiveControl() = 0;
    virtual void Focus() = 0;
};
