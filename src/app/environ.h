#pragma once

#include <cstdint>
#include <string>

#include "app/recent.h"

class cmcInstanceLock;
class cmcScreen;
class cmcSettingsStore;

// The per-user settings in memory. The member defaults are the program's defaults; the window
// rectangle's come from the screen size (indEnviron::SetDefaults).
struct datSettings {
    int32_t stamp = 0;
    int32_t fontSizePercentage = 100;  // sheet font size, 25 ... 1000
    int32_t toolbarVisible = 1;        // 0 or 1
    int32_t fontSizePrinter = 10;      // 8 ... 12
    int32_t comPort = 1;               // 1 ... 256
    int32_t comSpeedHigh = 0;          // 0 or 1: clone at the high speed
    std::string currentDirectory;      // empty: the documents folder
    int32_t left = 0;                  // normal rectangle of the main window
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t splitterV = 200;  // width of the tree panel in pixels
    int32_t modelType = 0;    // taken as read; start-up replaces a value outside 0 ... 15
    int32_t chListType = 0;   // 0: channel sheets list every channel, 1: only the usable ones
    // The safety of clone writes, and how many automatic backups are kept for how long.
    int32_t reviewBeforeWrite = 1;  // 0 or 1: read the radio and show the changes first
    int32_t verifyAfterWrite = 1;   // 0 or 1: read the written memory back and compare
    int32_t backupMaxFiles = 200;   // 1 ... 100000
    int32_t backupMaxDays = 365;    // 1 ... 36500
};

// The environment settings: the single-instance lock and the per-user settings with the recent-file
// list. The settings are read from the store once, when the first instance starts, and written back
// once, when it ends; in between every part of the program reads and changes them in memory. A
// second instance reads nothing and writes nothing.
class indEnviron {
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
    ~indEnviron();
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

private:
    bool LoadAll();
    // The settings of a key that older versions did not write: each missing or unreadable value
    // takes its default, and the others are kept.
    void LoadOptional(const std::string& path);
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
