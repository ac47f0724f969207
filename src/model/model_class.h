#pragma once

#include <cstdint>

// The fixed sets of model types that decide model-dependent lists, rows and rules. Class A takes
// the U (USA) variant of a list, class B has the full band set.
constexpr bool IsModelClassA(int32_t type) {
    return type == 0 || type == 6 || type == 7 || type == 12 || type == 13 || type == 15;
}
constexpr bool IsModelClassB(int32_t type) {
    return (type >= 0 && type <= 6) || type == 15;
}
constexpr bool IsModelClassC(int32_t type) {
    return type == 0 || type == 7 || type == 15;
}
constexpr bool IsModelClassD(int32_t type) {
    return type == 6 || type == 12;
}
constexpr bool IsModelClassE(int32_t type) {
    return type == 13;
}
constexpr bool IsModelClassF(int32_t type) {
    return type == 15;
}
