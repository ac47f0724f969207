#pragma once

#include <cstdint>

// Results of the clone operations. The numbers are shown to users and index the lines of the
// clone error message, so they never change. The driver sets 0-10 and 17; the clone manager and
// the main controller add 11 and 13-16.
enum class CloneResult : int32_t {
    kOk = 0,
    kPortOpen = 2,        // the port cannot be opened, or the operation ended before any answer
    kEcho = 4,            // the echo differed from what was sent, or did not come back
    kTimeOut = 5,         // no answer within the time-out
    kFrame = 6,           // a malformed frame
    kFrameCount = 7,      // the end frame's count differs from the data frames received
    kMissingData = 8,     // addresses of the range list were not received
    kAddress = 9,         // data for an address outside the image or the range list
    kWriteRejected = 10,  // the radio rejected a write or answered it with a malformed frame
    kModel = 11,          // the model reply is not of this model, or its info block is malformed
    kModelFormat = 12,    // composed like 11; set nowhere
    kModelType = 13,      // the radio's model type does not fit (after the commands' own message)
    kInfoLayout = 14,     // the info block's layout byte is not 2
    kForeignImage = 15,   // the received image is foreign
    kNewerImage = 16,     // the received image is of a newer memory map
    kWriteFailed = 17,    // the port took fewer bytes than were written
    kCancelled = 18,      // the user stopped the operation; it ended at a frame boundary
    kBackupFailed = 19,   // the memory to be written could not be backed up: nothing was sent
    kVerifyDiffers = 20,  // the radio accepted a write but does not hold what was written
};

// The clone operations.
enum class CloneOperation : int32_t {
    kNone = 0,
    kInfo = 1,
    kRead = 2,
    kWrite = 3,
};
