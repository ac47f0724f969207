// The folders of src/ stack in layers, each using only the layers below it. This test reads every
// quoted include under src/ and fails on one that reaches up or sideways, naming the file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

// The layers from the bottom up. The common machinery (events, tasks, time-outs, buffers, the
// settings record) sits on the platform interfaces; printing, help and the cell dialogs use the
// sheets and are used by the application. Folders of one layer stay apart from each other. Every
// qt/ folder, whichever subsystem it serves, is the Qt layer at the top. A new folder goes into
// this table.
const std::vector<std::vector<std::string>> kLayers = {
    {"platform"},
    {"base"},
    {"overlay"},
    {"model"},
    {"sheets", "clone"},
    {"print", "help", "dialogs"},
    {"app"},
    {"qt"},
};

// The folder a path written from src/ belongs to: "qt" for anything inside a qt/ folder.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find('/');
    if (slash == std::string::npos) return "";
    if (path.find("/qt/") != std::string::npos) return "qt";
    return path.substr(0, slash);
}

std::optional<size_t> LayerOf(const std::string& folder) {
    for (size_t layer = 0; layer < kLayers.size(); ++layer) {
        const std::vector<std::string>& folders = kLayers[layer];
        if (std::find(folders.begin(), folders.end(), folder) != folders.end()) return layer;
    }
    return std::nullopt;
}

// Why file (written from src/) may not include include; nothing when it may.
std::optional<std::string> Violation(const std::string& file, const std::string& include) {
    const std::string from = FolderOf(file);
    const std::string to = FolderOf(include);
    const std::optional<size_t> fromLayer = LayerOf(from);
    const std::optional<size_t> toLayer = LayerOf(to);
    if (!fromLayer) return "folder '" + from + "' of " + file + " is in no layer";
    if (!toLayer) return file + " includes \"" + include + "\" from a folder in no layer";
    if (from == to || *toLayer < *fromLayer) return std::nullopt;
    const char* direction = *toLayer == *fromLayer ? "a folder beside its own" : "a higher layer";
    return file + " includes \"" + include + "\" from " + direction + " (" + from + " -> " + to +
           ")";
}

TEST(Layers, RuleAllowsDownwardAndOwnFolderIncludesOnly) {
    struct Case {
        const char* file;
        const char* include;
        bool allowed;
    };
    const Case cases[] = {
        {"model/eeprom.cpp", "model/eeprom.h", true},
        {"model/cell_engine.cpp", "overlay/gtex.h", true},
        {"model/cell_engine.cpp", "base/event_manager.h", true},
        {"base/task.h", "platform/timer_service.h", true},
        {"app/main_controller.cpp", "sheets/sheet.h", true},
        {"sheets/qt/grid_widget.cpp", "app/main_controller.h", true},
        {"sheets/qt/grid_widget.cpp", "platform/qt/qt_text.h", true},
        {"print/printer.cpp", "sheets/sheet.h", true},
        {"model/labels_menu.cpp", "app/environ.h", false},
        {"overlay/cell_registry.cpp", "model/eeprom.h", false},
        {"platform/clock.cpp", "base/tick.h", false},
        {"sheets/sheet.cpp", "clone/comm.h", false},
        {"clone/clone_manager.cpp", "sheets/sheet.h", false},
        {"sheets/sheet.cpp", "print/printer.h", false},
        {"app/program.cpp", "platform/qt/qt_text.h", false},
        {"model/eeprom.cpp", "gui/window.h", false},
        {"gui/window.cpp", "model/eeprom.h", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!Violation(c.file, c.include).has_value(), c.allowed)
            << c.file << " " << c.include;
}

TEST(Layers, NoSourceFileIncludesUpward) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(KTV_SOURCE_DIR) / "src";
    const std::regex quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
    int files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
        ++files;
        const std::string file = fs::relative(entry.path(), root).generic_string();
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch match;
            if (!std::regex_search(line, match, quoted)) continue;
            const std::optional<std::string> violation = Violation(file, match[1]);
            if (violation) ADD_FAILURE() << *violation << " (line " << number << ")";
        }
    }
    EXPECT_GT(files, 100) << "no sources found under " << root;
}

}  // namespace
