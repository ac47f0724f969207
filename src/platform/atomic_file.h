#pragma once

#include <string>
#include <string_view>

#include "platform/file_fault.h"

// Replaces the file at path with contents so that the old file survives any failure: the contents
// go to a temporary file in the same folder, which is flushed to the disk and then renamed over
// the target.
//
// Only a regular file is replaced; a symbolic link is written through to the file it leads to.
// A folder, a device, a FIFO or a socket is refused, and so is a link that leads nowhere a file
// can be made (into a missing folder, or round in a loop). The new file keeps the owner, the
// group and the permission bits of the one it replaces where the process may set them, but
// never a set-user-ID or set-group-ID bit.
//
// The temporary file is named ".NAME.ktv818x-tmp-PID" beside the target. A failure removes it; a
// process killed before the rename cannot, so every save first removes the temporaries of its
// target whose process has ended.
enum class AtomicWriteResult {
    kOk,
    kCannotCreate,  // the target may not be replaced, or the folder does not take a new file
    kWriteFailed,   // writing, syncing or renaming failed
};

// fault, when given, receives why a save failed.
AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view contents,
                                      datFileFault* fault = nullptr);

// Whether a save to path could start: the checks of WriteFileAtomically before it writes
// anything, for work that should not begin when its result could not be kept.
AtomicWriteResult CheckReplaceable(const std::string& path, datFileFault* fault = nullptr);

// The temporary file names a save of target uses and removes, for the process pid.
std::string TemporaryPathFor(const std::string& target, long pid);
