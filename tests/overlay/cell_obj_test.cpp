#include "overlay/cell_obj.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "overlay/cell_capsule.h"
#include "overlay/gtex.h"
#include "support/fatal_trap.h"

// Failure messages show fonts field by field.
void PrintTo(const datCellFont& font, std::ostream* out) {
    *out << "{charset " << font.charset << ", '" << font.face << "', colour " << std::hex
         << font.colour << std::dec << ", height " << font.height << ", size " << font.size
         << ", styles " << int{font.styles} << ", pitch " << font.pitch << "}";
}

namespace {

// Cell models live in the main store; every test here installs one of its own.
const std::vector<std::string> kModels = {
    "#CellModel_Basic",
    "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)",
    "#CellModel_Head",
    "^-WH(Color=clGray)(Font=,,clWhite,,,fsBold,)",
    "#CellModel_Loop",
    "W($Loop)",
    "#CellModel_PingA",
    "S($PingB)",
    "#CellModel_PingB",
    "B($PingA)",
    "#End_Of_Ovl",
};

class CellText : public testing::Test {
protected:
    CellText() {
        m_models.SetSourceLines(kModels);
        SetMainGTex(&m_models);
    }
    ~CellText() override { SetMainGTex(nullptr); }

    cmcCellObj Parse(const std::string& text, const cmcCellObj* parent = nullptr) {
        cmcCellObj cell;
        cell.ParseCell(text, &m_variables, parent);
        return cell;
    }

    std::optional<std::string> ParseFault(const std::string& text, clsSheetVariables* variables) {
        return CatchFatal([&] { cmcCellObj().ParseCell(text, variables, nullptr); });
    }

