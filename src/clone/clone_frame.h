#pragma once

#include <cstdint>
#include <optional>

#include "base/buff.h"
#include "clone/clone_driver_result.h"
#include "clone/clone_result.h"
#include "model/address_range.h"
#include "model/eeprom.h"

// The clone protocol's frames. Every frame starts FE FE and ends FD; frames from the program
// carry the address bytes EE EF, frames from the radio EF EE, then one command byte. Data frames
// (E4) carry ASCII text: address (4 hex digits), length (2), the data (2 per byte) and a
// checksum (2) that makes the sum of all those bytes 0 modulo 256. The end frame (E5) carries
// the maker name "Orva Inc." and the number of data frames modulo 256 as 2 hex digits. Frames
// the driver judges have lost their leading FE: they begin FE EF EE and the command byte.

// The frame bytes and commands.
constexpr uint8_t kFrameStart = 0xFE;
constexpr uint8_t kFrameEnd = 0xFD;
constexpr uint8_t kCommandModelRequest = 0xE0;
constexpr uint8_t kCommandModelReply = 0xE1;
constexpr uint8_t kCommandReadRequest = 0xE2;
constexpr uint8_t kCommandWriteRequest = 0xE3;
constexpr uint8_t kCommandData = 0xE4;
constexpr uint8_t kCommandEnd = 0xE5;
constexpr uint8_t kCommandWriteAnswer = 0xE6;
// A frame from the radio as the driver keeps it: one FE, then the radio's address bytes.
inline constexpr uint8_t kRadioFrameHeader[] = {0xFE, 0xEF, 0xEE};

// The maker name in every end frame.
inline constexpr char kCloneMakerName[] = "Orva Inc.";
constexpr int32_t kCloneMakerNameLength = 9;

// The checksum byte over address, length and data.
uint8_t DataFrameChecksum(int32_t address, const uint8_t* data, int32_t length);

// Appends a data frame for the image bytes [address, address + length) after preamble bytes
// 0xFE.
void AppendDataFrame(cmcBuff& out, const cmcEeprom& image, int32_t address, int32_t length,
                     int32_t preamble);

// Appends the program's end frame for frameCount data frames.
void AppendEndFrame(cmcBuff& out, int32_t frameCount);

// Stores a received data frame's text (the bytes after the command byte) in result: nothing
// when it was stored (the data byte count grows by its length), else the failure code. Only
// upper-case digits are accepted.
std::optional<CloneResult> ParseDataFrame(const uint8_t* text, int32_t length, int32_t imageSize,
                                          dst_CDrv_Result& result, int32_t& dataByteCount);

// Judges a frame received during a clone read: nothing for a stored data frame, kOk for a
// correct end frame, else the failure code.
std::optional<CloneResult> CheckReadFrame(const cmcBuff& frame, int32_t frameCount,
                                          int32_t imageSize, dst_CDrv_Result& result,
                                          int32_t& dataByteCount);

// Compares the received map with the addresses of the range list: kOk when they match,
// kAddress when anything outside the list (or the image) came, kMissingData when addresses of
// the list are missing.
CloneResult CheckCoverage(const AddressRange* ranges, int32_t imageSize,
                          const cmcBuff& receivedMap);
