#include "model/soft_key_rule.h"

#include "model/eeprom.h"
#include "model/model_class.h"

namespace {

constexpr int32_t kBandFlags = 0x0B98;
constexpr int32_t kFunctionFlags = 0x0B99;
constexpr int32_t kSpeakerFlags = 0x0E80;

bool Bit(const cmcEeprom& image, int32_t address, int bit) {
    return (image.GetByte(address) >> bit) & 1;
}

}  // namespace

bool IsSoftKeyRefused(const cmcEeprom& image, int32_t modelType, int32_t value) {
    const bool scan = Bit(image, kBandFlags, 4);
    switch (value) {
        case 0:
            return !scan;
        case 1:
            return !Bit(image, kFunctionFlags, 6) && !Bit(image, kFunctionFlags, 7);
        case 9:
            return !Bit(image, kFunctionFlags, 2);
        case 10:
            return !scan && !IsModelClassB(modelType);
        case 7:
            return !Bit(image, kSpeakerFlags, 0);
        case 4:
            return !Bit(image, kSpeakerFlags, 2);
        case 5:
            return !Bit(image, kSpeakerFlags, 4);
        case 6:
            return !Bit(image, kSpeakerFlags, 1);
        default:
            return false;
    }
}
