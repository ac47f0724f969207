#pragma once

#include <cstdint>
#include <string>

// The per-user settings in memory, as every layer reads and changes them. The member defaults are
// the program's defaults; the window rectangle's come from the screen size (indEnviron, which
// loads and saves this record, sets them).
struct datSettings {
    int32_t stamp = 0;
    int32_t fontSizePercentage = 100;  // sheet font size, 25 ... 1000
    int32_t toolbarVisible = 1;        // 0 or 1
    int32_t fontSizePrinter = 10;      // 8 ... 12
    int32_t comPort = 1;               // 1 ... 256
    int32_t comSpeedHigh = 0;          // 0 or 1: clone at the high speed
    std::string currentDirectory;      // empty: the documents folder
    int32_t left = 0;                  // normal rectangle of the main window
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t splitterV = 200;  // width of the tree panel in pixels
    int32_t modelType = 0;    // taken as read; start-up replaces a value outside 0 ... 15
    int32_t chListType = 0;   // 0: channel sheets list every channel, 1: only the usable ones
};
