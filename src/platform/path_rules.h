#pragma once

// How the file system in use names files: whether two paths that differ only in letter case name
// one file, and which characters separate folders.

enum class cmcPathCase { Sensitive, Insensitive };

#if defined(_WIN32) || defined(__APPLE__)
// Windows and macOS file systems ignore letter case (by default, on macOS).
constexpr cmcPathCase kFileSystemPathCase = cmcPathCase::Insensitive;
#else
constexpr cmcPathCase kFileSystemPathCase = cmcPathCase::Sensitive;
#endif

constexpr bool IsPathSeparator(char c) {
#if defined(_WIN32)
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}
