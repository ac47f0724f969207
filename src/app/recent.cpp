#include "app/recent.h"

#include "platform/path_parts.h"

bool cmcRecent::SamePath(const std::string& a, const std::string& b) const {
    return IsSamePath(a, b, m_pathCase);
}

void cmcRecent::Remove(const std::string& path) {
    std::erase_if(m_paths, [&](const std::string& entry) { return SamePath(entry, path); });
}

void cmcRecent::Trim() {
    if (m_paths.size() > static_cast<size_t>(kCapacity)) m_paths.resize(kCapacity);
}

void cmcRecent::PushFront(const std::string& path) {
    Remove(path);
    m_paths.insert(m_paths.begin(), path);
    Trim();
}

void cmcRecent::Append(const std::string& path) {
    Remove(path);
    m_paths.push_back(path);
    Trim();
}

std::string cmcRecent::Path(int32_t index) const {
    if (index < 0 || index >= Count()) return {};
    return m_paths[static_cast<size_t>(index)];
}

std::string cmcRecent::DisplayName(int32_t index, const std::string& folder) const {
    if (index < 0 || index >= Count()) return {};
    const std::string& path = m_paths[static_cast<size_t>(index)];
    if (SamePath(FolderOf(path), WithoutTrailingSeparators(folder))) return FileNameOf(path);
    return path;
}
