#pragma once

#include <memory>

#include "platform/serial_line.h"

// Serial lines through the Win32 communications calls on "\\.\COM<n>". Built on Windows only.
class cmcWinSerialBackend : public cmcSerialBackend {
public:
    std::unique_ptr<cmcSerialLine> Open(int32_t port, datPortProblem& problem) override;
};
