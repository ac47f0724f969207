#pragma once

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/environ.h"
#include "base/event_manager.h"
#include "model/channel_clipboard.h"
#include "model/choice_list.h"
#include "model/eeprom.h"
#include "model/engine_host.h"
#include "model/overlay_choice_source.h"
#include "overlay/gtex.h"
#include "sheets/radio_sheet.h"
#include "sheets/sheet.h"
#include "support/fake_grid.h"
#include "support/fake_instance_lock.h"
#include "support/fake_screen.h"
#include "support/fake_text_measure.h"
#include "support/memory_settings_store.h"

// Remembers the popup menus a sheet builds and removes.
class RecordingPopupBuilder : public cuiPopupMenuBuilder {
public:
    void Build(const std::string& key) override { built.push_back(key); }
    void Remove() override { ++removed; }
    std::vector<std::string> built;
    int removed = 0;
};

class RecordingSheetHost : public cuiSheetHost {
public:
    void HideHost() override { ++hidden; }
    int hidden = 0;
};

// A small overlay of test sheets and the rest of the program around it, as the sheets and the
// cell value engine see it: a zeroed image, settings in memory, an event manager ticked by hand.
// While it exists its store is the main store and it is the engine's host.
class SheetFixture : public cmcEngineHost {
public:
    // sections: overlay lines ("#Key", its lines, "#") added to the fixture's cell models.
    explicit SheetFixture(const std::vector<std::string>& sections);
    ~SheetFixture() override;

    // A page sheet of key on the fixture's grid, built.
    std::unique_ptr<iuiSheet> Page(const std::string& key, clsRadioSheetState state = {});
    clsSheetServices Services();

    cmcEeprom& WorkingImage() override { return image; }
    datSettings& Settings() override { return environ.Settings(); }
    cmcEvMan& Events() override { return events; }
    cmcClipCh& Clipboard() override { return clipboard; }
    cmcChoiceLists& ChoiceLists() override { return choiceLists; }
    std::string Text(const std::string& key, int32_t line) override {
        return store.GetLine(key, line);
    }
    bool Confirm(const std::string&) override { return false; }
    void RefreshAfterEdit() override {}
    void RunCommand(clsHostCommand, int32_t, const std::string&) override {}
    bool CanPrintCurrentSheet() override { return true; }
    std::string RecentDisplayName(int32_t entry) override {
        return environ.Recent().DisplayName(entry, "/home/skipper");
    }
    const uint8_t* CloneInformation() override { return cloneInformation.data(); }
    void OpenSelectionList(const clsCellCall&, const std::string& key, int32_t, int32_t) override {
        openedLists.push_back(key);
    }
    void OpenEntryDialog(const clsCellCall&, const std::string&, int32_t) override {}

    std::vector<std::string> lines;  // the store reads them in place
    cmcGTex store;
    cmcEeprom image;
    std::set<std::string> heldLocks;
    MemorySettingsStore settings;
    FakeInstanceLock lock{heldLocks};
    FakeScreen screen;
    indEnviron environ;
    cmcEvMan events;
    cmcClipCh clipboard;
    cmcOverlayChoiceSource choiceSource{store};
    cmcChoiceLists choiceLists{choiceSource};
    std::array<uint8_t, 48> cloneInformation{};
    std::vector<std::string> openedLists;
    FakeGrid grid;
    FakeTextMeasure measure;
    RecordingPopupBuilder popups;
    RecordingSheetHost host;
};

// A row line of one cell per byte of mask: "S" a selectable cell, "." a hole; each cell's column is
// one character (7 pixels) plus 8 wide.
std::string SelectableRow(const std::string& mask);
