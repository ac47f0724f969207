#include "model/model_feature.h"

#include "model/eeprom.h"

namespace {

// Which bit of the feature byte stands for a feature kind; kind 1 every radio has.
struct FeatureRow {
    int32_t kind;
    uint8_t mask;  // 0: always present
};
constexpr FeatureRow kFeatures[] = {{0, 0x01}, {1, 0x00}, {2, 0x04}, {3, 0x02}};

}  // namespace

int32_t ModelHasFeature(const cmcEeprom& image, int32_t kind) {
    for (const FeatureRow& row : kFeatures) {
        if (row.kind != kind) continue;
        if (row.mask == 0) return 1;
        return (image.GetByte(kFeatureByteAddress) & row.mask) != 0 ? 1 : 0;
    }
    return 0;
}
