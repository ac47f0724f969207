#include "overlay/gtex.h"

namespace {

cmcGTex* g_mainStore = nullptr;

}  // namespace

std::string GetMultiLineText(cmcGTex& store, std::string_view key) {
    std::string text;
    for (int32_t index = 0;; ++index) {
        std::string line = store.GetLine(key, index);
        if (!line.empty() && line[0] == '#') break;
        if (index > 0) text += '\n';
        text += line;
    }
    return text;
}

void SetMainGTex(cmcGTex* store) {
    g_mainStore = store;
}

cmcGTex* MainGTex() {
    return g_mainStore;
}