    cmcGTex m_models;
    clsSheetVariables m_variables{};
};

// The captions of a row's cells, parsed or only split.
std::vector<std::string> RowCaptions(const std::string& row, bool splitOnly) {
    std::vector<std::string> captions;
    clsSheetVariables variables{};
    cmcCellObj parent;
    parent.SetCaption("split");
    std::string_view rest = row;
    do {
        cmcCellObj cell;
        rest = cell.ParseCell(rest, &variables, &parent, splitOnly);
        captions.push_back(cell.GetCaption());
    } while (!rest.empty());
    return captions;
}

TEST(CellRow, SplitsIntoCellTexts) {
    struct Case {
        std::string row;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"|A|B|", {"", "A", "B"}},  // a leading "|" makes an empty first cell
        {"A", {"A"}},               // no "|": one cell
        {"A|B", {"A", "B"}},
        {"A||B|", {"A", "", "B"}},  // a doubled "|": an empty separator cell
        {"A\\|B|C", {"A|B", "C"}},  // an escaped "|" does not split
        {"A\\\\|B", {"A\\", "B"}},  // an escaped "\" does not escape the "|"
        {"{(%CL_Dummy:x\\|y)}A|B", {"A", "B"}},
        {"A{\\|}B|C", {"AB", "C"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowCaptions(c.row, false), c.captions) << c.row;
        // Split only: the same cells, each reset from its parent and not parsed.
        EXPECT_EQ(RowCaptions(c.row, true),
                  std::vector<std::string>(c.captions.size(), std::string("split")))
            << c.row;
    }
}

TEST(CellRow, SplitOnlyDoesNotParse) {
    cmcCellObj cell;
    std::string_view rest;
    EXPECT_FALSE(
        CatchFatal([&] { rest = cell.ParseCell("{(%CL_Bogus)}|x", nullptr, nullptr, true); }));
    EXPECT_EQ(rest, "x");
    EXPECT_EQ(cell.GetLabel(), CL_None);
}

TEST_F(CellText, SetsFlagLetters) {
    struct Case {
        std::string text;
        uint8_t layout;
        uint8_t rules;
    };
    const Case cases[] = {
        {"{^-WH}", 0x35, 0x00},
        {"{S<_WHB}", 0xB8, 0x04},
        {"{>~}", 0x02, 0x00},
        {"{W!WH}", 0x20, 0x00},  // "!" clears W; the H after it is set
        {"{!H!B!+}", 0x00, 0x00},
        {"{+B!^}", 0xC1, 0x00},  // "!" does not act on alignment
        {"{X}", 0x00, 0x01},
        {"{Q}", 0x00, 0x02},
        {"{XQ}", 0x00, 0x02},
        {"{X!Q}", 0x00, 0x00},  // "!X" and "!Q" both clear the right rule
        {"{Q!X}", 0x00, 0x00},
        {"{ST}", 0x00, 0x0C},
        {"{S!ST}", 0x00, 0x08},
        {"{!zW}", 0x10, 0x00},          // "!" acts on the byte right after it only
        {"{\\W\\S}", 0x00, 0x00},       // "\" makes a byte ordinary
        {"{W}caption{H}", 0x30, 0x00},  // several brace groups
        {"{(W)(Unknown=1)z}", 0x00, 0x00},
        {"{(Flag0=1)(Flag3=1)(Flag7=1)(Flag8=1)(Flag2=2)}", 0x00, 0x90},
    };
    for (const Case& c : cases) {
        const cmcCellObj cell = Parse(c.text);
        EXPECT_EQ(cell.GetLayoutFlags(), c.layout) << c.text;
        EXPECT_EQ(cell.GetRuleFlags(), c.rules) << c.text;
    }
    const cmcCellObj options = Parse("{(Flag7=1)(Flag4=1)(Flag4=0)(Flag1=1)}");
    for (int flag = 0; flag < 8; ++flag)
        EXPECT_EQ(options.GetOptionFlag(flag), flag == 7 || flag == 1) << flag;
}

TEST_F(CellText, ReadsColoursImagesAndPopupMenus) {
    struct Case {
        std::string text;
        uint32_t colour;
    };
    const Case cases[] = {
        {"{(Color=clRed)}", 0x0000FF},
        {"{(Color=clHightlightText)}", 0x8000000E},
        {"{(Color=clHighlightText)}", 0x80000005},  // not in the table: unchanged
        {"{(Color=clred)}", 0x80000005},
        {"{(Color=clBtnFace)}", 0x8000000F},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.text).GetColour(), c.colour) << c.text;
    EXPECT_EQ(Parse("{(ImageIndex=7)}").GetImageIndex(), 7);
    EXPECT_EQ(Parse("").GetImageIndex(), -1);

    const cmcCellObj root = Parse("{(PopupMenu=GI_PMenu_Edit)}");
    const cmcCellObj basic = Parse("{W}", &root);
    EXPECT_EQ(basic.GetPopupMenu(), "GI_PMenu_Edit");  // inherited through the parent
    EXPECT_EQ(Parse("{(PopupMenu=GI_PMenu_NoItem)}", &basic).GetPopupMenu(), "GI_PMenu_NoItem");
    EXPECT_EQ(Parse("{(PopupMenu=)}", &basic).GetPopupMenu(), "GI_PMenu_Edit");
    EXPECT_EQ(Parse("{W}").GetPopupMenu(), "");
}

