#include "clone/hex_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(HexToBytes, PairsNibblesHighFirstAndSkipsOtherCharacters) {
    struct Case {
        std::string text;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"FEFE EE EF E0 3338 0000 FD",
         {0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0x33, 0x38, 0x00, 0x00, 0xFD}},
        {"fe-Fe:0a", {0xFE, 0xFE, 0x0A}},
        {"ABC", {0xAB, 0xC0}},  // a nibble left over takes the high half
        {"F E", {0xFE}},        // a skipped character between the two nibbles of a byte
        {"xyz ()", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const cmcBuff bytes = HexToBytes(c.text);
        EXPECT_EQ(std::vector<uint8_t>(bytes.Data(), bytes.Data() + bytes.Size()), c.bytes)
            << c.text;
    }
}

}  // namespace
