#pragma once

#include <cstdint>

class cmcEeprom;

// When an image is normalised: after it was loaded (a clone file, the radio, an initial file), or
// just before it is written (saved or sent to the radio), when a few more settings follow the
// template.
namespace clsNormaliseMode {
constexpr int32_t kAfterLoad = 0;
constexpr int32_t kBeforeWrite = 1;
}  // namespace clsNormaliseMode

// Brings an image that came from outside in line with the template image of the model type: the
// areas this model type fixes come from the template, names lose the characters the radio cannot
// show, broken identification numbers and an older factory block are replaced by the template's,
// and the factory block's copy gets a fresh check value. Everything else keeps the image's own
// value. The template may be the image itself (the template is normalised when it is loaded).
//
// Both images must be full radio images; a shorter one is a programming fault.
void NormaliseImage(cmcEeprom& image, const cmcEeprom& templ, int32_t modelType, int32_t mode);
