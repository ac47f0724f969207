#include "platform/qt/qsettings_store.h"

#include "platform/qt/qt_text.h"

#include <QMetaType>
#include <QStringList>
#include <QVariant>
#include <limits>

namespace {

// Whether the native store keeps the type of a value (the registry, property lists) or holds
// every value as text (an INI file).
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
constexpr bool kNativeKeepsTypes = true;
#else
constexpr bool kNativeKeepsTypes = false;
#endif

bool IsName(const std::string& name) {
    return !name.empty() && name.find_first_of("\\/") == std::string::npos;
}

bool FitsInt32(qint64 value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

bool IsIntegral(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return true;
        default:
            return false;
    }
}

}  // namespace

cmcQSettingsStore::cmcQSettingsStore(const std::string& organisation,
                                     const std::string& application)
    : m_root("Software\\" + organisation + "\\" + application),
      m_settings(QSettings::NativeFormat, QSettings::UserScope, FromCoreText(organisation),
                 FromCoreText(application)) {
    // Only the user's own settings count, as in the registry: no organisation-wide or system
    // files behind them.
    m_settings.setFallbacksEnabled(false);
    m_unreadable = m_settings.status() == QSettings::FormatError;
}

bool cmcQSettingsStore::GroupOf(const std::string& keyPath, QString& group) const {
    if (keyPath == m_root) {
        group.clear();
        return true;
    }
    if (!keyPath.starts_with(m_root + "\\")) return false;
    const std::string below = keyPath.substr(m_root.size() + 1);
    const QStringList names = FromCoreText(below).split(QLatin1Char('\\'));
    for (const QString& name : names)
        if (name.isEmpty() || name.contains(QLatin1Char('/'))) return false;
    group = names.join(QLatin1Char('/'));
    return true;
}

bool cmcQSettingsStore::KeyOf(const std::string& keyPath, const std::string& name,
                              QString& key) const {
    QString group;
    if (!IsName(name) || !GroupOf(keyPath, group)) return false;
    key = group.isEmpty() ? FromCoreText(name) : group + QLatin1Char('/') + FromCoreText(name);
    return true;
}

bool cmcQSettingsStore::HasKey(const std::string& keyPath) const {
    QString group;
    if (m_unreadable || !GroupOf(keyPath, group)) return false;
    m_settings.beginGroup(group);
    const bool exists = !m_settings.childKeys().isEmpty() || !m_settings.childGroups().isEmpty();
    m_settings.endGroup();
    return exists;
}

cmcStoreRead cmcQSettingsStore::ReadInt(const std::string& keyPath, const std::string& name,
                                        int32_t& value) const {
    QString key;
    if (!KeyOf(keyPath, name, key)) return cmcStoreRead::Missing;
    if (m_unreadable) return cmcStoreRead::WrongType;
    const QVariant stored = m_settings.value(key);
    if (!stored.isValid()) return cmcStoreRead::Missing;
    if (stored.typeId() == QMetaType::UInt) {
        value = static_cast<int32_t>(stored.toUInt());  // a registry integer is 32 bits wide
        return cmcStoreRead::Ok;
    }
    bool ok = false;
    qint64 number = 0;
    if (IsIntegral(stored)) {
        number = stored.toLongLong(&ok);
    } else if (!kNativeKeepsTypes && stored.typeId() == QMetaType::QString) {
        number = stored.toString().toLongLong(&ok, 10);
    }
    if (!ok || !FitsInt32(number)) return cmcStoreRead::WrongType;
    value = static_cast<int32_t>(number);
    return cmcStoreRead::Ok;
}

cmcStoreRead cmcQSettingsStore::ReadString(const std::string& keyPath, const std::string& name,
                                           std::string& value) const {
    QString key;
    if (!KeyOf(keyPath, name, key)) return cmcStoreRead::Missing;
    if (m_unreadable) return cmcStoreRead::WrongType;
    const QVariant stored = m_settings.value(key);
    if (!stored.isValid()) return cmcStoreRead::Missing;
    // In a text file a number written by this process is still held as one until it is read
    // back from the disk, where it is text like any other.
    const bool text =
        stored.typeId() == QMetaType::QString || (!kNativeKeepsTypes && IsIntegral(stored));
    if (!text) return cmcStoreRead::WrongType;
    value = ToCoreText(stored.toString());
    return cmcStoreRead::Ok;
}

bool cmcQSettingsStore::WriteInt(const std::string& keyPath, const std::string& name,
                                 int32_t value) {
    QString key;
    if (!KeyOf(keyPath, name, key)) return false;
    m_settings.setValue(key, static_cast<int>(value));
    return true;
}

bool cmcQSettingsStore::WriteString(const std::string& keyPath, const std::string& name,
                                    const std::string& value) {
    QString key;
    if (!KeyOf(keyPath, name, key)) return false;
    m_settings.setValue(key, FromCoreText(value));
    return true;
}

bool cmcQSettingsStore::DeleteKey(const std::string& keyPath) {
    QString group;
    if (!GroupOf(keyPath, group)) return false;
    m_settings.remove(group);
    return true;
}

bool cmcQSettingsStore::Flush() {
    m_settings.sync();
    // A format error found when the file was read stays in the status; only a failed write
    // matters here. QSettings writes the file atomically, so a failure keeps the old file.
    if (m_settings.status() == QSettings::AccessError) return false;
    m_unreadable = false;
    return true;
}
