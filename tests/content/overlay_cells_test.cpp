// Every cell description of the shipped overlay parses (a fault in one ends the program) and
// binds the names the program gives meaning to; the frame's tree carries the groups the program
// shows and hides pages by.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/model_class.h"
#include "named_keys.h"
#include "overlay/cell_registry.h"
#include "sheets/sheet_listing.h"
#include "shipped_overlay.h"
#include "support/fatal_trap.h"
#include "support/test_paths.h"

namespace {

constexpr int32_t kFlexMarking = CL_FlexMarking;

// Tree groups, each an option flag of the node's cell.
enum TreeGroup : int {
    kMakerPages = 0,
    kUsaPages = 1,
    kCanadaPages = 2,
    kWeatherPages = 3,
    kNotAmericanPages = 4,  // removed for the types of the American lists
    kHandheldPages = 5,     // removed for the fixed mounts
};

class OverlayCells : public testing::Test {
protected:
    // Parses the basic cell and every item line of a menu, toolbar, tree or popup menu.
    std::vector<cmcCellObj> Items(const std::string& key, bool indented) {
        clsSheetVariables variables{};
        cmcCellObj basic;
        basic.ParseCell(m_overlay.store.GetFirstLine(key + "_BasicCell"), &variables, nullptr);
        std::vector<cmcCellObj> items;
        for (const std::string& line : m_overlay.Lines(key + "_Body")) {
            if (indented) {
                items.push_back(m_overlay.ParseItem(line, basic));
            } else {
                cmcCellObj cell;
                cell.ParseCell(line, &variables, &basic);
                items.push_back(cell);
            }
        }
        return items;
    }

    clsShippedOverlay m_overlay;
};

TEST_F(OverlayCells, EveryFrameAndPopupMenuParses) {
    std::set<std::string> popupMenus = {"GI_PMenu_NoItem", "GI_PMenu_Edit"};
    std::vector<std::string> sheets = m_overlay.TreeSheets();
    sheets.push_back("GI_Sheet_CloneInfo");
    cmcEeprom image;
    image.SetSize(kImageSize);
    for (const std::string& sheet : sheets) {
        for (int32_t model = 0; model < kModelTypeCount; ++model) {
            clsRadioSheetState state;
            state.modelType = model;
            state.image = &image;
            const auto fatal = CatchFatal([&] {
                cuiSheetListing listing(m_overlay.store, sheet, state);
                for (int32_t row = 0; row < listing.RowCount(); ++row) {
                    for (int32_t col = 0; col < listing.ColCount(); ++col) {
                        popupMenus.insert(std::string(listing.Cell(col, row).GetPopupMenu()));
                    }
                }
            });
            ASSERT_FALSE(fatal) << sheet << ": " << *fatal;
        }
    }
    for (const char* key : {"GI_Menu_Main", "GI_Tree_Main"}) {
        const auto fatal = CatchFatal([&] { EXPECT_FALSE(Items(key, true).empty()) << key; });
        EXPECT_FALSE(fatal) << key << ": " << *fatal;
    }
    const auto toolbar = CatchFatal([&] { EXPECT_FALSE(Items("GI_ToolBar_Main", false).empty()); });
    EXPECT_FALSE(toolbar) << *toolbar;
    for (const std::string& key : popupMenus) {
        const auto fatal = CatchFatal([&] {
            for (const cmcCellObj& item : Items(key, true)) {
                EXPECT_EQ(item.GetCategory(), CT_PopupMenu) << key;
            }
        });
        EXPECT_FALSE(fatal) << key << ": " << *fatal;
    }
}

// Every cell model of the file parses and binds only names of the program, also the models
// that only the bit-field dialog's sheet, composed at run time, names.
TEST_F(OverlayCells, EveryCellModelParses) {
    std::ifstream file(BinPath("KTV818X.OVL"));
    int models = 0;
    for (std::string line; std::getline(file, line);) {
        if (line == "#End_Of_Ovl") break;
        if (line.rfind("#CellModel_", 0) != 0) continue;
        const std::string name = line.substr(std::string("#CellModel_").size());
        const auto fatal = CatchFatal([&] {
            clsSheetVariables variables{};
            cmcCellObj cell;
            cell.ParseCell("{($" + name + ")}", &variables, nullptr);
        });
        EXPECT_FALSE(fatal) << name << ": " << *fatal;
        ++models;
    }
    EXPECT_GE(models, 4);
}

// The dialogs take their font from a model that is read both as font fields and as a cell.
TEST_F(OverlayCells, DialogFontParsesAsACell) {
    for (const char* key : {"CellModel_BasicDialog", "GI_Form_Main_BasicCell"}) {
        clsSheetVariables variables{};
        cmcCellObj cell;
        const auto fatal = CatchFatal(
            [&] { cell.ParseCell(m_overlay.store.GetFirstLine(key), &variables, nullptr); });
        ASSERT_FALSE(fatal) << key;
        EXPECT_TRUE(cell.GetFont().has_value()) << key;
        EXPECT_TRUE(cell.GetCaption().empty()) << key;
    }
}

// A choice list: one label for all its entries (1, or 2 where the engine marks refused entries),
// each value once, each with a text.
TEST_F(OverlayCells, EveryChoiceListHoldsDistinctValuesWithTexts) {
    const std::set<std::string> markedLists = {
        "GI_Sheet_Sel_DscCall_TX_EPIRB", "GI_Sheet_Sel_KeyAs_SkeyMU", "GI_Sheet_Sel_KeyAs_SkeyME",
        "GI_Sheet_Sel_KeyAs_SkeyHU", "GI_Sheet_Sel_KeyAs_SkeyHE"};
    for (const char* key : kChoiceListKeys) {
        const int32_t label = markedLists.count(key) ? kFlexMarking : Flex0;
        std::set<int32_t> values;
        const auto fatal = CatchFatal([&] {
            clsSheetVariables variables{};
            for (const std::string& line : m_overlay.Lines(std::string(key) + "_Cells")) {
                for (const cmcCellObj& cell : m_overlay.ParseRow(line, nullptr, variables)) {
                    EXPECT_EQ(cell.GetLabel(), label) << key;
                    EXPECT_TRUE(values.insert(cell.GetIndex()).second)
                        << key << " holds " << cell.GetIndex() << " twice";
                    EXPECT_FALSE(cell.GetCaption().empty()) << key;
                }
            }
        });
        EXPECT_FALSE(fatal) << key << ": " << *fatal;
        EXPECT_GE(values.size(), 2u) << key;
    }
}

TEST_F(OverlayCells, TreeGroupsFollowTheChannelBanksAndModelClasses) {
    std::map<std::string, std::set<int>> groupsOf;
    std::vector<cmcCellObj> nodes = Items("GI_Tree_Main", true);
    for (const cmcCellObj& node : nodes) {
        for (int group = 0; group < 8; ++group) {
            if (node.GetOptionFlag(group)) groupsOf[node.GetSuffix()].insert(group);
        }
    }
    EXPECT_EQ(groupsOf["GI_Sheet_IntCh"], std::set<int>{});
    EXPECT_EQ(groupsOf["GI_Sheet_UsaCh"], std::set<int>{kUsaPages});
    EXPECT_EQ(groupsOf["GI_Sheet_CanCh"], std::set<int>{kCanadaPages});
    EXPECT_EQ(groupsOf["GI_Sheet_WxCh"], std::set<int>{kWeatherPages});
    EXPECT_EQ(groupsOf["GI_Sheet_Atis"], std::set<int>{kNotAmericanPages});
    EXPECT_EQ(groupsOf["GI_Sheet_Handheld"], std::set<int>{kHandheldPages});
    for (const char* maker : {"GI_Sheet_MakerAdj", "GI_Sheet_MakerFree", "GI_Sheet_EeDebugWin"}) {
        EXPECT_EQ(groupsOf[maker], std::set<int>{kMakerPages}) << maker;
    }
    // The first node is the radio itself and opens a page of its own, so that the tree always
    // has a page to open.
    ASSERT_FALSE(nodes.empty());
    EXPECT_EQ(nodes[0].GetLabel(), CallSheet);
    EXPECT_EQ(nodes[0].GetOptionFlag(kMakerPages), false);
}

// In the usable-channels view a bank's title says so, in the font the overlay gives that view.
TEST_F(OverlayCells, ChannelBanksShowTheUsableChannelsView) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    clsRadioSheetState state;
    state.image = &image;
    const std::string usable = m_overlay.store.GetFirstLine("GI_AppInd_chSheet_Usable_Title");
    for (const char* key : {"GI_Sheet_IntCh", "GI_Sheet_UsaCh", "GI_Sheet_CanCh"}) {
        state.usableView = false;
        cuiSheetListing all(m_overlay.store, key, state);
        state.usableView = true;
        const auto fatal = CatchFatal([&] {
            cuiSheetListing listing(m_overlay.store, key, state);
            EXPECT_EQ(listing.Sheet().Title(), all.Sheet().Title() + " " + usable) << key;
        });
        EXPECT_FALSE(fatal) << key << ": " << *fatal;
    }
}

