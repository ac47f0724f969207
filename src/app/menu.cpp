#include "app/menu.h"

#include <cstring>

#include "app/item_lines.h"
#include "base/event_manager.h"
#include "model/cell_call.h"
#include "model/cell_request.h"
#include "overlay/cell_capsule.h"
#include "overlay/cell_registry.h"
#include "overlay/gtex.h"

namespace {

constexpr const char* kBasicCellSuffix = "_BasicCell";
constexpr const char* kBodySuffix = "_Body";
constexpr const char* kSeparatorCaption = "-";

// Parses line 0 of section's basic cell into basic.
void ParseBasicCell(cmcGTex& store, const std::string& section, cmcCellObj& basic) {
    clsSheetVariables variables{};
    const std::string text = store.GetFirstLine(section + kBasicCellSuffix);
    basic.ParseCell(text, &variables, nullptr);
}

}  // namespace

std::unique_ptr<cmcCellObj> QueryActiveCell(cmcEvMan& events) {
    const cmcEvAnswer* answer = events.Query(cmcEvCode::QueryActiveCell, 0, 0);
    if (answer == nullptr) return nullptr;
    int32_t binding[3] = {};
    if (answer->Data().size() < sizeof binding) return nullptr;
    std::memcpy(binding, answer->Data().data(), sizeof binding);
    // The cell travels as its category, label and index; a description of those alone makes it
    // again.
    const std::string description = "{(%" + std::string(CategoryName(binding[0])) + "." +
                                    std::string(LabelName(binding[1])) + "[" +
                                    std::to_string(binding[2]) + "])}";
    auto cell = std::make_unique<cmcCellObj>();
    clsSheetVariables variables{};
    cell->ParseCell(description, &variables, nullptr);
    return cell;
}

void ActivateCell(cmcCellObj& cell, cmcCellObj* activeCell) {
    indActiveCell context;
    cmcCellCapsule active;
    active.cell = activeCell;
    cmcCellCapsule capsule;
    capsule.cell = &cell;
    capsule.requestCode = clsKey::kEnter;
    if (activeCell != nullptr) capsule.ownerCapsule = &active;
    EvaluateCell(context, capsule, false);
}

cuiMenu::cuiMenu(cmcGTex& store, cmcEvMan& events, const std::string& key, cuiMenuSurface& surface)
    : m_store(store), m_events(events), m_key(key), m_surface(surface) {
    m_items[cuiMenuSurface::kMenuRoot] = clsItem{};
    m_events.AddListener(&cuiMenu::OnEvent, this);
}

cuiMenu::~cuiMenu() {
    m_events.RemoveListener(&cuiMenu::OnEvent, this);
}

void cuiMenu::SetHandler(int32_t number, clsItemHandler handler) {
    m_handlers[number] = std::move(handler);
}

void cuiMenu::Build() {
    DeleteChildren(cuiMenuSurface::kMenuRoot);
    ParseBasicCell(m_store, m_key, m_basic);
    BuildSection(cuiMenuSurface::kMenuRoot, m_key, m_basic, kOwnHandler);
}

void cuiMenu::BuildSubItems(int32_t item, const std::string& section, int32_t handler) {
    auto found = m_items.find(item);
    if (found == m_items.end()) return;
    // Event 11 comes again on every refresh of the Edit menu: the section replaces what the item
    // held, so that its items never pile up.
    DeleteChildren(item);
    auto basic = std::make_unique<cmcCellObj>();
    ParseBasicCell(m_store, section, *basic);
    found->second.subBasic = std::move(basic);
    BuildSection(item, section, *found->second.subBasic, handler);
}

void cuiMenu::ClearSubItems(int32_t item) {
    if (m_items.count(item) != 0) DeleteChildren(item);
}

void cuiMenu::BuildSection(int32_t item, const std::string& section, const cmcCellObj& basic,
                           int32_t handler) {
    BuildItemTree(ReadItemLines(m_store, section + kBodySuffix), item,
                  [&](int32_t parent, const datItemLine& line) {
                      return MakeItem(parent, line.description, basic, handler);
                  });
}

int32_t cuiMenu::MakeItem(int32_t parent, const std::string& description, const cmcCellObj& basic,
                          int32_t handler) {
    clsItem item;
    item.parent = parent;
    item.handler = handler;
    item.cell = std::make_unique<cmcCellObj>();
    clsSheetVariables variables{};
    item.cell->ParseCell(description, &variables, &basic);
    item.caption = item.cell->GetCaption();
    item.imageIndex = item.cell->GetImageIndex();

    datMenuItemLook look;
    look.caption = item.caption;
    look.separator = item.caption == kSeparatorCaption;
    look.shortcut = item.cell->GetSuffix();
    look.imageIndex = item.imageIndex;

    const int32_t id = m_nextItem++;
    m_items[id] = std::move(item);
    m_items[parent].children.push_back(id);
    m_surface.AddItem(parent, id, look);
    return id;
}

