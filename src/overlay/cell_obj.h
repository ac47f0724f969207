#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "overlay/cell_font.h"
#include "overlay/cell_ids.h"
#include "overlay/colour_names.h"

// Bits of a cell's layout flags.
namespace clsCellLayout {
constexpr uint8_t kAlignMask = 0x03;  // horizontal: the platform's text-drawing codes
constexpr uint8_t kAlignLeft = 0x00;
constexpr uint8_t kAlignCentre = 0x01;
constexpr uint8_t kAlignRight = 0x02;
constexpr uint8_t kVAlignMask = 0x0C;
constexpr uint8_t kVAlignTop = 0x00;
constexpr uint8_t kVAlignCentre = 0x04;
constexpr uint8_t kVAlignBottom = 0x08;
constexpr uint8_t kFitWidth = 0x10;    // W: widen the column to the caption
constexpr uint8_t kFitHeight = 0x20;   // H: heighten the row to the caption
constexpr uint8_t kContinues = 0x40;   // +: continues the cell to its left
constexpr uint8_t kBottomRule = 0x80;  // B
}  // namespace clsCellLayout

// Bits of a cell's rule and selection flags.
namespace clsCellRule {
constexpr uint8_t kRightRuleMask = 0x03;
constexpr uint8_t kRightRuleFull = 0x01;   // X
constexpr uint8_t kRightRuleLower = 0x02;  // Q: the lower 30 % of the height
constexpr uint8_t kSelectable = 0x04;      // S
constexpr uint8_t kFollowsLeft = 0x08;     // T: belongs to the selectable cell on its left
constexpr int kFirstOptionBit = 4;         // option flags 0-3; 4-7 are in the option byte
}  // namespace clsCellRule

// A sheet's ten variables "@ch0" ... "@ch9", which its cell texts count rows with.
using clsSheetVariables = std::array<int32_t, 10>;

// One cell of the description language: its look, its layout flags, its caption and its binding
// to compiled behaviour (category, label, index, suffix). A cell inherits everything from its
// parent (a sheet's, menu's or tree's basic cell) except an own font and popup menu key, which
// are looked up through the parent when the cell has none.
//
// A cell text is attribute groups in braces and a caption outside them, for example
// "{S<_WH(%CT_IntCh.CL_INT_ChNo[@ch0])(Color=clWindow)}Ch \(@ch0+1)". Faults in a description (a
// bad "@ch" reference, an unknown name, a missing cell model) end the program.
class cmcCellObj {
public:
    static constexpr uint32_t kDefaultColour = kClWindow;

    // Parses the first cell text of row into this cell, inheriting from parent, and returns the
    // rest of the row after the "|" that ended it ("" when none did). The row's storage must
    // outlive the returned view. Cell models "$name" are read from MainGTex(). With splitOnly the
    // cell is reset from the parent but not parsed (to count a row's cells).
    std::string_view ParseCell(std::string_view row, clsSheetVariables* variables,
                               const cmcCellObj* parent, bool splitOnly = false);

    // Drops the own caption, suffix, font and popup menu key and the look, keeping category and
    // index; then, with a parent, takes every field of the parent except its font and popup key.
    void ResetFromParent();
    void CopyFrom(const cmcCellObj& other) { *this = other; }

    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(std::string_view text) { m_caption = text; }  // no escapes processed

    // The own key when set and not empty, else the parent's, and so on; "" at the root.
    std::string_view GetPopupMenu() const;
    // The own font; none means that the basic cell's font is used.
    const std::optional<datCellFont>& GetFont() const { return m_font; }

    const cmcCellObj* GetParent() const { return m_parent; }
    void SetParent(const cmcCellObj* parent) { m_parent = parent; }
    int32_t GetCategory() const { return m_category; }
    int32_t GetLabel() const { return m_label; }
    int32_t GetIndex() const { return m_index; }
    void SetIndex(int32_t index) { m_index = index; }
    const std::string& GetSuffix() const { return m_suffix; }
    int32_t GetImageIndex() const { return m_imageIndex; }
    uint32_t GetColour() const { return m_colour; }

    uint8_t GetLayoutFlags() const { return m_layout; }
    void SetLayoutFlags(uint8_t flags) { m_layout = flags; }
    uint8_t GetRuleFlags() const { return m_rules; }
    void SetRuleFlags(uint8_t flags) { m_rules = flags; }
    bool IsSelectable() const { return (m_rules & clsCellRule::kSelectable) != 0; }
    // Option flags 0-7; what they mean is the cell value engine's.
    bool GetOptionFlag(int flag) const;
    void SetOptionFlag(int flag, bool on);

private:
    friend class cmcCellTextParser;

    const cmcCellObj* m_parent = nullptr;
    int32_t m_category = CT_None;
    int32_t m_label = CL_None;
    int32_t m_index = 0;
    std::string m_suffix;  // text after ":" in the binding; "" for none
    int32_t m_imageIndex = -1;
    uint8_t m_layout = 0;
    uint8_t m_rules = 0;
    uint8_t m_options = 0;  // option flags 4-7 in bits 0-3
    uint32_t m_colour = kDefaultColour;
    std::optional<datCellFont> m_font;
    std::string m_popupMenu;  // "" for none
    std::string m_caption;    // "" for none
};