// A bank switched on again is put back from the first tree line that contains its sheet key, as
// a child of the first node right after the International channels.
TEST_F(OverlayCells, TreeLinesOfTheChannelPagesAreFoundByTheirKeys) {
    const std::vector<std::string> lines = m_overlay.Lines("GI_Tree_Main_Body");
    for (const char* key :
         {"GI_Sheet_IntCh", "GI_Sheet_UsaCh", "GI_Sheet_CanCh", "GI_Sheet_WxCh"}) {
        const auto line = std::find_if(lines.begin(), lines.end(), [key](const std::string& text) {
            return text.find(key) != std::string::npos;
        });
        ASSERT_NE(line, lines.end()) << key;
        EXPECT_NE(line->find(std::string("CallSheet:") + key + ")"), std::string::npos) << *line;
        EXPECT_EQ(line->find('+'), 1u) << "not a child of the first node: " << *line;
    }
}

TEST_F(OverlayCells, ChecksAndColumnWidthsNameSheetsOfTheTree) {
    const std::vector<std::string> sheets = m_overlay.TreeSheets();
    const auto inTree = [&sheets](const std::string& key) {
        return std::find(sheets.begin(), sheets.end(), key) != sheets.end();
    };
    clsSheetVariables variables{};
    for (const std::string& line : m_overlay.Lines("GI_WarningCheckList")) {
        cmcCellObj check;
        check.ParseCell(line, &variables, nullptr);
        EXPECT_TRUE(inTree(check.GetSuffix())) << line;
        EXPECT_EQ(LabelName(check.GetLabel()).substr(0, 9), "CL_Check_") << line;
    }
    for (const std::string& line : m_overlay.Lines("GI_CellWidthRegList")) {
        const size_t colon = line.find(':');
        ASSERT_NE(colon, std::string::npos) << line;
        EXPECT_TRUE(inTree(line.substr(0, colon))) << line;
        EXPECT_GT(line.size(), colon + 1) << line;
    }
}

}  // namespace
