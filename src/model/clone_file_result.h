#pragma once

#include <cstdint>

// Results of reading and writing clone files. The numbers are shown to users and index the
// overlay keys below, so they never change.
enum class CloneFileResult : int32_t {
    kOk = 0,
    kFileOpen = 1,    // the file cannot be opened (for reading on load, for writing on save)
    kFileAccess = 2,  // reading or writing the file failed after it was opened
    kModel = 3,       // the header names another radio model
    kExtra = 4,       // the header names another sub-model
    kMapRev = 5,      // the memory-map revision is not accepted
    kFormat = 6,      // the header or a data line is malformed
    kCoverage = 7,    // the file leaves required addresses out
    kData = 8,        // addresses outside the image or the carried ranges, or a foreign image
    kNewer = 9,       // the image is of a newer memory map than this program knows
};

// The overlay key of each result's message, indexed by the result's number.
inline constexpr const char* kCloneFileResultKeys[] = {
    "",
    "GI_Mess_FileErr_FileOpen",
    "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_Model",
    "GI_Mess_FileErr_Extra",
    "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Format",
    "GI_Mess_FileErr_Coverage",
    "GI_Mess_FileErr_Data",
    "GI_Mess_FileErr_Newer",
};
