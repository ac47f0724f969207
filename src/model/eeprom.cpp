#include "model/eeprom.h"

#include <algorithm>
#include <cstring>

#include "platform/fatal.h"

void cmcEeprom::SetSize(int32_t count) {
    if (count != m_size) {
        m_data.reset();
        m_size = 0;
        if (count > 0) {
            m_data = std::make_unique<uint8_t[]>(static_cast<size_t>(count));
            m_size = count;
        }
    }
    Fill(0x00);
}

void cmcEeprom::Fill(uint8_t value) {
    if (m_size > 0) std::fill_n(m_data.get(), m_size, value);
}

void cmcEeprom::SetByte(int32_t address, uint8_t value) {
    if (!IsValidAddress(address)) FatalError("Out of EEPROM image address (SetByte).");
    m_data[static_cast<size_t>(address)] = value;
}

uint8_t cmcEeprom::GetByte(int32_t address) const {
    if (!IsValidAddress(address)) FatalError("Out of EEPROM image address (GetByte).");
    if (m_readLog) m_readLog->push_back(address);
    return m_data[static_cast<size_t>(address)];
}

bool cmcEeprom::IsValidBlock(int32_t address, int32_t count) const {
    // Compared in 64 bits so that a huge count cannot wrap around.
    return IsValidAddress(address) && count > 0 && static_cast<int64_t>(address) + count <= m_size;
}

void cmcEeprom::WriteBlock(int32_t address, const uint8_t* source, int32_t count) {
    if (IsValidBlock(address, count)) std::memcpy(m_data.get() + address, source, count);
}

void cmcEeprom::ReadBlock(int32_t address, uint8_t* destination, int32_t count) const {
    if (!IsValidBlock(address, count)) return;
    std::memcpy(destination, m_data.get() + address, count);
    if (m_readLog)
        for (int32_t at = address; at < address + count; ++at)
            m_readLog->push_back(at);
}

void cmcEeprom::Assign(const cmcEeprom& other) {
    if (&other == this) return;
    SetSize(other.m_size);
    other.ReadBlock(0, m_data.get(), m_size);
}

bool cmcEeprom::Equals(const cmcEeprom& other) const {
    if (m_size != other.m_size) return false;
    return m_size == 0 || std::memcmp(m_data.get(), other.m_data.get(), m_size) == 0;
}
