#pragma once

#include <cstdint>
#include <string>

// The plain numeric cells: a value shown as value + offset, moving in steps inside
// minimum..maximum.
struct clsNumberRange {
    int32_t minimum;
    int32_t maximum;
    int32_t offset = 0;
    int32_t step = 1;
};

struct clsNumberInput {
    int32_t value;
    bool changed;
};

// The value a committed text stands for: the typed number (rounded half away from zero) less the
// offset, rounded to a multiple of the step and clamped. An empty text reads as 0, clamped, and
// does not count as a change (cells that store after every call store it all the same).
clsNumberInput ParseNumberInput(const std::string& input, const clsNumberRange& range);

// One step up or down; past either end the value wraps to the other end, then it is truncated to
// a multiple of the step.
int32_t StepNumber(int32_t value, int32_t direction, const clsNumberRange& range);

int32_t ClampNumber(int32_t value, const clsNumberRange& range);
