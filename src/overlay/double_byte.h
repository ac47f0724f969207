#pragma once

// The program runs with a single-byte code page, where no byte starts a double-byte character.
// Every scanner of the description language asks this one predicate, so that a double-byte code
// page (where a "|", "\" or "," may be the second byte of a character) needs a change here only.
inline bool IsLeadByte(char) {
    return false;
}
