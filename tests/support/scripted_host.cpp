#include "support/scripted_host.h"

cmcMessageAnswer ScriptedHost::ShowMessage(const std::string& caption, const std::string& text,
                                           cmcMessageIcon icon, cmcMessageButtons buttons) {
    messages.push_back({caption, text, icon, buttons});
    if (buttons == cmcMessageButtons::Ok) return cmcMessageAnswer::Ok;
    if (answers.empty()) {
        ++unscripted;
        return cmcMessageAnswer::Cancel;
    }
    const cmcMessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedHost::AskOpenPath(const datFileDialog& dialog) {
    openDialogs.push_back(dialog);
    if (openPaths.empty()) return "";
    std::string path = openPaths.front();
    openPaths.pop_front();
    return path;
}

std::string ScriptedHost::AskSavePath(const datFileDialog& dialog) {
    saveDialogs.push_back(dialog);
    if (savePaths.empty()) return "";
    std::string path = savePaths.front();
    savePaths.pop_front();
    return path;
}

void ScriptedHost::ShowProgress() {
    ++progressShown;
    progressOpen = true;
}

void ScriptedHost::PaintProgress(int32_t filledSegments) {
    progressPaints.push_back(filledSegments);
}
