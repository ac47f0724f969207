#include "platform/backup_place.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr const char* kProgramFolder = "ktv818x";
constexpr const char* kBackupFolder = "backups";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A relative XDG path is to be ignored, as if unset.
bool IsUsable(const std::string& path) {
    return !path.empty() && std::filesystem::path(path).is_absolute();
}

}  // namespace

std::string cmcUserBackupPlace::Folder() const {
    std::filesystem::path base;
#ifdef _WIN32
    const std::string local = Environment("LOCALAPPDATA");
    base = IsUsable(local) ? std::filesystem::path(local) : std::filesystem::temp_directory_path();
#elif defined(__APPLE__)
    const std::string home = Environment("HOME");
    base = IsUsable(home) ? std::filesystem::path(home) / "Library" / "Application Support"
                          : std::filesystem::temp_directory_path();
#else
    const std::string xdg = Environment("XDG_DATA_HOME");
    if (IsUsable(xdg)) {
        base = xdg;
    } else {
        const std::string home = Environment("HOME");
        base = IsUsable(home) ? std::filesystem::path(home) / ".local" / "share"
                              : std::filesystem::temp_directory_path();
    }
#endif
    return (base / kProgramFolder / kBackupFolder).string();
}

int64_t cmcUserBackupPlace::NowSeconds() const {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
