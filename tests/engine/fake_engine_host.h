#pragma once

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/environ.h"
#include "base/event_manager.h"
#include "model/cell_call.h"
#include "model/channel_clipboard.h"
#include "model/choice_list.h"
#include "model/eeprom.h"
#include "model/engine_host.h"
#include "support/fake_instance_lock.h"
#include "support/fake_screen.h"
#include "support/memory_settings_store.h"

// Selection sheets written as a test wants them: each sheet a list of lines of (label, index,
// text) cells.
class FakeChoiceSource : public clsChoiceSource {
public:
    struct Cell {
        int32_t label;
        int32_t index;
        std::string text;
    };
    using Sheet = std::vector<std::vector<Cell>>;

    std::vector<clsChoiceCell> Cells(const std::string& sheetKey, int32_t* lineCount) override {
        ++reads[sheetKey];
        std::vector<clsChoiceCell> cells;
        const auto found = sheets.find(sheetKey);
        *lineCount = found == sheets.end() ? 0 : static_cast<int32_t>(found->second.size());
        if (found == sheets.end()) return cells;
        for (size_t line = 0; line < found->second.size(); ++line) {
            for (size_t column = 0; column < found->second[line].size(); ++column) {
                const Cell& c = found->second[line][column];
                cells.push_back({c.label, c.index, c.text, static_cast<int32_t>(line),
                                 static_cast<int32_t>(column)});
            }
        }
        return cells;
    }

    std::map<std::string, Sheet> sheets;
    std::map<std::string, int> reads;
};

// The rest of the program as the engine sees it: a radio image, settings in memory, a real event
// manager whose events are recorded, and scripted answers to confirmations.
class FakeEngineHost : public cmcEngineHost {
public:
    struct Command {
        clsHostCommand command;
        int32_t argument;
        std::string text;
    };
    struct Window {
        std::string key;  // selection sheet, or the entry dialog's text
        int32_t label;    // selection label, or the entry dialog's mode
        int32_t value;
    };

    FakeEngineHost() : environ(store, lock, screen), choiceLists(choices) {
        image.SetSize(kImageSize);
        events.AddListener(&FakeEngineHost::Record, this);
    }

    cmcEeprom& WorkingImage() override { return image; }
    datSettings& Settings() override { return environ.Settings(); }
    cmcEvMan& Events() override { return events; }
    cmcClipCh& Clipboard() override { return clipboard; }
    cmcChoiceLists& ChoiceLists() override { return choiceLists; }
    std::string Text(const std::string& key, int32_t line) override {
        const auto found = texts.find(key);
        if (found == texts.end()) return line == 0 ? "<" + key + ">" : "#";
        return line < static_cast<int32_t>(found->second.size())
                   ? found->second[static_cast<size_t>(line)]
                   : "#";
    }
    bool Confirm(const std::string& key) override {
        confirmations.push_back(key);
        return confirmAnswer;
    }
    void RefreshAfterEdit() override { ++refreshes; }
    void RunCommand(clsHostCommand command, int32_t argument, const std::string& text) override {
        commands.push_back({command, argument, text});
    }
    bool CanPrintCurrentSheet() override { return canPrint; }
    std::string RecentDisplayName(int32_t entry) override {
        return environ.Recent().DisplayName(entry, "/home/skipper/radios");
    }
    const uint8_t* CloneInformation() override { return cloneInformation.data(); }
    void OpenSelectionList(const clsCellCall&, const std::string& sheetKey, int32_t label,
                           int32_t value) override {
        windows.push_back({sheetKey, label, value});
    }
    void OpenEntryDialog(const clsCellCall&, const std::string& text, int32_t mode) override {
        windows.push_back({text, mode, 0});
    }

    // Events of one code, in the order sent or posted.
    std::vector<cmcEvent> EventsOf(cmcEvCode code) const {
        std::vector<cmcEvent> found;
        for (const cmcEvent& e : sent) {
            if (e.code == code) found.push_back(e);
        }
        return found;
    }
    void Deliver() { events.Tick(); }

    void SetByte(int32_t address, uint8_t value) { image.SetByte(address, value); }
    uint8_t Byte(int32_t address) const { return image.GetByte(address); }
    int32_t Word(int32_t address) const {
        return image.GetByte(address) | image.GetByte(address + 1) << 8;
    }

    cmcEeprom image;
    std::set<std::string> heldLocks;
    MemorySettingsStore store;
    FakeInstanceLock lock{heldLocks};
    FakeScreen screen;
    indEnviron environ;
    cmcEvMan events;
    cmcClipCh clipboard;
    FakeChoiceSource choices;
    cmcChoiceLists choiceLists;
    std::map<std::string, std::vector<std::string>> texts;
    bool confirmAnswer = true;
    std::vector<std::string> confirmations;
    int refreshes = 0;
    std::vector<Command> commands;
    bool canPrint = true;
    std::array<uint8_t, 48> cloneInformation{};
    std::vector<Window> windows;
    std::vector<cmcEvent> sent;

private:
    static void Record(void* context, const cmcEvent& event) {
        static_cast<FakeEngineHost*>(context)->sent.push_back(event);
    }
};
