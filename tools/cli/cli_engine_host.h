#pragma once

#include <optional>
#include <string>

#include "model/engine_host.h"
#include "overlay/cell_capsule.h"

// The main controller as the engine's host, except for the windows a cell opens: with no window
// to show, a selection list or an entry dialog the engine asks for is kept here, so that the
// command line can give the engine the value a user would have chosen or typed there.
class cuiCliEngineHost : public cmcEngineHost {
public:
    // What the engine asked to open for a cell.
    struct Window {
        bool selectionList = false;  // else the masked entry dialog
        cmcCellCapsule owner;        // a copy of the request that opened it
        std::string sheetKey;        // selection list: its sheet and sub-list key
        int32_t label = 0;
        std::string text;  // entry dialog: the value text it opens with, and its mode
        int32_t mode = 0;
    };

    // Installs itself as the engine's host in place of inner, and inner again when it goes.
    explicit cuiCliEngineHost(cmcEngineHost& inner);
    ~cuiCliEngineHost() override;
    cuiCliEngineHost(const cuiCliEngineHost&) = delete;
    cuiCliEngineHost& operator=(const cuiCliEngineHost&) = delete;

    // The window asked for since the last call, if any; asking forgets it.
    std::optional<Window> TakeWindow();

    cmcEeprom& WorkingImage() override { return m_inner.WorkingImage(); }
    datSettings& Settings() override { return m_inner.Settings(); }
    cmcEvMan& Events() override { return m_inner.Events(); }
    cmcClipCh& Clipboard() override { return m_inner.Clipboard(); }
    cmcChoiceLists& ChoiceLists() override { return m_inner.ChoiceLists(); }
    std::string Text(const std::string& key, int32_t line) override {
        return m_inner.Text(key, line);
    }
    bool Confirm(const std::string& key) override { return m_inner.Confirm(key); }
    void RefreshAfterEdit() override { m_inner.RefreshAfterEdit(); }
    void RunCommand(clsHostCommand command, int32_t argument, const std::string& text) override {
        m_inner.RunCommand(command, argument, text);
    }
    bool CanPrintCurrentSheet() override { return false; }
    std::string RecentDisplayName(int32_t entry) override {
        return m_inner.RecentDisplayName(entry);
    }
    const uint8_t* CloneInformation() override { return m_inner.CloneInformation(); }
    void OpenSelectionList(const clsCellCall& call, const std::string& sheetKey, int32_t label,
                           int32_t value) override;
    void OpenEntryDialog(const clsCellCall& call, const std::string& text, int32_t mode) override;

private:
    cmcEngineHost& m_inner;
    std::optional<Window> m_window;
};
