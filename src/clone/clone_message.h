#pragma once

#include <cstdint>
#include <string>

#include "clone/clone_result.h"
#include "platform/serial_line.h"

class cmcGTex;

// The one message a failed clone operation shows: the head line of its code (for a port that
// cannot be opened, with the port number port), then the hints that fit the code. When the system
// refused the port to this user, a hint on how to get the permission comes first; any other
// known cause adds a line that names the device and the cause. A write that failed after data
// went out (partlyWritten) says before the hints that the radio may now hold a partly written
// memory, and how to restore it. Success composes nothing ("").
std::string ComposeCloneError(cmcGTex& gtex, CloneResult code, int32_t port,
                              const datPortProblem& problem, bool partlyWritten = false);

// The overlay section of the permission hint; its lines up to the first "#" form the text, in
// which {user}, {group} and {device} stand for the user, the device's group and the device.
constexpr const char* kPermissionHintKey = "GI_Mess_CloneErr_Permission";
// The cause lines of a port that cannot be opened, one per cause (no device, busy, not a serial
// line, settings refused, any other), in which {device} stands for the device and {cause} for
// the system's words.
constexpr const char* kPortCauseKey = "GI_Mess_CloneErr_PortCause";
constexpr const char* kPartlyWrittenKey = "GI_Mess_CloneErr_PartlyWritten";
