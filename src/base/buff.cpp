#include "base/buff.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/fatal.h"

cmcBuff::cmcBuff(const cmcBuff& other) {
    Reset();
    Assign(other);
}

cmcBuff& cmcBuff::operator=(const cmcBuff& other) {
    if (&other != this) Assign(other);
    return *this;
}

void cmcBuff::Reset() {
    m_block = std::make_unique<uint8_t[]>(1);
    m_blockLength = 1;
    m_removed = 0;
    m_size = 0;
    m_capacity = 1;
    m_fill = 0;
}

void cmcBuff::Reallocate(int32_t length) {
    auto block = std::make_unique<uint8_t[]>(static_cast<size_t>(length));
    const int32_t kept = std::min(m_size, length);
    if (kept > 0) std::memcpy(block.get(), Data(), static_cast<size_t>(kept));
    std::fill(block.get() + kept, block.get() + length, m_fill);
    m_block = std::move(block);
    m_blockLength = length;
    m_removed = 0;
    m_capacity = length;
}

int32_t cmcBuff::Resize(int32_t n) {
    n = std::max(n, 0);
    if (n > m_capacity) {
        const int64_t length = static_cast<int64_t>(n) + m_size / 4;
        Reallocate(static_cast<int32_t>(std::clamp<int64_t>(length, 1, INT32_MAX)));
    }
    m_size = n;
    return n;
}

bool cmcBuff::Holds(const uint8_t* bytes) const {
    return bytes >= m_block.get() && bytes < m_block.get() + m_blockLength;
}

void cmcBuff::Assign(const uint8_t* bytes, int32_t n) {
    if (n <= 0) {
        Resize(0);
        return;
    }
    if (Holds(bytes)) {
        const std::vector<uint8_t> copy(bytes, bytes + n);
        Assign(copy.data(), n);
        return;
    }
    Resize(n);
    std::memcpy(Data(), bytes, static_cast<size_t>(n));
}

void cmcBuff::Append(const uint8_t* bytes, int32_t n) {
    if (n <= 0) return;
    if (Holds(bytes)) {
        const std::vector<uint8_t> copy(bytes, bytes + n);
        Append(copy.data(), n);
        return;
    }
    const int32_t end = m_size;
    Resize(end + n);
    std::memcpy(Data() + end, bytes, static_cast<size_t>(n));
}

void cmcBuff::AppendFill(uint8_t value, int32_t n) {
    if (n <= 0) return;
    const int32_t end = m_size;
    Resize(end + n);
    std::memset(Data() + end, value, static_cast<size_t>(n));
}

uint8_t& cmcBuff::At(int32_t i) {
    if (i < 0 || i >= m_size) FatalError("Out of cmcBuff element !");
    return Data()[i];
}

uint8_t cmcBuff::At(int32_t i) const {
    if (i < 0 || i >= m_size) FatalError("Out of cmcBuff element !");
    return Data()[i];
}

int cmcBuff::PopFront() {
    if (m_size == 0) return -1;
    const int value = Data()[0];
    DropFront(1);
    return value;
}

void cmcBuff::DropFront(int32_t n) {
    n = std::clamp(n, 0, m_size);
    m_removed += n;
    m_size -= n;
    m_capacity -= n;
    if (m_removed > kBuffCompactAfter) Compact();
}

void cmcBuff::Compact() {
    Reallocate(std::max(m_size, 1));
}
