#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Timers are stored as whole units of 1/scale second (scale 1000, 100, 10 or 1). The radio takes
// 0 as "off" on the cells that allow it; typing "off" stores 0 on every timer cell, also on one
// whose minimum is above 0, because the radio reads 0 there as its own default.
struct clsTimerRange {
    int32_t scale;
    int32_t minimum;
    int32_t maximum;
    bool offAllowed;
};

// The value a committed text stands for, or nullopt when the text holds neither a number nor
// "off". Numbers are seconds with up to three decimals, clamped into the range.
std::optional<int32_t> ParseTimerInput(const std::string& input, const clsTimerRange& range);

// Seconds with three decimals, the whole part right-aligned in three places ("  0.120").
std::string FormatTimer(int32_t value, int32_t scale);

// One unit up or down; past either end the value wraps to the other end.
int32_t StepTimer(int32_t value, int32_t step, const clsTimerRange& range);
