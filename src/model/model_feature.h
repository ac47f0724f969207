#pragma once

#include <cstdint>

class cmcEeprom;

// Model-dependent features, for the engine's model-dependent cells: 1 when the radio whose image
// this is has the feature of kind, else 0.
int32_t ModelHasFeature(const cmcEeprom& image, int32_t kind);

// The byte of the image whose bits say which optional features the radio has.
constexpr int32_t kFeatureByteAddress = 0x0B98;