TEST_F(CellText, AppliesFontFields) {
    datCellFont start;
    start.face = "Arial";
    start.SetHeight(-17);
    start.styles = datCellFont::kUnderline;
    struct Case {
        std::string fields;
        void (*expect)(datCellFont&);
    };
    const Case cases[] = {
        {"", [](datCellFont&) {}},
        {"DEFAULT_CHARSET,,clWindowText,-17,,,",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";  // a present face field resets the face
             f.colour = 0x80000008;
         }},
        {"  ANSI_CHARSET  , Courier New,clRed",
         [](datCellFont& f) {
             f.charset = 0;
             f.face = "Courier New";
             f.colour = 0xFF;
         }},
        {"Bogus_CHARSET", [](datCellFont&) {}},
        {"SHIFTJIS_CHARSET x", [](datCellFont&) {}},  // only blanks may follow the name
        {"OEM_CHARSET,Tahoma,clHighlightText",
         [](datCellFont& f) {
             f.charset = 255;
             f.face = "Tahoma";
         }},
        {",,,%150",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.height = -25;
             f.size = 19;
         }},
        {",,,%0",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.height = 1;
             f.size = -1;
         }},
        {",,,0", [](datCellFont& f) { f.face = "MS Sans Serif"; }},
        {",,,20",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.height = 20;
             f.size = -15;
         }},
        {",,,,12",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.height = -16;
             f.size = 12;
         }},
        {",,,,%50",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.height = -8;  // 13 points halved (integer division)
             f.size = 6;
         }},
        {",,,,,fsBold+fsItalic",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.styles = datCellFont::kBold | datCellFont::kItalic;
         }},
        {",,,,,junk", [](datCellFont& f) { f.face = "MS Sans Serif"; }},
        {",,,,,junk+ fsItalic",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.styles = datCellFont::kItalic;  // the first known name clears the others
         }},
        {",,,,,,fpFixed",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.pitch = 1;
         }},
        {",,,,,,fpVariable,fpFixed",
         [](datCellFont& f) {
             f.face = "MS Sans Serif";
             f.pitch = 2;
         }},
    };
    for (const Case& c : cases) {
        datCellFont font = start;
        ApplyFontFields(font, c.fields);
        datCellFont expected = start;
        c.expect(expected);
        EXPECT_EQ(font, expected) << c.fields;
    }
}

TEST_F(CellText, GivesACellAFontOfItsOwnFromItsParents) {
    const cmcCellObj basic = Parse("{($Basic)}");
    ASSERT_TRUE(basic.GetFont());
    EXPECT_EQ(basic.GetFont()->height, -17);

    const cmcCellObj head = Parse("{($Head)}", &basic);
    ASSERT_TRUE(head.GetFont());
    EXPECT_EQ(head.GetFont()->height, -17);  // a copy of the parent's font, then the fields
    EXPECT_EQ(head.GetFont()->colour, 0xFFFFFFu);
    EXPECT_EQ(head.GetFont()->styles, datCellFont::kBold);

    EXPECT_FALSE(Parse("{W}", &basic).GetFont());  // no own font: the basic cell's is used
    const cmcCellObj orphan = Parse("{(Font=,,,%200)}");
    ASSERT_TRUE(orphan.GetFont());
    EXPECT_EQ(orphan.GetFont()->height, -22);  // the default font's -11, doubled
}

TEST_F(CellText, BindsCategoryLabelIndexAndSuffix) {
    m_variables[0] = 41;
    const cmcCellObj parent = Parse("{(%CT_IntCh.CL_Dummy[7]:p)}");
    struct Case {
        std::string text;
        int32_t category;
        int32_t label;
        int32_t index;
        std::string suffix;
    };
    const Case cases[] = {
        {"{(%CT_UsaCh.CL_USA_ChNo[3])}", CT_UsaCh, CL_USA_ChNo, 3, "p"},
        {"{(%.CL_ChList_No)}", CT_None, CL_ChList_No, 7, "p"},  // "." first: no category
        {"{(%CL_ChList_No)}", CT_IntCh, CL_ChList_No, 7, "p"},  // no ".": inherited
        {"{(%CL_ChList_No[@ch0])}", CT_IntCh, CL_ChList_No, 41, "p"},
        {"{(%CL_ChList_No[-2])}", CT_IntCh, CL_ChList_No, -2, "p"},
        {"{(%CT_PopupMenu.)}", CT_PopupMenu, CL_None, 7, "p"},
        {"{(%)}", CT_IntCh, CL_None, 7, "p"},
        {"{(%CT_PopupMenu.CL_PMenu_Edit:Enter)}", CT_PopupMenu, CL_PMenu_Edit, 7, "Enter"},
        {"{(%CL_Menu_File_Open:Ctrl\\+O)}", CT_IntCh, CL_Menu_File_Open, 7, "Ctrl+O"},
        {"{(%CL_Dummy[2]:a\\)b\\\\)}", CT_IntCh, CL_Dummy, 2, "a)b\\"},
        {"{(%CallSheet:GI_Sheet_IntCh,1)}", CT_IntCh, CallSheet, 7, "GI_Sheet_IntCh,1"},
    };
    for (const Case& c : cases) {
        const cmcCellObj cell = Parse(c.text, &parent);
        EXPECT_EQ(cell.GetCategory(), c.category) << c.text;
        EXPECT_EQ(cell.GetLabel(), c.label) << c.text;
        EXPECT_EQ(cell.GetIndex(), c.index) << c.text;
        EXPECT_EQ(cell.GetSuffix(), c.suffix) << c.text;
    }
}

