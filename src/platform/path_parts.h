#pragma once

#include <string>

#include "platform/path_rules.h"

// The parts of a file path, by the separators of the file system in use.

// The separator the program writes between a folder and a name.
#if defined(_WIN32)
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Everything after the last separator ("" for a path that ends in one).
std::string FileNameOf(const std::string& path);
// Everything before the file name, without trailing separators; a root folder keeps its one.
std::string FolderOf(const std::string& path);
// The folder without separators after it; a root folder keeps its one.
std::string WithoutTrailingSeparators(std::string folder);
// The folder with exactly one separator after it, ready for a name to be appended; "" stays "".
std::string WithTrailingSeparator(const std::string& folder);
// Whether two paths name the same file, ignoring letter case only where the file system does.
bool IsSamePath(const std::string& a, const std::string& b,
                cmcPathCase pathCase = kFileSystemPathCase);
