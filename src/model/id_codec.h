#pragma once

#include <cstdint>
#include <string>

// DSC and ATIS identities: five bytes, each holding two decimal digits as its value 0-99 (first
// digit x 10 + second). A 9-digit MMSI leaves the tenth digit 0. Any byte above 99 means "no
// identity"; the program writes an empty identity as 0xFF x 5.
constexpr int32_t kIdBytes = 5;
constexpr uint8_t kEmptyIdByte = 0xFF;

bool IsIdEmpty(const uint8_t* id);
void ClearId(uint8_t* id);

// Takes the digits of a committed text. Exactly digitCount digits become the identity; any other
// count empties it, so that a mistyped MMSI never reaches the radio half-formed.
void WriteIdDigits(uint8_t* id, const std::string& input, int32_t digitCount);

// The digitCount digits of a stored identity; empty text for an empty identity.
std::string IdText(const uint8_t* id, int32_t digitCount);

// Digit i of the identity (0-9).
int32_t IdDigit(const uint8_t* id, int32_t position);

// The byte the radio keeps after the self and ATIS identities: 0xFF minus the low byte of the sum
// of the five identity bytes, 0xFF for an empty identity.
uint8_t IdCheckByte(const uint8_t* id);
