#pragma once

#include <cstdint>
#include <forward_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fatal.h"

// Bucket of a key in a table of bucketCount buckets (0 means the default 1031). The function is
// the one the program has always used; name tables are small, so its spread matters more than its
// speed.
uint32_t HashBucketOf(std::string_view key, uint32_t bucketCount);

// String-keyed hash table with chained buckets. A key may be inserted once: a second insert is a
// fault in the compiled-in tables or in the overlay and ends the program with overlapText.
template <typename Value>
class cmcChainedHash {
public:
    static constexpr uint32_t kDefaultBuckets = 1031;

    cmcChainedHash(uint32_t bucketCount, const char* overlapText)
        : m_buckets(bucketCount == 0 ? kDefaultBuckets : bucketCount), m_overlapText(overlapText) {}

    void Insert(std::string_view key, Value value) {
        if (Find(key) != nullptr) FatalError(m_overlapText);
        m_buckets[BucketOf(key)].push_front(Entry{std::string(key), value});
    }

    // The value stored under the whole key (case-sensitive), or none.
    const Value* Find(std::string_view key) const {
        for (const Entry& entry : m_buckets[BucketOf(key)]) {
            if (entry.key == key) return &entry.value;
        }
        return nullptr;
    }

    uint32_t BucketCount() const { return static_cast<uint32_t>(m_buckets.size()); }

private:
    struct Entry {
        std::string key;
        Value value;
    };

    uint32_t BucketOf(std::string_view key) const { return HashBucketOf(key, BucketCount()); }

    std::vector<std::forward_list<Entry>> m_buckets;
    const char* m_overlapText;
};

// Names to numbers: the cell name registry and the colour table.
class cmcHash : public cmcChainedHash<int32_t> {
public:
    explicit cmcHash(uint32_t bucketCount = 0)
        : cmcChainedHash(bucketCount, "Overlapped Hash table.") {}
};

// Names to objects that the caller owns (a sheet's cell lists).
template <typename Target>
class cmcHash2 : public cmcChainedHash<Target*> {
public:
    explicit cmcHash2(uint32_t bucketCount = 0)
        : cmcChainedHash<Target*>(bucketCount, "Overlapped Hash2 table.") {}
};
