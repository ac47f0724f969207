#pragma once

#include <cstdint>
#include <string>

// How the clone line runs at each speed. Every command frame the program sends is preceded by
// extra 0xFE bytes and every data frame by more at high speed, so that the radio's receiver
// finds the frame start; the high speed is reached through a speed-change frame sent at 9600
// baud.
struct datLineProfile {
    const char* settings;
    int32_t commandPreamble;
    int32_t dataPreamble;
};

inline constexpr datLineProfile kLineProfileNormal = {"9600,N,8,1", 12, 0};
inline constexpr datLineProfile kLineProfileHigh = {"38400,N,8,1", 48, 50};

// The speed-change script for the high speed: reopen at 9600 baud, then the E8 frame with model
// word 1 after twenty 0xFE bytes in all.
std::string HighSpeedScript(int32_t modelWord1);

class cmcCloneDrv;

// Sets the driver up for the next operation on port at the normal or the high speed, with the
// echo check on. The driver's model words must be set first: the speed change carries word 1.
void ConfigureCloneLine(cmcCloneDrv& driver, int32_t port, bool high, int32_t modelWord1);
