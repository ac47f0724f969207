#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The bytes of one overlay file, as the text stores read them. The stores go through this seam
// rather than the file system so that a test can count or limit what they read.
class cmcOvlFile {
public:
    virtual ~cmcOvlFile() = default;

    // Copies up to count bytes starting at offset into buffer and returns how many it copied;
    // 0 at the end of the file and on a read error.
    virtual size_t ReadAt(uint64_t offset, char* buffer, size_t count) = 0;
};

// Opens the file at path for reading, or returns none when it cannot be opened.
using OvlFileOpener = std::function<std::unique_ptr<cmcOvlFile>(const std::string& path)>;

// The file system's opener.
std::unique_ptr<cmcOvlFile> OpenOvlFile(const std::string& path);
