#include "model/model_feature.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "model/eeprom.h"

namespace {

TEST(ModelFeature, ReadsModelFeaturesFromTheFeatureByte) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    struct Case {
        uint8_t featureByte;
        int32_t kinds[5];  // kinds 0-4
    };
    const Case cases[] = {
        {0x00, {0, 1, 0, 0, 0}}, {0x01, {1, 1, 0, 0, 0}}, {0x02, {0, 1, 0, 1, 0}},
        {0x04, {0, 1, 1, 0, 0}}, {0xF8, {0, 1, 0, 0, 0}}, {0xFF, {1, 1, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        image.SetByte(0x0B98, c.featureByte);
        for (int32_t kind = 0; kind < 5; ++kind)
            EXPECT_EQ(ModelHasFeature(image, kind), c.kinds[kind]) << int{c.featureByte} << kind;
        EXPECT_EQ(ModelHasFeature(image, -1), 0);
    }
}

}  // namespace
