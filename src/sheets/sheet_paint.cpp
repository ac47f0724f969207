#include <algorithm>

#include "model/cell_call.h"
#include "platform/text_measure.h"
#include "sheets/sheet.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kPrintedColourCell = 0x606060;
constexpr uint32_t kScreenRule = 0x808080;
constexpr uint32_t kSilver = 0xC0C0C0;
constexpr int32_t kTextInset = 4;  // pixels left and right of the text, scaled when printing
constexpr int32_t kTextRise = 1;   // pixels above and below the text

// (weight * a + b + round) / (weight + 1) per channel.
uint32_t Blend(uint32_t a, uint32_t b, uint32_t weight, uint32_t round) {
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t ca = (a >> shift) & 0xFF;
        const uint32_t cb = (b >> shift) & 0xFF;
        out |= ((weight * ca + cb + round) / (weight + 1)) << shift;
    }
    return out;
}

}  // namespace

uint32_t clsSystemColours::Resolve(uint32_t colour) const {
    if ((colour & kSystemColourFlag) == 0) return colour & 0xFFFFFF;
    switch (colour) {
        case kClWindow:
            return window;
        case kClWindowText:
            return windowText;
        case kClHighlight:
            return highlight;
        case kClHighlightText:
            return highlightText;
        case kClBtnFace:
            return buttonFace;
        case kClGrayText:
            return greyText;
        default:
            return windowText;
    }
}

void cuiSheet::SetSystemColours(const clsSystemColours& colours) {
    m_system = colours;
    ComputeTints();
}

void cuiSheet::ComputeTints() {
    m_selectionTint = Blend(m_system.window, m_system.windowText, 3, 2);
    m_rowTint = Blend(m_system.window, m_system.windowText, 7, 4);
}

bool cuiSheet::CountsAsSelected(int32_t col, int32_t row) const {
    if (IsSelected(col, row)) return true;
    if (col == m_grid.Col() && row == m_grid.Row()) return true;
    if (row != m_grid.Row()) return false;
    // A "T" cell on the current row goes with the selectable cell it follows.
    auto cell = [this, row](int32_t c) -> const cmcCellObj& {
        return m_slots[static_cast<size_t>(row) * static_cast<size_t>(m_cols) +
                       static_cast<size_t>(c)]
            .cell;
    };
    int32_t c = col;
    while (c > 0 && (cell(c).GetRuleFlags() & clsCellRule::kFollowsLeft)) {
        --c;
        if (cell(c).IsSelectable()) return c != col;
    }
    return false;
}

