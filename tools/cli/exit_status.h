#pragma once

// Exit statuses of the command-line program besides the codes the commands pass on (the file
// error codes 1-9 of check and the other file commands, the clone result codes of info, read and
// write).
namespace clsExitStatus {
constexpr int kOk = 0;
constexpr int kDifferent = 1;          // diff: the files differ
constexpr int kDataErrorRefused = 20;  // write: the warning check found errors
constexpr int kDeclined = 21;          // the user answered no, or could not be asked
constexpr int kNotApplied = 22;        // set, import: some cells were refused or clamped
constexpr int kVerifyDiffers = 23;     // write: the radio does not hold what was written
constexpr int kCannotOpen = 66;        // write: the clone file cannot be opened
constexpr int kUsage = 64;             // a wrong command line; nothing was done
constexpr int kProgramFiles = 70;      // the program's overlay or initial files are missing
constexpr int kCannotSave = 73;        // read: the image came, but the file could not be written
constexpr int kOutputFailed = 74;      // writing the standard output failed (EX_IOERR)
}  // namespace clsExitStatus
