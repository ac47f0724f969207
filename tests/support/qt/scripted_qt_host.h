#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/qt/desktop_host.h"
#include "support/test_paths.h"

// The Qt desktop with its boxes and file dialogs answered from a script, as ScriptedHost does,
// and the user's folders in a temporary folder. Everything else (the window's place, the work
// area, the cursor) is the real Qt host's.
class ScriptedQtHost : public cuiQtHost {
public:
    struct Message {
        std::string caption;
        std::string text;
        cmcMessageIcon icon;
        cmcMessageButtons buttons;
    };

    std::deque<cmcMessageAnswer> answers;  // unscripted questions answer Cancel, OK boxes OK
    std::deque<std::string> openPaths;     // "" cancels
    std::deque<std::string> savePaths;
    std::vector<Message> messages;
    std::vector<datFileDialog> openDialogs;
    std::vector<datFileDialog> saveDialogs;
    TempFolder documents;

    cmcMessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                                 cmcMessageIcon icon, cmcMessageButtons buttons) override {
        messages.push_back({caption, text, icon, buttons});
        if (buttons == cmcMessageButtons::Ok) return cmcMessageAnswer::Ok;
        if (answers.empty()) return cmcMessageAnswer::Cancel;
        const cmcMessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string AskOpenPath(const datFileDialog& dialog) override {
        openDialogs.push_back(dialog);
        return Next(openPaths);
    }
    std::string AskSavePath(const datFileDialog& dialog) override {
        saveDialogs.push_back(dialog);
        return Next(savePaths);
    }
    std::string DocumentsFolder() override { return documents.path().string(); }
    std::string CurrentDirectory() override { return documents.path().string(); }

private:
    static std::string Next(std::deque<std::string>& paths) {
        if (paths.empty()) return {};
        std::string path = paths.front();
        paths.pop_front();
        return path;
    }
};
