#pragma once

#include <string>

class cmcEeprom;

// The comment a clone file carries: the image's comment bytes, each one the file cannot hold as
// a printable character made a blank, without trailing blanks.
std::string ImageComment(const cmcEeprom& image);
