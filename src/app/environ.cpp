#include "app/environ.h"

#include <algorithm>
#include <string_view>

#include "platform/instance_lock.h"
#include "platform/screen.h"
#include "platform/settings_store.h"
#include "platform/string_format.h"

namespace {

// The keys below the root, in the order in which they are read and written.
constexpr const char* kGlobal = "Global";
constexpr const char* kRecentFileList = "Recent File List";
constexpr const char* kViewOption = "View Option";
constexpr const char* kWindowPosition = "Window Position";
constexpr const char* kSetup = "Setup";
constexpr const char* kKeys[] = {kGlobal, kRecentFileList, kViewOption, kWindowPosition, kSetup};

enum class Accept {
    Any,
    Clamped,       // to low ... high
    NonZeroIsOne,  // a flag: anything but 0 reads as 1
};

// One stored setting: an integer field, or the text field when number is empty.
struct Setting {
    const char* key;
    const char* name;
    int32_t datSettings::*number;
    std::string datSettings::*text;
    Accept accept;
    int32_t low;
    int32_t high;
};

// Within each key, the order in which the values are read and written.
constexpr Setting kSettings[] = {
    {kGlobal, "BBT", &datSettings::stamp, nullptr, Accept::Any, 0, 0},
    {kGlobal, "ComPort", &datSettings::comPort, nullptr, Accept::Clamped, 1, 256},
    {kGlobal, "ComSpeedHigh", &datSettings::comSpeedHigh, nullptr, Accept::Clamped, 0, 1},
    {kGlobal, "Current Directory", nullptr, &datSettings::currentDirectory, Accept::Any, 0, 0},
    {kViewOption, "FontSize Percentage", &datSettings::fontSizePercentage, nullptr, Accept::Clamped,
     25, 1000},
    {kViewOption, "Toolbar Visible", &datSettings::toolbarVisible, nullptr, Accept::NonZeroIsOne, 0,
     0},
    {kViewOption, "FontSize Printer", &datSettings::fontSizePrinter, nullptr, Accept::Clamped, 8,
     12},
    {kWindowPosition, "Left", &datSettings::left, nullptr, Accept::Any, 0, 0},
    {kWindowPosition, "Top", &datSettings::top, nullptr, Accept::Any, 0, 0},
    {kWindowPosition, "Width", &datSettings::width, nullptr, Accept::Any, 0, 0},
    {kWindowPosition, "Height", &datSettings::height, nullptr, Accept::Any, 0, 0},
    {kWindowPosition, "SplitterV", &datSettings::splitterV, nullptr, Accept::Any, 0, 0},
    {kSetup, "ModelType", &datSettings::modelType, nullptr, Accept::Any, 0, 0},
    {kSetup, "ChListType", &datSettings::chListType, nullptr, Accept::NonZeroIsOne, 0, 0},
};

int32_t Accepted(const Setting& setting, int32_t value) {
    switch (setting.accept) {
        case Accept::Clamped:
            return std::clamp(value, setting.low, setting.high);
        case Accept::NonZeroIsOne:
            return value != 0 ? 1 : 0;
        case Accept::Any:
            break;
    }
    return value;
}

std::string RecentName(int32_t n) {
    return StringPrintf("Recent%d", n);
}

}  // namespace

indEnviron::indEnviron(cmcSettingsStore& store, cmcInstanceLock& lock, const cmcScreen& screen,
                       const std::string& mutexName, const std::string& registryRoot)
    : m_store(store), m_lock(lock), m_screen(screen), m_registryRoot(registryRoot) {
    m_firstInstance = m_lock.TryLock(mutexName);
    if (!m_firstInstance) return;
    Load();
    if (m_settings.stamp != kStamp) SetDefaults();
}

indEnviron::~indEnviron() {
    if (!m_firstInstance) return;
    if (m_settings.stamp == kStamp) Save();
    m_lock.Unlock();
}

std::string indEnviron::KeyPath(const std::string& name) const {
    return StringPrintf("%s\\%s", m_registryRoot.c_str(), name.c_str());
}

void indEnviron::Load() {
    if (!LoadAll()) SetDefaults();
}

