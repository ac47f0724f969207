#pragma once

#include <cstddef>
#include <string>

#include "platform/file_fault.h"

// Reads a whole file that the user named. Only a regular file is read, and at most maxBytes of
// it: a FIFO would block the program forever and a device such as /dev/zero would never end, so
// both are refused before a byte is read, as is a file larger than any real one of its kind.
enum class FileReadResult {
    kOk,
    kCannotOpen,  // missing, not readable, not a regular file or too large
    kReadFailed,  // opened, but reading failed
};

// The limit of the files the program reads: a clone file or a CSV of every page is tens of
// kilobytes.
constexpr size_t kMaxReadFileSize = size_t{4} << 20;

FileReadResult ReadRegularFile(const std::string& path, size_t maxBytes, std::string& contents,
                               datFileFault& fault);
