#pragma once

#include <string>
#include <string_view>

// Replaces the file at path with contents so that the old file survives any failure: the contents
// go to a temporary file in the same folder, which is flushed to the disk and then renamed over
// the target. A failure leaves no temporary behind.
enum class AtomicWriteResult {
    kOk,
    kCannotCreate,  // the folder does not take a new file
    kWriteFailed,   // writing, syncing or renaming failed
};

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view contents);
