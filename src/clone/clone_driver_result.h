#pragma once

#include <cstdint>

#include "base/buff.h"
#include "clone/clone_result.h"
#include "model/eeprom.h"
#include "platform/serial_line.h"

// What one clone operation gives its caller. Made at the start of the operation, handed to the
// completion, freed by the driver after it.
struct dst_CDrv_Result {
    CloneOperation operation = CloneOperation::kNone;
    CloneResult code = CloneResult::kPortOpen;
    // From the request; replaced by the radio's words on a model reply.
    int32_t modelWord1 = 0;
    int32_t modelWord2 = 0;
    // Bytes 8 onwards of the model reply.
    cmcBuff info;
    // Sized to the image size and zero-filled; a read fills it, a write sends this copy.
    cmcEeprom image;
    // One bit per address received in data frames: bit k of byte n is address 8n + k.
    cmcBuff receivedMap;
    // Why the port could not be opened, for the hint shown with code 2.
    datPortProblem portProblem;
};