TEST_F(CellText, CountsWithSheetVariables) {
    // Variables keep their values from cell to cell and row to row.
    const cmcCellObj first = Parse("{(@ch1++)(@ch1 ++)(@ch2 = 9)(%CL_Dummy[@ch1])}");
    EXPECT_EQ(first.GetIndex(), 2);
    const cmcCellObj second = Parse("{(@ch1++)(%CL_Dummy[@ch1])}\\(@ch2+1)");
    EXPECT_EQ(second.GetIndex(), 3);
    EXPECT_EQ(second.GetCaption(), "10");
    EXPECT_EQ(m_variables[2], 9);
    Parse("{(@ch2=-5)(@ch3=)}");
    EXPECT_EQ(m_variables[2], -5);
    EXPECT_EQ(m_variables[3], 0);
}

TEST_F(CellText, ProcessesCaptionEscapes) {
    m_variables[0] = 41;
    m_variables[9] = -7;
    struct Case {
        std::string text;
        std::string caption;
    };
    const Case cases[] = {
        {"  \\_A\\_  ", " A "},  // only the escaped blanks stay at the ends
        {"\t Tab \r\n", "Tab"},
        {"A\\nB\\NC", "A\nB\nC"},
        {"\\(@ch0+1)", "42"},
        {"Ch \\( @ch0 +\t1 )!", "Ch 42!"},
        {"\\(@ch0)", "41"},
        {"\\(@ch9+2)", "-5"},
        {"\\(@ch0+1000000)", "100004"},  // 1000041 cut to six characters
        {"a\\|b\\\\c\\x", "a|b\\cx"},
        {"A\\", "A"},
        {"   ", ""},
        {"\\)", ")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.text).GetCaption(), c.caption) << c.text;
}

TEST_F(CellText, FaultsInADescriptionAreFatal) {
    struct Case {
        std::string text;
        std::string fatal;
    };
    const Case cases[] = {
        {"{(@ch++)}", "Ch No. Error"},
        {"{(@ch12++)}", "Ch No. Error"},
        {"{(@chx=1)}", "Ch No. Error"},
        {"{(%CL_Dummy[@ch10])}", "Ch No. Error"},
        {"{(%CL_Dummy[@c1])}", ""},  // not a reference: read as a number
        {"\\(x)", "Ch No. Error"},
        {"\\(@ch01)", "Ch No. Error"},
        {"\\(@ch0", "Illegal Ch No."},
        {"{(%CT_Bogus.CL_Dummy)}", "Cannot use the specified category.\n'CT_Bogus'"},
        {"{(%CL_Bogus)}", "Cannot use the specified cell.\n'CL_Bogus'"},
        {"{(%CL\\.Dummy)}", "Cannot use the specified cell.\n'CL\\.Dummy'"},
        {"{(%CL_Dummy:a.b)}", "Cannot use the specified category.\n'CL_Dummy:a'"},
        {"{($Missing)}", "GTEX Error !\nThe index 'CellModel_Missing' was not found."},
    };
    for (const Case& c : cases) {
        const auto fatal = ParseFault(c.text, &m_variables);
        if (c.fatal.empty()) {
            EXPECT_FALSE(fatal) << c.text;
        } else {
            EXPECT_EQ(fatal, c.fatal) << c.text;
        }
    }
    // A sheet that supplied no variables.
    EXPECT_EQ(ParseFault("{(@ch0++)}", nullptr), "Ch No. Error");
    EXPECT_EQ(ParseFault("\\(@ch0)", nullptr), "Ch No. Error");
    EXPECT_FALSE(ParseFault("{W}A", nullptr));
    // No main store: a model is missing like any key.
    SetMainGTex(nullptr);
    EXPECT_EQ(ParseFault("{($Basic)}", &m_variables),
              "GTEX Error !\nThe index 'CellModel_Basic' was not found.");
}

TEST_F(CellText, ALoopOfModelsEnds) {
    EXPECT_EQ(Parse("{($Loop)}").GetLayoutFlags(), clsCellLayout::kFitWidth);
    const cmcCellObj ping = Parse("{($PingA)}");
    EXPECT_EQ(ping.GetRuleFlags(), clsCellRule::kSelectable);
    EXPECT_EQ(ping.GetLayoutFlags(), clsCellLayout::kBottomRule);
}

TEST_F(CellText, InheritsFromItsParentOrFromTheCellBefore) {
    // Without a parent, category and index carry over from the cell parsed before.
    cmcCellObj cell;
    cell.ParseCell("{S(%CT_IntCh.CL_ChList_No[5]:x)(Color=clRed)(ImageIndex=3)}A", &m_variables,
                   nullptr);
    cell.ParseCell("B", &m_variables, nullptr);
    EXPECT_EQ(cell.GetCategory(), CT_IntCh);
    EXPECT_EQ(cell.GetIndex(), 5);
    EXPECT_EQ(cell.GetLabel(), CL_None);
    EXPECT_EQ(cell.GetSuffix(), "");
    EXPECT_EQ(cell.GetRuleFlags(), 0);
    EXPECT_EQ(cell.GetColour(), cmcCellObj::kDefaultColour);
    EXPECT_EQ(cell.GetImageIndex(), -1);
    EXPECT_EQ(cell.GetCaption(), "B");

    // With a parent, everything but its font and popup key, which are reached through it.
    const cmcCellObj parent = Parse(
        "{S>(%CT_UsaCh.CL_USA_ChNo[9]:s)(Color=clRed)(ImageIndex=3)(Font=,,,-20)"
        "(PopupMenu=GI_PMenu_Edit)(Flag5=1)}P");
    const cmcCellObj empty = Parse("", &parent);
    EXPECT_EQ(empty.GetParent(), &parent);
    EXPECT_EQ(empty.GetCategory(), CT_UsaCh);
    EXPECT_EQ(empty.GetLabel(), CL_USA_ChNo);
    EXPECT_EQ(empty.GetIndex(), 9);
    EXPECT_EQ(empty.GetSuffix(), "s");
    EXPECT_EQ(empty.GetRuleFlags(), clsCellRule::kSelectable);
    EXPECT_EQ(empty.GetLayoutFlags(), clsCellLayout::kAlignRight);
    EXPECT_TRUE(empty.GetOptionFlag(5));
    EXPECT_EQ(empty.GetColour(), 0x0000FFu);
    EXPECT_EQ(empty.GetImageIndex(), 3);
    EXPECT_EQ(empty.GetCaption(), "");  // an empty cell text: the parent with an empty caption
    EXPECT_FALSE(empty.GetFont());
    EXPECT_EQ(empty.GetPopupMenu(), "GI_PMenu_Edit");

    cmcCellObj copy;
    copy.CopyFrom(parent);
    EXPECT_EQ(copy.GetCaption(), "P");
    ASSERT_TRUE(copy.GetFont());
    EXPECT_EQ(copy.GetFont()->height, -20);
    EXPECT_EQ(copy.GetPopupMenu(), "GI_PMenu_Edit");
    copy.SetCaption("\\n");
    EXPECT_EQ(copy.GetCaption(), "\\n");  // no escapes
    EXPECT_EQ(parent.GetCaption(), "P");
}

// The bit-field dialog builds its sheet from lines it composes; the models it names are read
// from the main store, which here is the same list.
const std::vector<std::string> kBitFieldOverlay = {
    "#GI_Sheet_FBitsR_Style",
    "(FixedCols=1)(FixedRows=1)",
    "#GI_Sheet_FBitsR_BasicCell",
    "{($Basic)(PopupMenu=GI_PMenu_NoItem)}",
    "#GI_Sheet_FBitsR_Cells",
    "|{($iChI)}Bit|{($iChI)}7|{($iChI)}0|",
    "|{($iChI)}%X|{($eWh)^(%CL_FBits[1])}9|{($eWh)^(%CL_FBits[8])}9|{($iQp)}",
    "#",
    "#CellModel_iChI",
    "^-WH(Color=clGray)(Font=,,clWhite,,,fsBold,)",
    "#CellModel_eWh",
    "S<_WHB",
    "#CellModel_iQp",
    "(%CT_Null.CL_Misc_QuarterPillar)",
    "#CellModel_Basic",
    "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)",
    "#GI_PMenu_NoItem_BasicCell",
    "{($Basic)}",
    "#GI_PMenu_NoItem_Body",
    "+No item\t{(%CT_PopupMenu.CL_PMenu_NoItem)}",
    "#",
    "#GI_PMenu_Edit_BasicCell",
    "{($Basic)(%CT_PopupMenu.)}",
    "#GI_PMenu_Edit_Body",
    "+Edit...\t{(%CT_PopupMenu.CL_PMenu_Edit:Enter)}",
    "#",
    "#End_Of_Ovl",
};

TEST(CellWorkedExample, TheBitFieldDialogsOverlayParses) {
    cmcGTex store;
    store.SetSourceLines(kBitFieldOverlay);
    SetMainGTex(&store);
    clsSheetVariables variables{};

    EXPECT_EQ(store.GetFirstLine("GI_Sheet_FBitsR_Style"), "(FixedCols=1)(FixedRows=1)");
    cmcCellObj basic;
    basic.ParseCell(store.GetFirstLine("GI_Sheet_FBitsR_BasicCell"), &variables, nullptr);
    datCellFont windowFont;
    windowFont.colour = 0x80000008;
    windowFont.SetHeight(-17);  // a 17-pixel font of 13 points
    EXPECT_EQ(basic.GetLayoutFlags(), clsCellLayout::kAlignLeft | clsCellLayout::kVAlignCentre);
    EXPECT_EQ(basic.GetColour(), 0x80000005u);
    EXPECT_EQ(basic.GetFont(), windowFont);
    EXPECT_EQ(windowFont.size, 13);
    EXPECT_EQ(basic.GetPopupMenu(), "GI_PMenu_NoItem");  // its own, after the model's
    EXPECT_EQ(basic.GetCategory(), CT_None);
    EXPECT_EQ(basic.GetLabel(), CL_None);

    // The rows, read up to the "#" that ends them.
    std::vector<std::vector<cmcCellObj>> rows;
    for (int32_t line = 0;; ++line) {
        const std::string text = store.GetLine("GI_Sheet_FBitsR_Cells", line);
        if (text.starts_with("#")) break;
        rows.emplace_back();
        std::string_view rest = text;
        do {
            rest = rows.back().emplace_back().ParseCell(rest, &variables, &basic);
        } while (!rest.empty());
    }
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(rows[0].size(), 4u);
    ASSERT_EQ(rows[1].size(), 5u);

    datCellFont headingFont = windowFont;
    headingFont.colour = 0xFFFFFF;
    headingFont.styles = datCellFont::kBold;
    const cmcCellObj& heading = rows[0][1];
    EXPECT_EQ(heading.GetCaption(), "Bit");
    EXPECT_EQ(heading.GetLayoutFlags(), 0x35);  // centred both ways, fits width and height
    EXPECT_EQ(heading.GetColour(), 0x808080u);
    EXPECT_EQ(heading.GetFont(), headingFont);
    EXPECT_FALSE(heading.IsSelectable());
    EXPECT_EQ(rows[1][1].GetCaption(), "%X");

    for (int column : {2, 3}) {
        const cmcCellObj& bit = rows[1][column];
        EXPECT_EQ(bit.GetCaption(), "9");
        EXPECT_EQ(bit.GetLayoutFlags(), clsCellLayout::kAlignCentre | clsCellLayout::kVAlignBottom |
                                            clsCellLayout::kFitWidth | clsCellLayout::kFitHeight |
                                            clsCellLayout::kBottomRule);
        EXPECT_TRUE(bit.IsSelectable());
        EXPECT_EQ(bit.GetCategory(), CT_None);
        EXPECT_EQ(bit.GetLabel(), CL_FBits);
        EXPECT_EQ(bit.GetIndex(), column == 2 ? 1 : 8);
        EXPECT_EQ(bit.GetColour(), 0x80000005u);
        EXPECT_FALSE(bit.GetFont());  // drawn with the basic cell's font
        EXPECT_EQ(bit.GetPopupMenu(), "GI_PMenu_NoItem");
    }
    const cmcCellObj& pillar = rows[1][4];
    EXPECT_EQ(pillar.GetCategory(), CT_Null);
    EXPECT_EQ(pillar.GetLabel(), CL_Misc_QuarterPillar);
    EXPECT_EQ(pillar.GetCaption(), "");

    // Popup menus: each item line is "+" and a cell text whose parent is the menu's basic cell.
    struct Menu {
        std::string key;
        int32_t label;
        std::string caption;
        std::string suffix;
    };
    for (const Menu& menu : {Menu{"GI_PMenu_NoItem", CL_PMenu_NoItem, "No item", ""},
                             Menu{"GI_PMenu_Edit", CL_PMenu_Edit, "Edit...", "Enter"}}) {
        cmcCellObj menuBasic;
        menuBasic.ParseCell(store.GetFirstLine(menu.key + "_BasicCell"), &variables, nullptr);
        const std::string line = store.GetFirstLine(menu.key + "_Body");
        cmcCellObj item;
        item.ParseCell(std::string_view(line).substr(line.find('+') + 1), &variables, &menuBasic);
        EXPECT_EQ(item.GetCategory(), CT_PopupMenu) << menu.key;
        EXPECT_EQ(item.GetLabel(), menu.label);
        EXPECT_EQ(item.GetCaption(), menu.caption);
        EXPECT_EQ(item.GetSuffix(), menu.suffix);
        EXPECT_EQ(item.GetPopupMenu(), "GI_PMenu_Edit");
        EXPECT_EQ(store.GetLine(menu.key + "_Body", 1), "#");
    }
    cmcCellObj editBasic;
    editBasic.ParseCell(store.GetFirstLine("GI_PMenu_Edit_BasicCell"), &variables, nullptr);
    EXPECT_EQ(editBasic.GetCategory(), CT_PopupMenu);
    EXPECT_EQ(editBasic.GetLabel(), CL_None);
    SetMainGTex(nullptr);
}

TEST(CellCapsule, IsCreatedEmpty) {
    const cmcCellCapsule capsule;
    EXPECT_EQ(capsule.ownerCapsule, nullptr);
    EXPECT_EQ(capsule.cell, nullptr);
    EXPECT_EQ(capsule.requestCode, 0);
    EXPECT_EQ(capsule.stateFlags, 0);
    EXPECT_TRUE(capsule.displayText.empty());
    EXPECT_EQ(capsule.repaintCallback, nullptr);
}

}  // namespace
