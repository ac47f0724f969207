#pragma once

#include <cstdint>
#include <string>

// Names live in the image as fixed-length, blank-padded byte runs without a terminator. The radio's
// display knows 63 characters for channel names: blank to underscore without the at sign.

// Copies the first length characters of a committed text into the buffer, padding with blanks.
void FillTextBuffer(uint8_t* buffer, int32_t length, const std::string& input);

// Turns every byte outside 0x20-0x7E into a blank (in the buffer too) and returns the text without
// its trailing blanks.
std::string TextOfBuffer(uint8_t* buffer, int32_t length);

// The channel-name form of one character: lower case becomes upper case, anything else the
// radio cannot show becomes a blank.
uint8_t ToChannelNameChar(uint8_t c);
void NormaliseChannelName(uint8_t* buffer, int32_t length);

// A free channel's name is two channel-name characters and a suffix "A", "B" or blank. The cell
// edits four bytes; the fourth is dropped here.
void NormaliseFreeChannelName(uint8_t* buffer);

constexpr int32_t kChannelNameLength = 10;
constexpr int32_t kFreeChannelNameLength = 3;
