#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Port numbers on systems whose serial devices have names instead of numbers (Linux, macOS).
// A number leads to
//  1. a virtual port that a running program (such as the radio simulator) registered: a link
//     named COM<n> to its device in the per-user folder of virtual ports, with COM<n>.txt
//     holding the registering process id and a description; a registration whose process has
//     ended is ignored, so a stale link never leads to a terminal someone else now uses;
//  2. otherwise a fixed table of real devices: 1-16 /dev/ttyS0-15, 17-32 /dev/ttyUSB0-15,
//     33-48 /dev/ttyACM0-15, 49-56 /dev/ttyAMA0-7. The same kernel name always gives the same
//     number, whatever else is plugged in.
// The folder of virtual ports is $KTV818X_PORT_DIR when set (the tests use it), else
// $XDG_RUNTIME_DIR/ktv818x, else ktv818x-<user id> in the temporary folder. A folder that is
// not owned by the user or that others may write to is not used.

struct datVirtualPort {
    int32_t port = 0;
    std::string device;
    std::string description;
};

std::string VirtualPortFolder();

// The device of a port number, or empty when the number leads nowhere.
std::string DeviceOfPort(int32_t port);
// The table number of a device path, or 0 when the device is not in the table.
int32_t TablePortOfDevice(const std::string& device);
// The table device of a number, or empty.
std::string TableDeviceOfPort(int32_t port);
// The live virtual ports, by number.
std::vector<datVirtualPort> ListVirtualPorts();

// Registers device as the virtual port with this number for the calling process. Fails, with the
// reason in error, when another live process holds the number or the folder cannot be used.
bool RegisterVirtualPort(int32_t port, const std::string& device, const std::string& description,
                         std::string& error);
// Removes the registration if it is the calling process's.
void UnregisterVirtualPort(int32_t port);
