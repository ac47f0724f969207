#pragma once

#include <cstdint>
#include <string>

#include "app/recent.h"
#include "base/settings.h"
#include "sheets/column_width_store.h"

class cmcInstanceLock;
class cmcScreen;
class cmcSettingsStore;

// The environment settings: the single-instance lock and the per-user settings with the recent-file
// list. The settings are read from the store once, when the first instance starts, and written back
// once, when it ends; in between every part of the program reads and changes them in memory. A
// second instance reads nothing and writes nothing.
class indEnviron : public cuiColumnWidthStore {
public:
    static constexpr int32_t kStamp = 753951;  // any other stamp read makes every setting default
    static constexpr const char* kMutexName = "Orva KT-V818X APP Exclusive Mutex";
    static constexpr const char* kRegistryRoot = "Software\\Orva\\KT-V818X";

    // Takes the lock; in the first instance loads the settings (the defaults on any read failure).
    // The store, the lock and the screen must outlive this object.
    indEnviron(cmcSettingsStore& store, cmcInstanceLock& lock, const cmcScreen& screen,
               const std::string& mutexName = kMutexName,
               const std::string& registryRoot = kRegistryRoot);
    // In the first instance saves the settings, then gives the lock back.
    ~indEnviron() override;
    indEnviron(const indEnviron&) = delete;
    indEnviron& operator=(const indEnviron&) = delete;

    bool IsFirstInstance() const { return m_firstInstance; }

    datSettings& Settings() { return m_settings; }
    const datSettings& Settings() const { return m_settings; }
    cmcRecent& Recent() { return m_recent; }
    const cmcRecent& Recent() const { return m_recent; }

    // Reads every setting; when anything is missing or of the wrong type, all take their defaults.
    void Load();
    // Every setting its default, the stamp set, the recent list emptied; the window from the
    // screen size of this moment.
    void SetDefaults();
    // Writes every setting; a failed write skips the rest.
    void Save();

    // The sheets' column widths, each stored under its own key (ColumnWidthKey).
    std::string ColumnWidthKey(const std::string& name) const;
    int32_t ReadRegistryInt(const std::string& keyPath, const std::string& name) const;  // -1: none
    void WriteRegistryInt(const std::string& keyPath, int32_t value, const std::string& name);
    void DeleteRegistryKey(const std::string& keyPath, const std::string& subKey);
    int32_t ReadColumnWidth(const std::string& sheetName, int32_t column) const override;
    void WriteColumnWidth(const std::string& sheetName, int32_t column, int32_t width) override;
    void DeleteColumnWidths(const std::string& sheetName) override;

private:
    bool LoadAll();
    bool SaveAll();
    std::string KeyPath(const std::string& name) const;

    cmcSettingsStore& m_store;
    cmcInstanceLock& m_lock;
    const cmcScreen& m_screen;
    cmcRecent m_recent;
    datSettings m_settings;
    std::string m_registryRoot;
    bool m_firstInstance = false;
};
