#pragma once

#include <cstdint>

// The bytes of an image that say which radio it belongs to, and the numbers clone files and the
// radio identify this model by.

constexpr int32_t kModelCode = 0x3338;  // first header group of clone files, model word 1
constexpr int32_t kSubCode = 1;         // second header group, model word 2
constexpr int32_t kMapRevision = 2;     // the memory map revision this program reads and writes

constexpr int32_t kModelTypeCount = 16;  // model types 0-15
constexpr int32_t kConvertTargetModelType = 15;

constexpr int32_t kModelTypeAddress = 0x0EE9;
constexpr int32_t kLayoutAddress = 0x0EEA;  // holds kMapRevision in an image of this model
// The owner's comment: written to clone files, shown by the radio.
constexpr int32_t kCommentAddress = 0x0EEB;
constexpr int32_t kCommentLength = 16;
// The radio's own identities: the DSC self ID (an MMSI, 9 digits) and the ATIS ID (10 digits).
constexpr int32_t kSelfIdAddress = 0x20E0;
constexpr int32_t kSelfIdDigits = 9;
constexpr int32_t kAtisIdAddress = 0x1FF0;
constexpr int32_t kAtisIdDigits = 10;
// Channel groups the image carries: bit 0 USA, bit 1 weather, bit 2 Canada.
constexpr int32_t kChannelGroupsAddress = 0x0B98;
constexpr uint8_t kUsaGroupBit = 0x01;
constexpr uint8_t kWeatherGroupBit = 0x02;
constexpr uint8_t kCanadaGroupBit = 0x04;

// The memory revision of an image: four decimal characters at these addresses (thousands to
// units; the byte between the first two is not part of it).
constexpr int32_t kRevisionDigitAddresses[] = {0x015A, 0x015C, 0x015D, 0x015E};
