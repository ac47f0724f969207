#pragma once

#include <QSettings>
#include <QString>
#include <string>

#include "platform/settings_store.h"

// The settings store over QSettings in the platform's native place for organisation and
// application: on Windows the registry key "Software\<organisation>\<application>" of the current
// user, elsewhere the per-user configuration file. Key paths are the registry's, so they must lie
// at or below that root; the rest of the path becomes QSettings groups.
//
// The registry keeps integers and texts apart. A configuration file holds only text, so there an
// integer is any decimal text in range and any value reads as a text. A file that Qt cannot parse
// reads as holding nothing of the right type, so that the program starts with its defaults; the
// next save writes a clean file. Texts are single-byte (Latin-1) and come back byte for byte.
class cmcQSettingsStore : public cmcSettingsStore {
public:
    explicit cmcQSettingsStore(const std::string& organisation = "Orva",
                               const std::string& application = "KT-V818X");

    bool HasKey(const std::string& keyPath) const override;
    cmcStoreRead ReadInt(const std::string& keyPath, const std::string& name,
                         int32_t& value) const override;
    cmcStoreRead ReadString(const std::string& keyPath, const std::string& name,
                            std::string& value) const override;
    bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) override;
    bool WriteString(const std::string& keyPath, const std::string& name,
                     const std::string& value) override;
    bool DeleteKey(const std::string& keyPath) override;
    bool Flush() override;

    // Where the settings live: the configuration file, or the registry path on Windows.
    QString Location() const { return m_settings.fileName(); }

private:
    // The QSettings group of a key path, or false when the path lies outside the root.
    bool GroupOf(const std::string& keyPath, QString& group) const;
    bool KeyOf(const std::string& keyPath, const std::string& name, QString& key) const;

    std::string m_root;
    mutable QSettings m_settings;  // reading a group's children needs beginGroup
    bool m_unreadable;
};
