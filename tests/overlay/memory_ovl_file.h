#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "overlay/overlay_file.h"

// An overlay file held in memory that counts the bytes the store reads from it and how far into
// the file it has read.
struct OvlReadCount {
    uint64_t bytes = 0;
    uint64_t furthest = 0;  // offset just past the last byte read
};

class MemoryOvlFile : public cmcOvlFile {
public:
    MemoryOvlFile(const std::string& text, OvlReadCount& count) : m_text(text), m_count(count) {}

    size_t ReadAt(uint64_t offset, char* buffer, size_t count) override {
        if (offset >= m_text.size()) return 0;
        const size_t copied = std::min<size_t>(count, m_text.size() - offset);
        std::memcpy(buffer, m_text.data() + offset, copied);
        m_count.bytes += copied;
        m_count.furthest = std::max<uint64_t>(m_count.furthest, offset + copied);
        return copied;
    }

private:
    const std::string& m_text;
    OvlReadCount& m_count;
};

// An opener that serves text for every path; the text and the count must outlive the store.
inline OvlFileOpener MemoryOpener(const std::string& text, OvlReadCount& count) {
    return [&text, &count](const std::string&) -> std::unique_ptr<cmcOvlFile> {
        return std::make_unique<MemoryOvlFile>(text, count);
    };
}
