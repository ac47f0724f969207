#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/path_rules.h"

// The recent-file list of the File menu: at most ten paths, most recent first, no path twice.
// Two paths are the same file when they are equal, ignoring letter case only where the file system
// does (on a case-sensitive one, "a.icf" and "A.icf" are two files and both stay listed).
class cmcRecent {
public:
    static constexpr int32_t kCapacity = 10;

    explicit cmcRecent(cmcPathCase pathCase = kFileSystemPathCase) : m_pathCase(pathCase) {}

    void Clear() { m_paths.clear(); }
    int32_t Count() const { return static_cast<int32_t>(m_paths.size()); }

    // Puts the path first (or last), dropping any entry that names the same file, and keeps the
    // first ten entries.
    void PushFront(const std::string& path);
    void Append(const std::string& path);
    void Remove(const std::string& path);

    // The full path of entry index, or the empty text beyond the list.
    std::string Path(int32_t index) const;
    // What the menu shows for entry index: the file name alone when the file lies in folder, else
    // the full path; the empty text beyond the list.
    std::string DisplayName(int32_t index, const std::string& folder) const;

private:
    bool SamePath(const std::string& a, const std::string& b) const;
    void Trim();

    cmcPathCase m_pathCase;
    std::vector<std::string> m_paths;
};
