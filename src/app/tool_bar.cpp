#include "app/tool_bar.h"

#include "app/menu.h"
#include "base/event_manager.h"
#include "model/cell_call.h"
#include "model/cell_request.h"
#include "overlay/cell_capsule.h"
#include "overlay/gtex.h"

namespace {
constexpr const char* kGapText = "-";
constexpr const char* kRowBreakText = "/";
}  // namespace

cuiToolBar::cuiToolBar(cmcGTex& store, cmcEvMan& events, const std::string& key,
                       cuiToolBarSurface& surface)
    : m_store(store), m_events(events), m_key(key), m_surface(surface) {
    m_events.AddListener(&cuiToolBar::OnEvent, this);
}

cuiToolBar::~cuiToolBar() {
    m_events.RemoveListener(&cuiToolBar::OnEvent, this);
}

void cuiToolBar::Build() {
    m_cells.clear();
    clsSheetVariables variables{};
    m_basic.ParseCell(m_store.GetFirstLine(m_key + "_BasicCell"), &variables, nullptr);
    const std::string body = m_key + "_Body";
    for (int32_t line = 0;; ++line) {
        const std::string text = m_store.GetLine(body, line);
        if (!text.empty() && text[0] == '#') break;
        auto cell = std::make_unique<cmcCellObj>();
        cell->ParseCell(text, &variables, &m_basic);
        const std::string& caption = cell->GetCaption();
        if (caption == kGapText) {
            m_surface.AddSeparator(kSeparatorWidth);
            cell.reset();
        } else if (caption == kRowBreakText) {
            m_surface.AddRowBreak();
            cell.reset();
        } else {
            m_surface.AddButton(line, cell->GetImageIndex(), caption);
        }
        m_cells.push_back(std::move(cell));
    }
}

void cuiToolBar::Refresh() {
    for (size_t button = 0; button < m_cells.size(); ++button) {
        cmcCellObj* cell = m_cells[button].get();
        if (cell == nullptr) continue;
        cell->SetRuleFlags(static_cast<uint8_t>(cell->GetRuleFlags() & ~clsItemState::kAll));
        RunCellRequest(*cell, clsKey::kNone);
        const uint8_t state = cell->GetRuleFlags();
        m_surface.SetButtonState(static_cast<int32_t>(button),
                                 (state & clsItemState::kChecked) != 0,
                                 (state & clsItemState::kDisabled) == 0, cell->GetImageIndex());
    }
}

void cuiToolBar::Click(int32_t button) {
    if (CellOf(button) == nullptr) return;
    cmcCellObj cell;
    cell.CopyFrom(*m_cells[static_cast<size_t>(button)]);
    ActivateCell(cell, nullptr);
}

const cmcCellObj* cuiToolBar::CellOf(int32_t button) const {
    if (button < 0 || button >= static_cast<int32_t>(m_cells.size())) return nullptr;
    return m_cells[static_cast<size_t>(button)].get();
}

void cuiToolBar::OnEvent(void* context, const cmcEvent& event) {
    if (event.code == cmcEvCode::RefreshToolbar) static_cast<cuiToolBar*>(context)->Refresh();
}
