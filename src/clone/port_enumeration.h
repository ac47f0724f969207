#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/port_info.h"

// The lists of the port selection: the ports of the system (from source) and the registered
// virtual ports, by the numbers the program speaks of. Numbers are ascending in every list.

// The number of a system port: COM<n> by its name, otherwise by its device in the fixed
// device table; 0 when it has none.
int32_t PortNumberOf(const datPortInfo& port);

// "COM3", "3" and "3: USB Serial Port (COM3)" all give 3: the number after a leading "COM",
// else the text's leading number (0 when there is none).
int32_t ParsePortNumber(const std::string& text);
// A port number given by a user or a script: "N" or "COMN" with nothing around it, 1-256.
std::optional<int32_t> ParsePortOperand(const std::string& text);

// The numbers of the ports, as decimal texts. The system reports one list, so both give the
// same numbers: the registry list feeds the editable list of numbers, the device list the
// description list.
void ListRegistryPorts(const cmcPortInfoSource& source, std::vector<std::string>& list);
void ListDevicePorts(const cmcPortInfoSource& source, std::vector<std::string>& list);

// "n: description (name)" for every port whose number is one of numbers and that has a
// description (or at least a manufacturer); ports without either are left out. The name is the
// COM name on Windows, elsewhere the device without "/dev/", and there the adapter's maker
// follows the description: "17: FT232R USB UART, FTDI (ttyUSB0)". A registered virtual port
// shows its registration's description in place of the device its number would otherwise open.
void ListPortDescriptions(const cmcPortInfoSource& source, const std::vector<std::string>& numbers,
                          std::vector<std::string>& list);
