#pragma once

#include <cstdint>

// A range list is an array of (first, last) address pairs ended by the first pair whose last
// address is below its first; the program writes {1, 0} as the terminator.
struct AddressRange {
    int32_t first;
    int32_t last;

    bool IsTerminator() const { return last < first; }
};

// The part of the image that clone files carry: 0x0000-0x45CF. Bytes 0x45D0-0x472F stay in the
// radio and never appear in a file.
inline constexpr AddressRange kCloneFileRanges[] = {{0x0000, 0x45CF}, {1, 0}};
