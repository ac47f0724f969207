#pragma once

#include "model/address_range.h"

// The address ranges the clone commands move. A read takes everything a clone file carries; a
// normal write leaves out the radio's factory blocks, which a full write (maker mode, or an
// image of a newer memory map than the radio's) sends as well.
inline constexpr AddressRange kCloneReadRanges[] = {{0x0000, 0x45CF}, {1, 0}};
inline constexpr AddressRange kCloneWriteNormalRanges[] = {{0x02F0, 0x455F}, {1, 0}};
inline constexpr AddressRange kCloneWriteFullRanges[] = {
    {0x01A0, 0x02B3}, {0x02F0, 0x455F}, {0x45C0, 0x45CF}, {1, 0}};
