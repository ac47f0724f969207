#pragma once

#include <cstdint>

class cmcEeprom;

// Whether the radio refuses a soft-key function: a key may not call up a function the radio has
// switched off (scan, dual or tri watch, the AquaQuake drain, the intercom, the loud hailer, the
// external speaker, the horn).
bool IsSoftKeyRefused(const cmcEeprom& image, int32_t modelType, int32_t value);
