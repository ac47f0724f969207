#include "clone/clone_frame.h"

#include <cstring>
#include <vector>

#include "clone/hex_text.h"
#include "platform/string_format.h"

namespace {

constexpr int32_t kShortestReadFrame = 12;
constexpr int32_t kLongestReadFrame = 522;

// Upper-case hexadecimal digits only: the radio never sends lower case.
int UpperHexValue(uint8_t digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return -1;
}

void AppendText(cmcBuff& out, const std::string& text) {
    out.Append(reinterpret_cast<const uint8_t*>(text.data()), static_cast<int32_t>(text.size()));
}

void SetMapBit(cmcBuff& map, int32_t address) {
    map.At(address / 8) |= static_cast<uint8_t>(1u << (address % 8));
}

}  // namespace

uint8_t DataFrameChecksum(int32_t address, const uint8_t* data, int32_t length) {
    uint32_t sum = static_cast<uint32_t>(address >> 8) + static_cast<uint32_t>(address) +
                   static_cast<uint32_t>(length);
    for (int32_t i = 0; i < length; ++i)
        sum += data[i];
    return static_cast<uint8_t>(0x100 - (sum & 0xFF));
}

void AppendDataFrame(cmcBuff& out, const cmcEeprom& image, int32_t address, int32_t length,
                     int32_t preamble) {
    std::vector<uint8_t> data(static_cast<size_t>(length));
    for (int32_t i = 0; i < length; ++i)
        data[i] = image.GetByte(address + i);
    out.AppendFill(kFrameStart, preamble);
    out.Append(HexToBytes("FEFE EEEF E4"));
    std::string text = StringPrintf("%04X%02X", address & 0xFFFF, length & 0xFF);
    for (const uint8_t byte : data)
        text += StringPrintf("%02X", byte);
    text += StringPrintf("%02X", DataFrameChecksum(address, data.data(), length));
    AppendText(out, text);
    out.AppendByte(kFrameEnd);
}

void AppendEndFrame(cmcBuff& out, int32_t frameCount) {
    out.Append(HexToBytes("FEFE EEEF E5"));
    AppendText(out, kCloneMakerName);
    AppendText(out, StringPrintf("%02X", frameCount & 0xFF));
    out.AppendByte(kFrameEnd);
}

std::optional<CloneResult> ParseDataFrame(const uint8_t* text, int32_t length, int32_t imageSize,
                                          dst_CDrv_Result& result, int32_t& dataByteCount) {
    if (length % 2 != 0) return CloneResult::kFrame;
    std::vector<uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(length / 2));
    for (int32_t i = 0; i < length; i += 2) {
        const int high = UpperHexValue(text[i]);
        const int low = UpperHexValue(text[i + 1]);
        if (high < 0 || low < 0) return CloneResult::kFrame;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    if (bytes.size() < 4) return CloneResult::kFrame;
    const int32_t address = bytes[0] << 8 | bytes[1];
    const int32_t count = bytes[2];
    if (static_cast<int32_t>(bytes.size()) != count + 4) return CloneResult::kFrame;
    uint8_t sum = 0;
    for (const uint8_t byte : bytes)
        sum = static_cast<uint8_t>(sum + byte);
    if (sum != 0) return CloneResult::kFrame;
    if (count > 0 &&
        (address + count > imageSize || !result.image.IsValidAddress(address + count - 1)))
        return CloneResult::kAddress;

    result.image.WriteBlock(address, bytes.data() + 3, count);
    // The map only grows: bits of earlier frames stay set.
    const int32_t mapLength = (address + count + 7) / 8;
    if (mapLength > result.receivedMap.Size()) {
        const int32_t old = result.receivedMap.Size();
        result.receivedMap.Resize(mapLength);
        std::memset(result.receivedMap.Data() + old, 0, static_cast<size_t>(mapLength - old));
    }
    for (int32_t i = 0; i < count; ++i)
        SetMapBit(result.receivedMap, address + i);
    dataByteCount += count;
    return std::nullopt;
}

std::optional<CloneResult> CheckReadFrame(const cmcBuff& frame, int32_t frameCount,
                                          int32_t imageSize, dst_CDrv_Result& result,
                                          int32_t& dataByteCount) {
    const int32_t size = frame.Size();
    if (size < kShortestReadFrame || size > kLongestReadFrame ||
        std::memcmp(frame.Data(), kRadioFrameHeader, sizeof kRadioFrameHeader) != 0)
        return CloneResult::kFrame;
    const uint8_t* rest = frame.Data() + 4;
    const int32_t restLength = size - 4;
    switch (frame.At(3)) {
        case kCommandData:
            return ParseDataFrame(rest, restLength, imageSize, result, dataByteCount);
        case kCommandEnd: {
            if (restLength != kCloneMakerNameLength + 2 ||
                std::memcmp(rest, kCloneMakerName, kCloneMakerNameLength) != 0)
                return CloneResult::kFrame;
            const std::string count = StringPrintf("%02X", frameCount & 0xFF);
            if (std::memcmp(rest + kCloneMakerNameLength, count.data(), 2) != 0)
                return CloneResult::kFrameCount;
            return CloneResult::kOk;
        }
        default:
            return CloneResult::kFrame;
    }
}

CloneResult CheckCoverage(const AddressRange* ranges, int32_t imageSize,
                          const cmcBuff& receivedMap) {
    const int32_t mapLength = (imageSize + 7) / 8;
    std::vector<uint8_t> expected(static_cast<size_t>(mapLength), 0);
    for (const AddressRange* range = ranges; !range->IsTerminator(); ++range) {
        for (int32_t address = range->first; address <= range->last; ++address) {
            if (address >= 0 && address < imageSize)
                expected[address / 8] |= static_cast<uint8_t>(1u << (address % 8));
        }
    }
    if (receivedMap.Size() > mapLength) return CloneResult::kAddress;
    bool missing = false;
    for (int32_t i = 0; i < mapLength; ++i) {
        const uint8_t received = i < receivedMap.Size() ? receivedMap.At(i) : 0;
        if (received & ~expected[i]) return CloneResult::kAddress;
        if (received != expected[i]) missing = true;
    }
    return missing ? CloneResult::kMissingData : CloneResult::kOk;
}