bool indEnviron::LoadAll() {
    m_recent.Clear();
    for (const char* key : kKeys) {
        const std::string path = KeyPath(key);
        if (!m_store.HasKey(path)) return false;
        if (std::string_view(key) == kRecentFileList) {
            // A missing entry reads as the empty text and is listed like any other, so at most
            // one empty entry survives.
            for (int32_t n = 0; n < cmcRecent::kCapacity; ++n) {
                std::string recentPath;
                if (m_store.ReadString(path, RecentName(n), recentPath) == cmcStoreRead::WrongType)
                    return false;
                m_recent.Append(recentPath);
            }
            continue;
        }
        for (const Setting& setting : kSettings) {
            if (std::string_view(setting.key) != key) continue;
            if (setting.number == nullptr) {
                std::string text;
                if (m_store.ReadString(path, setting.name, text) == cmcStoreRead::WrongType)
                    return false;
                m_settings.*setting.text = text;
                continue;
            }
            int32_t value = 0;
            if (m_store.ReadInt(path, setting.name, value) != cmcStoreRead::Ok) return false;
            m_settings.*setting.number = Accepted(setting, value);
        }
    }
    return true;
}

void indEnviron::SetDefaults() {
    m_settings = datSettings{};
    m_settings.stamp = kStamp;
    // A window of at most 800 x 600, nine tenths of the screen on smaller ones, centred across
    // and a little above the middle.
    const cmcScreenSize screen = m_screen.Size();
    const int64_t w = screen.width;
    const int64_t h = screen.height;
    const int64_t width = std::min<int64_t>(w * 9 / 10, 800);
    const int64_t height = std::min<int64_t>(h * 9 / 10, 600);
    m_settings.width = static_cast<int32_t>(width);
    m_settings.height = static_cast<int32_t>(height);
    m_settings.left = static_cast<int32_t>((w - width) / 2);
    m_settings.top = static_cast<int32_t>((h - height) * 3 / 10);
    m_recent.Clear();
}

void indEnviron::Save() {
    SaveAll();
    m_store.Flush();
}

bool indEnviron::SaveAll() {
    for (const char* key : kKeys) {
        const std::string path = KeyPath(key);
        if (std::string_view(key) == kRecentFileList) {
            for (int32_t n = 0; n < cmcRecent::kCapacity; ++n)
                if (!m_store.WriteString(path, RecentName(n), m_recent.Path(n))) return false;
            continue;
        }
        for (const Setting& setting : kSettings) {
            if (std::string_view(setting.key) != key) continue;
            const bool written =
                setting.number != nullptr
                    ? m_store.WriteInt(path, setting.name, m_settings.*setting.number)
                    : m_store.WriteString(path, setting.name, m_settings.*setting.text);
            if (!written) return false;
        }
    }
    return true;
}

std::string indEnviron::ColumnWidthKey(const std::string& name) const {
    return StringPrintf("%s\\Display\\%s\\colwidth", m_registryRoot.c_str(), name.c_str());
}

int32_t indEnviron::ReadRegistryInt(const std::string& keyPath, const std::string& name) const {
    int32_t value = 0;
    return m_store.ReadInt(keyPath, name, value) == cmcStoreRead::Ok ? value : -1;
}

void indEnviron::WriteRegistryInt(const std::string& keyPath, int32_t value,
                                  const std::string& name) {
    m_store.WriteInt(keyPath, name, value);
}

void indEnviron::DeleteRegistryKey(const std::string& keyPath, const std::string& subKey) {
    if (m_store.HasKey(keyPath))
        m_store.DeleteKey(StringPrintf("%s\\%s", keyPath.c_str(), subKey.c_str()));
}

int32_t indEnviron::ReadColumnWidth(const std::string& sheetName, int32_t column) const {
    return ReadRegistryInt(ColumnWidthKey(sheetName), std::to_string(column));
}

void indEnviron::WriteColumnWidth(const std::string& sheetName, int32_t column, int32_t width) {
    WriteRegistryInt(ColumnWidthKey(sheetName), width, std::to_string(column));
}

void indEnviron::DeleteColumnWidths(const std::string& sheetName) {
    const std::string key = ColumnWidthKey(sheetName);
    const size_t last = key.rfind('\\');
    DeleteRegistryKey(key.substr(0, last), key.substr(last + 1));
}
