#pragma once

// Why a file could not be read or replaced, kept for the message that names it: the system's
// own error, or one of the refusals of the program's file code.
struct datFileFault {
    enum class Kind {
        kNone,
        kSystem,      // error holds the system's error number
        kNotRegular,  // a folder, a device, a pipe or a socket: never read or replaced
        kTooLarge,    // larger than any file the program reads can be
    };
    Kind kind = Kind::kNone;
    int error = 0;

    static datFileFault System(int error) { return {Kind::kSystem, error}; }
    bool IsSet() const { return kind != Kind::kNone; }
};
