#include "overlay/hash.h"

uint32_t HashBucketOf(std::string_view key, uint32_t bucketCount) {
    const uint32_t n = bucketCount == 0 ? cmcChainedHash<int32_t>::kDefaultBuckets : bucketCount;
    const uint32_t half = n >> 1;
    uint32_t step = half;
    uint32_t h = 0;
    for (size_t i = 0; i < key.size(); ++i) {
        // Bytes count as signed: keys with bytes above 0x7F land where they always have.
        const auto c = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(key[i])));
        h = h * 2 + step + c;
        const auto following = i + 1 < key.size() ? static_cast<uint8_t>(key[i + 1]) : 0;
        if ((following & 1) != 0) {
            step >>= 1;
            if (step == 0) step = half;
        }
    }
    return h % n;
}
