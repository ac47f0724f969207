#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/port_info.h"
#include "platform/serial_line.h"

// What the port dialog decides: which number an answer gives, and what its list shows.

// The port number an answer gives, or none when it is out of range or no number. A typed answer
// (the number edit and the editable list) is read as a decimal number after trimming; a chosen
// description by its leading number ("3: USB Serial Port (COM3)" gives 3).
std::optional<int32_t> AcceptTypedPort(const std::string& text);
std::optional<int32_t> AcceptChosenPort(const std::string& text);

// The port list as it is to be shown after a refill.
struct datPortListRefill {
    bool replaced = false;           // the items changed and are to be shown anew
    std::vector<std::string> items;  // the list to show (equal to the shown one when unchanged)
    int32_t selected = -1;           // the item of the remembered number, -1 for none
};

// The list refilled from the ports the system has now: the numbers (descriptions == false) or
// the descriptions of the ports. The item whose number is remembered is selected, so the choice
// stays on the same port however the list moved.
datPortListRefill RefillPortList(const cmcPortInfoSource& source, bool descriptions,
                                 const std::vector<std::string>& shown, int32_t remembered);
