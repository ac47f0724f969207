#pragma once

#include <cstdint>
#include <memory>

// A growable byte array with cheap removal from the front: the serial output buffer, the receive
// queue, the frame assembly buffer, the echo queue, the received-address map and every frame
// being built.
//
// Growth adds a quarter of the current size beyond the size asked for; bytes removed from the
// front are only given back when more than 4096 of them have piled up (or on Compact), so
// PopFront is constant time. An index outside the elements is a programming fault and ends the
// program: the clone driver checks every length before it indexes, so no byte from the radio
// can reach that fault.
class cmcBuff {
public:
    cmcBuff() { Reset(); }
    cmcBuff(const cmcBuff& other);
    cmcBuff& operator=(const cmcBuff& other);

    // Empty, with a fresh one-byte block.
    void Reset();
    // Sets the element count to n (negative counts as 0) and returns it. Growing beyond the
    // capacity allocates max(n + size / 4, 1) bytes and sets the new space to the fill byte;
    // within the capacity the bytes of the block are left as they are.
    int32_t Resize(int32_t n);

    int32_t Size() const { return m_size; }
    bool IsEmpty() const { return m_size == 0; }
    uint8_t* Data() { return m_block.get() + m_removed; }
    const uint8_t* Data() const { return m_block.get() + m_removed; }
    // Bytes available from the first element to the end of the block.
    int32_t Capacity() const { return m_capacity; }
    // Bytes removed from the front since the block was last allocated.
    int32_t Removed() const { return m_removed; }

    void Assign(const cmcBuff& other) { Assign(other.Data(), other.Size()); }
    void Assign(const uint8_t* bytes, int32_t n);
    void Append(const cmcBuff& other) { Append(other.Data(), other.Size()); }
    void Append(const uint8_t* bytes, int32_t n);
    void AppendByte(uint8_t value) { AppendFill(value, 1); }
    // n copies of value at the end.
    void AppendFill(uint8_t value, int32_t n);

    // Element i; 0 <= i < Size(), else fatal.
    uint8_t& At(int32_t i);
    uint8_t At(int32_t i) const;

    // Removes and returns the first element as 0..255, or -1 when empty.
    int PopFront();
    // Removes the first n elements (all of them when there are fewer), as n PopFront calls would.
    void DropFront(int32_t n);
    // Moves the elements into a block of exactly max(size, 1) bytes.
    void Compact();

private:
    void Reallocate(int32_t length);
    bool Holds(const uint8_t* bytes) const;

    std::unique_ptr<uint8_t[]> m_block;
    int32_t m_blockLength = 0;
    int32_t m_removed = 0;  // the first element's offset in the block
    int32_t m_size = 0;
    int32_t m_capacity = 0;
    uint8_t m_fill = 0;
};

// Removed front bytes beyond this count make the buffer compact itself.
constexpr int32_t kBuffCompactAfter = 4096;
