#pragma once

#include <memory>
#include <string>

#include "platform/headless_services.h"
#include "platform/posix_serial.h"

// The platform services of the command-line program that differ from the GUI's.

// The system's serial ports by number, or, when a device path was given, that device whatever
// number the program asks for.
class cmcCliSerialBackend : public cmcSerialBackend {
public:
    explicit cmcCliSerialBackend(std::string device) : m_device(std::move(device)) {}
    std::unique_ptr<cmcSerialLine> Open(int32_t port, datPortProblem& problem) override {
        if (m_device.empty()) return m_system.Open(port, problem);
        auto line = m_system.OpenDevice(m_device, problem);
        if (!line) problem.port = port;
        return line;
    }

private:
    cmcPosixSerialBackend m_system;
    std::string m_device;
};
