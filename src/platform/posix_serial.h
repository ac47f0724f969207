#pragma once

#include <memory>
#include <string>

#include "platform/serial_line.h"

// Serial lines through termios: raw bytes, non-blocking, the port held exclusively while open.
// Port numbers lead to devices as described in platform/port_names.h. The receive count comes
// from FIONREAD and the transmit count from TIOCOUTQ, so that unsent output means bytes not yet
// on the wire.
class cmcPosixSerialBackend : public cmcSerialBackend {
public:
    std::unique_ptr<cmcSerialLine> Open(int32_t port, datPortProblem& problem) override;
    // Opens a device by path (a pseudo-terminal in the tests).
    std::unique_ptr<cmcSerialLine> OpenDevice(const std::string& device, datPortProblem& problem);
};

// Fills problem for a device that open() refused with the given errno: for a lack of permission
// the group that owns the device and the user who is not in it.
void DiagnoseOpenFailure(const std::string& device, int error, datPortProblem& problem);
