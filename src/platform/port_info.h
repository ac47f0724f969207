#pragma once

#include <string>
#include <vector>

// A serial port the system reports.
struct datPortInfo {
    std::string portName;      // COM7 on Windows, ttyUSB0 elsewhere
    std::string description;   // what the driver calls the device, may be empty
    std::string manufacturer;  // may be empty
    std::string device;        // the path the port opens by (\\.\COM7, /dev/ttyUSB0)
};

// The system's list of serial ports (the GUI's comes from its toolkit).
class cmcPortInfoSource {
public:
    virtual ~cmcPortInfoSource() = default;
    virtual std::vector<datPortInfo> AvailablePorts() const = 0;
};
