#include "platform/path_parts.h"

#include <algorithm>

namespace {

// Texts in the program are Latin-1: fold its capital letters too, not only the ASCII ones.
char FoldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool capital =
        (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
    return capital ? static_cast<char>(byte + 0x20) : c;
}

size_t FileNameStart(const std::string& path) {
    size_t start = path.size();
    while (start > 0 && !IsPathSeparator(path[start - 1]))
        --start;
    return start;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
    return path.substr(FileNameStart(path));
}

std::string FolderOf(const std::string& path) {
    return WithoutTrailingSeparators(path.substr(0, FileNameStart(path)));
}

std::string WithoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && IsPathSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

std::string WithTrailingSeparator(const std::string& folder) {
    if (folder.empty() || IsPathSeparator(folder.back())) return folder;
    return folder + kPathSeparator;
}

bool IsSamePath(const std::string& a, const std::string& b, cmcPathCase pathCase) {
    if (pathCase == cmcPathCase::Sensitive) return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}
