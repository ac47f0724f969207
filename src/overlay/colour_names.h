#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Colours are 0x00BBGGRR, or 0x800000nn for system colour nn, which the Qt layer resolves.
constexpr uint32_t kSystemColourFlag = 0x80000000;
constexpr uint32_t kClWindow = 0x80000005;      // window background
constexpr uint32_t kClWindowText = 0x80000008;  // window text

// The colour of a name of the overlay's colour table ("clRed", "clBtnFace", ...), exact and
// case-sensitive; none for any other name.
std::optional<uint32_t> ColourOf(std::string_view name);
