#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The frames as the radio writes and reads them on the wire. Written here from the protocol
// itself, not with the program's own frame code, so that a fault in one cannot hide a fault in
// the other.
using SimBytes = std::vector<uint8_t>;

// FE FE EF EE, the command, the payload, FD.
SimBytes RadioFrame(uint8_t command, const SimBytes& payload);

// The text of a data frame: address, length, data and checksum in hex.
struct DataTextStyle {
    bool lowerCase = false;
    int checksumError = 0;  // added to the right checksum
    bool extraDigit = false;
};
std::string DataFrameText(int address, const SimBytes& data, const DataTextStyle& style);

// The end frame's payload: the maker name and the frame count as two hex digits.
SimBytes EndPayload(int frameCount, const std::string& maker);

// A data frame of the program: address and data, when its text and checksum are right (either
// case of hex digits is taken).
struct ProgramData {
    int address;
    SimBytes data;
};
std::optional<ProgramData> ParseProgramData(const SimBytes& text);
