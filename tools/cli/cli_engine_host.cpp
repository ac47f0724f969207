#include "cli_engine_host.h"

#include "model/cell_call.h"
#include "model/cell_request.h"

cuiCliEngineHost::cuiCliEngineHost(cmcEngineHost& inner) : m_inner(inner) {
    SetEngineHost(this);
}

cuiCliEngineHost::~cuiCliEngineHost() {
    SetEngineHost(&m_inner);
}

std::optional<cuiCliEngineHost::Window> cuiCliEngineHost::TakeWindow() {
    std::optional<Window> window = std::move(m_window);
    m_window.reset();
    return window;
}

void cuiCliEngineHost::OpenSelectionList(const clsCellCall& call, const std::string& sheetKey,
                                         int32_t label, int32_t) {
    if (call.capsule == nullptr) return;
    m_window = Window{true, *call.capsule, sheetKey, label, "", 0};
}

void cuiCliEngineHost::OpenEntryDialog(const clsCellCall& call, const std::string& text,
                                       int32_t mode) {
    if (call.capsule == nullptr) return;
    m_window = Window{false, *call.capsule, "", 0, text, mode};
}