clsCellPaint cuiSheet::Paint(int32_t col, int32_t row) {
    clsCellPaint paint;
    if (m_building || !m_built) return paint;
    clsSheetCellId& own = Slot(col, row);
    if (m_grid.ColWidth(col) == 0 || m_grid.RowHeight(row) == 0) return paint;
    paint.draw = true;

    // A run of continuing cells shows the content of the cell it starts from over its whole width.
    int32_t first = col;
    while (first > 0 && (Cell(first, row).GetLayoutFlags() & clsCellLayout::kContinues))
        --first;
    int32_t last = col;
    while (last + 1 < m_cols && (Cell(last + 1, row).GetLayoutFlags() & clsCellLayout::kContinues))
        ++last;
    const clsCellRect rect = m_grid.CellRect(col, row);
    paint.area = rect;
    paint.area.left = rect.left;
    for (int32_t c = col - 1; c >= first; --c)
        paint.area.left -= m_grid.ColWidth(c);
    for (int32_t c = col + 1; c <= last; ++c)
        paint.area.right += m_grid.ColWidth(c);
    cmcCellObj& cell = Cell(first, row);

    const bool editing = m_grid.IsEditorShown() && first == m_editorCol && row == m_editorRow;
    const bool selected = !editing && CountsAsSelected(first, row);
    const uint32_t colour = m_system.Resolve(cell.GetColour());
    const bool plain = colour == m_system.window || colour == kWhite;
    bool onHighlight = false;
    bool onTint = false;
    if (m_printing) {
        paint.background = plain ? kWhite : kPrintedColourCell;
        paint.fill = !plain;
    } else if (!selected) {
        paint.background = colour;
        if (HasFlag(kColorSelectLine) && row == m_grid.Row() && col >= m_fixedCols &&
            !IsSelectionList()) {
            paint.background = m_rowTint;
        }
    } else if (m_grid.HasFocus() || IsSelectionList()) {
        paint.background = m_system.highlight;
        onHighlight = true;
    } else {
        paint.background = m_selectionTint;
        onTint = true;
    }

    const uint8_t layout = own.cell.GetLayoutFlags();
    const uint8_t rules = own.cell.GetRuleFlags();
    const bool rightContinues =
        col + 1 < m_cols && (Cell(col + 1, row).GetLayoutFlags() & clsCellLayout::kContinues);
    paint.bottomRule = (layout & clsCellLayout::kBottomRule) != 0;
    if (!rightContinues) {
        const uint8_t right = rules & clsCellRule::kRightRuleMask;
        paint.rightRuleArea = {rect.right - 1, rect.top, rect.right, rect.bottom};
        if (right == clsCellRule::kRightRuleFull) {
            paint.rightRule = clsCellPaint::Rule::Full;
        } else if (right == clsCellRule::kRightRuleLower) {
            paint.rightRule = clsCellPaint::Rule::Lower;
            paint.rightRuleArea.top = rect.top + (rect.bottom - rect.top) * 7 / 10;
        }
    }
    paint.ruleColour = m_printing ? (plain ? kBlack : kWhite) : (plain ? kScreenRule : kWhite);

    paint.font = cell.GetFont()      ? *cell.GetFont()
                 : m_basic.GetFont() ? *m_basic.GetFont()
                                     : datCellFont();
    std::string text = cell.GetCaption();
    uint8_t marks = 0;
    int32_t markPosition = 0;
    std::optional<uint32_t> engineColour;
    if (cell.GetLabel() != CL_None) {
        const clsCellRect area = paint.area;
        cmcCellCapsule capsule;
        capsule.cell = &cell;
        capsule.painting = true;
        capsule.rectangle = &area;
        capsule.imageList = m_imageList;
        capsule.ownerCapsule = m_ownerCapsule.get();
        capsule.sheet = this;
        if (selected) capsule.stateFlags |= clsCellState::kCurrent;
        if (m_printing) capsule.stateFlags |= clsCellState::kPrinting;
        m_engine(m_context, capsule, false);
        text = capsule.displayText;
        marks = capsule.stateFlags & (clsCellState::kWarning | clsCellState::kError);
        markPosition = capsule.markPosition;
        engineColour = capsule.fontColour;
        paint.decoration = capsule.decoration;
    }
    uint32_t textColour = m_system.Resolve(engineColour.value_or(paint.font.colour));
    if (m_printing && !plain) {
        textColour = kWhite;
    } else if (onHighlight) {
        textColour = m_system.highlightText;
    } else if (onTint && (textColour == m_system.buttonFace || textColour == m_selectionTint ||
                          textColour == kSilver || textColour == m_system.greyText)) {
        textColour = m_system.window;
    }
    paint.textColour = textColour;

    // Text lines, placed by the cell's alignment; never left of the cell.
    std::vector<std::pair<std::string, cmcTextSize>> lines;
    int32_t textHeight = 0;
    for (size_t start = 0;;) {
        const size_t brk = text.find('\n', start);
        std::string line = text.substr(start, brk == std::string::npos ? brk : brk - start);
        const cmcTextSize size = m_measure.Measure(paint.font, line);
        textHeight += size.height;
        lines.emplace_back(std::move(line), size);
        if (brk == std::string::npos) break;
        start = brk + 1;
    }
    const clsCellRect& area = paint.area;
    const uint8_t vertical = cell.GetLayoutFlags() & clsCellLayout::kVAlignMask;
    const uint8_t horizontal = cell.GetLayoutFlags() & clsCellLayout::kAlignMask;
    int32_t y = static_cast<int32_t>(area.top + kTextRise * m_scale + 0.5);
    if (vertical == clsCellLayout::kVAlignCentre) {
        y = area.top + (area.bottom - area.top - textHeight) / 2;
    } else if (vertical == clsCellLayout::kVAlignBottom) {
        y = static_cast<int32_t>(area.bottom - kTextRise * m_scale - 1 + 0.5) - textHeight;
    }
    int32_t textRight = area.left;
    for (auto& [line, size] : lines) {
        int32_t x = static_cast<int32_t>(area.left + kTextInset * m_scale + 0.5);
        if (horizontal == clsCellLayout::kAlignCentre) {
            x = area.left + (area.right - area.left - size.width) / 2;
        } else if (horizontal == clsCellLayout::kAlignRight) {
            x = static_cast<int32_t>(area.right - kTextInset * m_scale + 0.5) - size.width;
        }
        x = std::max(x, area.left);
        clsCellPaint::TextLine placed;
        placed.x = x;
        placed.y = y;
        placed.clipped = x + size.width > area.right || y + size.height > area.bottom;
        placed.text = std::move(line);
        textRight = std::max(textRight, x + size.width);
        paint.lines.push_back(std::move(placed));
        y += size.height;
    }

    if (marks != 0 && (m_imageList != nullptr || m_printing)) {
        paint.mark = (marks & clsCellState::kError) ? clsCellPaint::Mark::Error
                                                    : clsCellPaint::Mark::Warning;
        paint.markSize = m_printing ? (area.bottom - area.top) / 2 : m_imageHeight;
        const int32_t size = paint.markSize;
        if (markPosition == 0)
            markPosition = horizontal == clsCellLayout::kAlignRight ? 1 : kMarkAfterText;
        if (markPosition == 1) {
            paint.markX = area.left + size / 8;
        } else if (markPosition == 2) {
            paint.markX = area.right - size - 1;
        } else {
            paint.markX = std::min(textRight, area.right - size - 1);
        }
        paint.markY = area.bottom - 1 - size;
    }
    paint.repaintRight =
        col + 1 < m_cols && (Cell(col + 1, row).GetRuleFlags() & clsCellRule::kFollowsLeft);
    return paint;
}