void cuiMenu::DeleteChildren(int32_t item) {
    clsItem& parent = m_items[item];
    const std::vector<int32_t> children = std::move(parent.children);
    parent.children.clear();
    for (const int32_t child : children) {
        m_surface.DeleteItem(child);
        ForgetItem(child);
    }
    parent.subBasic.reset();
}

void cuiMenu::ForgetItem(int32_t item) {
    for (const int32_t child : m_items[item].children)
        ForgetItem(child);
    m_items.erase(item);
}

void cuiMenu::Refresh() {
    int32_t lastHandler = -1;
    std::unique_ptr<cmcCellObj> activeCell;
    // The items may change while they refresh (an answer can post new sub-items): walk a copy.
    const std::vector<int32_t> top = m_items[cuiMenuSurface::kMenuRoot].children;
    RefreshItems(top, lastHandler, activeCell);
}

void cuiMenu::RefreshItems(const std::vector<int32_t>& items, int32_t& lastHandler,
                           std::unique_ptr<cmcCellObj>& activeCell) {
    for (const int32_t id : items) {
        auto found = m_items.find(id);
        if (found == m_items.end()) continue;
        clsItem& item = found->second;
        if (!item.cell) {
            m_surface.SetItemState(id, false, true, true);
            continue;
        }
        // Items of another owner act on the cell that owner names active.
        if (item.handler != lastHandler) {
            activeCell = QueryActiveCell(m_events);
            lastHandler = item.handler;
        }
        cmcCellObj& cell = *item.cell;
        cell.SetRuleFlags(static_cast<uint8_t>(cell.GetRuleFlags() & ~clsItemState::kAll));
        indActiveCell context;
        cmcCellCapsule active;
        active.cell = activeCell.get();
        cmcCellCapsule capsule;
        capsule.cell = &cell;
        if (activeCell) capsule.ownerCapsule = &active;
        EvaluateCell(context, capsule, false);

        const uint8_t state = cell.GetRuleFlags();
        m_surface.SetItemState(id, (state & clsItemState::kChecked) != 0,
                               (state & clsItemState::kHidden) == 0,
                               (state & clsItemState::kDisabled) == 0);
        if ((state & clsItemState::kCaptionReplaced) && cell.GetCaption() != item.caption) {
            item.caption = cell.GetCaption();
            m_surface.SetItemCaption(id, item.caption);
        }
        if (cell.GetImageIndex() != item.imageIndex) {
            item.imageIndex = cell.GetImageIndex();
            m_surface.SetItemImage(id, item.imageIndex);
        }
        const std::vector<int32_t> children = item.children;
        RefreshItems(children, lastHandler, activeCell);
    }
}

int32_t cuiMenu::FindByLabel(int32_t label) const {
    return FindIn(m_items.at(cuiMenuSurface::kMenuRoot).children, label);
}

int32_t cuiMenu::FindIn(const std::vector<int32_t>& items, int32_t label) const {
    for (const int32_t id : items) {
        const clsItem& item = m_items.at(id);
        if (item.cell && item.cell->GetLabel() == label) return id;
        const int32_t below = FindIn(item.children, label);
        if (below >= 0) return below;
    }
    return -1;
}

void cuiMenu::Click(int32_t item) {
    auto found = m_items.find(item);
    if (found == m_items.end() || !found->second.cell) return;
    // The item may go while its command runs (a refresh rebuilds the Edit menu): work on a copy.
    cmcCellObj cell;
    cell.CopyFrom(*found->second.cell);
    auto handler = m_handlers.find(found->second.handler);
    if (handler != m_handlers.end() && handler->second) {
        handler->second(cell);
    } else {
        const std::unique_ptr<cmcCellObj> activeCell = QueryActiveCell(m_events);
        ActivateCell(cell, activeCell.get());
    }
    Refresh();
}

const cmcCellObj* cuiMenu::CellOf(int32_t item) const {
    auto found = m_items.find(item);
    return found == m_items.end() ? nullptr : found->second.cell.get();
}

std::vector<int32_t> cuiMenu::SubItems(int32_t item) const {
    auto found = m_items.find(item);
    return found == m_items.end() ? std::vector<int32_t>{} : found->second.children;
}

std::string cuiMenu::CaptionOf(int32_t item) const {
    auto found = m_items.find(item);
    return found == m_items.end() ? std::string() : found->second.caption;
}

void cuiMenu::OnEvent(void* context, const cmcEvent& event) {
    static_cast<cuiMenu*>(context)->HandleEvent(event);
}

void cuiMenu::HandleEvent(const cmcEvent& event) {
    switch (event.code) {
        case cmcEvCode::RefreshMenus:
            Refresh();
            break;
        case cmcEvCode::MenuClearItems: {
            const int32_t item = FindByLabel(event.second);
            if (item >= 0) ClearSubItems(item);
            break;
        }
        case cmcEvCode::MenuSetItems: {
            const int32_t item = FindByLabel(event.second);
            if (item >= 0) BuildSubItems(item, event.Text(), event.first);
            break;
        }
        default:
            break;
    }
}
