#include "overlay/hash.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fatal_trap.h"

namespace {

TEST(HashBucketOf, FollowsTheProgramsHashFunction) {
    struct Case {
        std::string key;
        uint32_t buckets;
        uint32_t bucket;
    };
    // Worked by hand: h = h * 2 + step + byte, step halves after a byte followed by an odd one.
    const Case cases[] = {
        {"", 1031, 0},          {"A", 1031, 580},  // 0 * 2 + 515 + 65
        {"AB", 1031, 710},       // 'B' is even: step stays 515; 580 * 2 + 515 + 66 = 1741
        {"AC", 1031, 453},       // 'C' is odd: step 257; 580 * 2 + 257 + 67 = 1484
        {"A", 0, 580},           // 0 buckets means 1031
        {"\xFF", 1031, 514},     // bytes are signed: 515 - 1
        {"ABC", 1, 0},           // one bucket: step is 0 throughout
        {"\x01\x01\x01", 5, 4},  // half 2: step 2, then 1, then 0 restarts at 2: 3, 8, 19
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HashBucketOf(c.key, c.buckets), c.bucket) << "key '" << c.key << "'";
    }
}

TEST(cmcHash, FindsWholeKeysCaseSensitively) {
    cmcHash hash;
    EXPECT_EQ(hash.BucketCount(), 1031u);
    hash.Insert("CL_Null", 0);
    hash.Insert("Flex0", 1);
    ASSERT_NE(hash.Find("Flex0"), nullptr);
    EXPECT_EQ(*hash.Find("Flex0"), 1);
    EXPECT_EQ(*hash.Find("CL_Null"), 0);
    EXPECT_EQ(hash.Find("flex0"), nullptr);
    EXPECT_EQ(hash.Find("Flex"), nullptr);
    EXPECT_EQ(hash.Find("Flex0 "), nullptr);
}

TEST(cmcHash, ADuplicateKeyIsFatal) {
    cmcHash hash(101);
    hash.Insert("clRed", 0xFF);
    EXPECT_EQ(CatchFatal([&] { hash.Insert("clRed", 1); }), "Overlapped Hash table.");

    int target = 0;
    cmcHash2<int> pointers;
    pointers.Insert("GI_Sheet_IntCh", &target);
    EXPECT_EQ(*pointers.Find("GI_Sheet_IntCh"), &target);
    EXPECT_EQ(CatchFatal([&] { pointers.Insert("GI_Sheet_IntCh", nullptr); }),
              "Overlapped Hash2 table.");
}

TEST(cmcHash, ChainsGrowWithoutLimit) {
    for (uint32_t buckets : {1031u, 1u}) {
        cmcHash hash(buckets);
        for (int32_t i = 0; i < 1031; ++i)
            hash.Insert("key" + std::to_string(i), i);
        for (int32_t i = 0; i < 1031; ++i) {
            const int32_t* value = hash.Find("key" + std::to_string(i));
            ASSERT_NE(value, nullptr) << i;
            EXPECT_EQ(*value, i);
        }
    }
}

}  // namespace
