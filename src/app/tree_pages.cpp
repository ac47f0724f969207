#include "app/tree_pages.h"

#include "overlay/cell_ids.h"
#include "overlay/cell_obj.h"
#include "overlay/gtex.h"

namespace {

constexpr char kTreeKey[] = "GI_Tree_Main";
// Nodes with this option flag belong to the maker-only pages.
constexpr int kMakerGroupFlag = 0;

}  // namespace

std::vector<datTreePage> ReadTreePages(cmcGTex& store) {
    clsSheetVariables variables{};
    cmcCellObj basic;
    const std::string basicText = store.GetFirstLine(std::string(kTreeKey) + "_BasicCell");
    basic.ParseCell(basicText, &variables, nullptr);
    std::vector<datTreePage> pages;
    const std::string bodyKey = std::string(kTreeKey) + "_Body";
    for (int32_t i = 0;; ++i) {
        const std::string line = store.GetLine(bodyKey, i);
        if (!line.empty() && line[0] == '#') break;
        // The characters before the first "+" are the node's indentation.
        const size_t plus = line.find('+');
        if (plus == std::string::npos) continue;
        const std::string description = line.substr(plus + 1);
        cmcCellObj node;
        node.ParseCell(description, &variables, &basic);
        if (node.GetLabel() != CallSheet) continue;
        pages.push_back({node.GetSuffix(), node.GetCaption(), node.GetOptionFlag(kMakerGroupFlag)});
    }
    return pages;
}
