#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The radio's UTC offset: signed minutes, at most 14 hours either way.
constexpr int32_t kMaxUtcOffsetMinutes = 840;

// The offset a committed "[+|-]h[:mm]" text stands for, or nullopt when the text is refused
// (minutes of 60 or more, more than 14 hours, more than one colon, or longer than "hh:mm").
std::optional<int32_t> ParseUtcOffset(const std::string& input);

// "0:00", "+5:30", "-3:00".
std::string FormatUtcOffset(int32_t minutes);
