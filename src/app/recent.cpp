#include "app/recent.h"

#include <algorithm>

namespace {

// Texts in the program are Latin-1: fold its capital letters too, not only the ASCII ones.
char FoldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool capital =
        (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
    return capital ? static_cast<char>(byte + 0x20) : c;
}

// Trailing separators do not change a folder; a root folder keeps its one.
std::string WithoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && IsPathSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

// The folder part of a path: everything before the file name.
std::string FolderOf(const std::string& path) {
    size_t end = path.size();
    while (end > 0 && !IsPathSeparator(path[end - 1]))
        --end;
    return WithoutTrailingSeparators(path.substr(0, end));
}

std::string FileNameOf(const std::string& path) {
    size_t start = path.size();
    while (start > 0 && !IsPathSeparator(path[start - 1]))
        --start;
    return path.substr(start);
}

}  // namespace

bool cmcRecent::SamePath(const std::string& a, const std::string& b) const {
    if (m_pathCase == cmcPathCase::Sensitive) return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
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
