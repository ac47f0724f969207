#pragma once

#include <cstdint>
#include <string>

// The faults the simulator can inject, one per run.
enum class SimFault {
    kNone,
    kNoEcho,         // the cable does not echo
    kWrongEcho,      // the eighth byte of every frame the program sends echoes altered
    kNoAnswer,       // the radio never answers
    kBadChecksum,    // a data frame of a read carries a wrong checksum
    kLowerCase,      // a data frame of a read is written in lower-case hex
    kOddDigits,      // a data frame of a read has an odd number of digits
    kBeyondImage,    // a read sends a frame beyond the end of the memory
    kMissingFrame,   // a read leaves one data frame out (and counts only those it sent)
    kWrongCount,     // a read's end frame counts one frame less
    kMakerSpelling,  // a read's end frame misspells the maker name
    kRejectWrite,    // a write is answered E6 01
    kHangUp,         // the line disappears in the middle of a read or write
    kCorruptStore,   // a write is accepted, but the first byte of one data frame is stored inverted
    kMuteAfterWrite,  // after an accepted write the radio answers nothing more
};

// What the radio tells in its model reply.
struct SimModel {
    uint16_t word1 = 0x3338;
    uint16_t word2 = 0x0001;
    int modelType = 0;
    std::string revision = "1.00A";        // five characters
    std::string comment = "KT-V818X SIM";  // sixteen characters, padded with blanks
    int flags = 0;
    std::string memoryRevision = "1000";  // four digits
    int infoLength = 48;
    int layout = 2;
};

struct SimOptions {
    int port = 9;
    bool registerPort = true;
    bool printDevice = false;
    std::string imagePath;
    std::string saveWrittenPath;
    bool pace = false;
    bool verbose = false;
    SimFault fault = SimFault::kNone;
    SimModel model;
};

// Reads the command line. Returns false with a message for the user in error; help is set when
// the user asked for the usage text.
bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error, bool& help);

extern const char kSimUsage[];
