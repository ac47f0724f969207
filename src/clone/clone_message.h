#pragma once

#include <cstdint>
#include <string>

#include "clone/clone_result.h"
#include "platform/serial_line.h"

class cmcGTex;

// The one message a failed clone operation shows: the head line of its code (for a port that
// cannot be opened, with the port number port), then the hints that fit the code. When the system
// refused the port to this user, a hint on how to get the permission comes first.
// Success composes nothing ("").
std::string ComposeCloneError(cmcGTex& gtex, CloneResult code, int32_t port,
                              const datPortProblem& problem);

// The overlay section of the permission hint; its lines up to the first "#" form the text, in
// which {user}, {group} and {device} stand for the user, the device's group and the device.
constexpr const char* kPermissionHintKey = "GI_Mess_CloneErr_Permission";
