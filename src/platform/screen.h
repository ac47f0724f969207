#pragma once

#include <cstdint>

struct cmcScreenSize {
    int32_t width;
    int32_t height;
};

// The desktop as the program's default window placement sees it.
class cmcScreen {
public:
    virtual ~cmcScreen() = default;

    // The primary screen's size in pixels.
    virtual cmcScreenSize Size() const = 0;
};
