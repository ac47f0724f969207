#pragma once

#include <cstdint>
#include <string>

// Free-channel frequencies in Hz. The synthesizer covers 100-199.99 MHz on a 6250 Hz raster.
constexpr int32_t kLowestFrequency = 100000000;
constexpr int32_t kHighestFrequency = 199990000;
constexpr int32_t kFrequencyRaster = 6250;

// The frequency a committed megahertz text stands for: the nearest raster frequency at or above
// what was typed, within the precision typed (156.01 gives 156.0125), never above the band's top.
// Returns 0 for a text without digits and -1 when no raster frequency lies within the typed
// precision (156.0101).
int32_t ParseFrequency(const std::string& input);

// The raster completion of a frequency in Hz; -1 when none fits.
int32_t CompleteToRaster(int32_t frequency);

// "156.80000": megahertz with five decimals.
std::string FormatFrequency(int32_t frequency);
