#pragma once

#include <array>
#include <cstdint>
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
#include "overlay/cell_obj.h"
#include "overlay/gtex.h"
#include "support/fake_instance_lock.h"
#include "support/fake_screen.h"
#include "support/memory_settings_store.h"

// The overlay files the program ships, read as the program reads them. While one exists it is
// the process's main store, so that cell models resolve against it.
class clsShippedOverlay {
public:
    clsShippedOverlay();
    ~clsShippedOverlay();
    clsShippedOverlay(const clsShippedOverlay&) = delete;
    clsShippedOverlay& operator=(const clsShippedOverlay&) = delete;

    // The lines of a section up to the first line that begins with "#".
    std::vector<std::string> Lines(const std::string& key);
    // Every cell of a row line, parsed with parent (none for a list's cells).
    std::vector<cmcCellObj> ParseRow(const std::string& row, const cmcCellObj* parent,
                                     clsSheetVariables& variables);
    // The cell of a menu or tree item line: the text after its first "+".
    cmcCellObj ParseItem(const std::string& line, const cmcCellObj& parent);
    // The sheet names of the page tree's nodes, in tree order.
    std::vector<std::string> TreeSheets();
    // The sheet names of the nodes the page tree shows, maker mode off, for a document of the
    // model type: the USA, Canada and weather banks only while the image switches them on, the
    // ATIS page only for the European types, the handheld page only for handhelds.
    std::vector<std::string> ShownSheets(int32_t modelType, const cmcEeprom& image);

    cmcGTex store;
    cmcHelpGTex help;
};

// The rest of the program as the cell value engine sees it, around one initial image and the
// shipped overlay. Install makes it the engine's host until the object goes.
class clsShippedHost : public cmcEngineHost {
public:
    explicit clsShippedHost(clsShippedOverlay& overlay);
    ~clsShippedHost() override;

    // Loads the initial image of the model type and makes it the current one; false on failure.
    bool LoadInitialImage(int32_t modelType);

    cmcEeprom& WorkingImage() override { return m_image; }
    datSettings& Settings() override { return m_environ.Settings(); }
    // The settings object behind Settings, with the stored column widths.
    indEnviron& Environ() { return m_environ; }
    cmcEvMan& Events() override { return m_events; }
    cmcClipCh& Clipboard() override { return m_clipboard; }
    cmcChoiceLists& ChoiceLists() override { return m_choiceLists; }
    std::string Text(const std::string& key, int32_t line) override;
    bool Confirm(const std::string&) override { return false; }
    void RefreshAfterEdit() override {}
    void RunCommand(clsHostCommand, int32_t, const std::string&) override {}
    bool CanPrintCurrentSheet() override { return true; }
    std::string RecentDisplayName(int32_t entry) override {
        return m_environ.Recent().DisplayName(entry, "/home/skipper");
    }
    const uint8_t* CloneInformation() override { return m_cloneInformation.data(); }
    void OpenSelectionList(const clsCellCall&, const std::string&, int32_t, int32_t) override {}
    void OpenEntryDialog(const clsCellCall&, const std::string&, int32_t) override {}

private:
    clsShippedOverlay& m_overlay;
    cmcEeprom m_image;
    std::set<std::string> m_heldLocks;
    MemorySettingsStore m_store;
    FakeInstanceLock m_lock{m_heldLocks};
    FakeScreen m_screen;
    indEnviron m_environ;
    cmcEvMan m_events;
    cmcClipCh m_clipboard;
    cmcOverlayChoiceSource m_choiceSource;
    cmcChoiceLists m_choiceLists;
    std::array<uint8_t, 48> m_cloneInformation{};
};

constexpr int32_t kModelTypeCount = 16;
