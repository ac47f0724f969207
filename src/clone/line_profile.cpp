#include "clone/line_profile.h"

#include "clone/clone_driver.h"
#include "platform/string_format.h"

std::string HighSpeedScript(int32_t modelWord1) {
    // The parameter bytes 01 30 39 are the radio's own; they travel as they are.
    return StringPrintf(
        "(9600,N,8,1)FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFE EEEF E8 %04X%04X 01 %02X%02X FD",
        modelWord1 & 0xFFFF, 0, 0x30, 0x39);
}

void ConfigureCloneLine(cmcCloneDrv& driver, int32_t port, bool high, int32_t modelWord1) {
    const datLineProfile& profile = high ? kLineProfileHigh : kLineProfileNormal;
    driver.SetPort(port, profile.settings);
    driver.SetCommandPreamble(profile.commandPreamble);
    driver.SetDataPreamble(profile.dataPreamble);
    driver.SetSpeedScript(high ? HighSpeedScript(modelWord1) : "");
    driver.SetEcho(true);
}
