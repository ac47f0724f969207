#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// One copy of the radio's EEPROM as a flat byte array. It knows nothing of the memory map: it
// stores bytes, checks addresses, and copies and compares whole images. Images are copied only
// through Assign, never shared.
class cmcEeprom {
public:
    cmcEeprom() = default;
    cmcEeprom(const cmcEeprom&) = delete;
    cmcEeprom& operator=(const cmcEeprom&) = delete;

    // Resizes to count bytes and clears every byte to 0x00, also when the size is unchanged.
    // count <= 0 leaves an empty image.
    void SetSize(int32_t count);
    int32_t GetSize() const { return m_size; }
    bool IsValidAddress(int32_t address) const { return address >= 0 && address < m_size; }
    void Fill(uint8_t value);

    // Addresses outside the image are programming errors and end the program.
    void SetByte(int32_t address, uint8_t value);
    uint8_t GetByte(int32_t address) const;

    // Block copies do nothing at all unless the whole block lies inside the image.
    void WriteBlock(int32_t address, const uint8_t* source, int32_t count);
    void ReadBlock(int32_t address, uint8_t* destination, int32_t count) const;

    // Makes this image a byte-for-byte copy of other, size included.
    void Assign(const cmcEeprom& other);
    bool Equals(const cmcEeprom& other) const;
    bool Differs(const cmcEeprom& other) const { return !Equals(other); }

    // While a log is set, every address read by GetByte or ReadBlock is appended to it: the
    // image comparison learns so which bytes a cell's text depends on. nullptr stops logging.
    void SetReadLog(std::vector<int32_t>* log) const { m_readLog = log; }

private:
    bool IsValidBlock(int32_t address, int32_t count) const;

    int32_t m_size = 0;
    std::unique_ptr<uint8_t[]> m_data;
    mutable std::vector<int32_t>* m_readLog = nullptr;
};

// The radio's image: addresses 0x0000-0x472F.
constexpr int32_t kImageSize = 18224;
