#include "radio_frames.h"

namespace {

constexpr char kUpperDigits[] = "0123456789ABCDEF";
constexpr char kLowerDigits[] = "0123456789abcdef";

int DigitValue(uint8_t character) {
    if (character >= '0' && character <= '9') return character - '0';
    if (character >= 'A' && character <= 'F') return character - 'A' + 10;
    if (character >= 'a' && character <= 'f') return character - 'a' + 10;
    return -1;
}

}  // namespace

SimBytes RadioFrame(uint8_t command, const SimBytes& payload) {
    SimBytes frame = {0xFE, 0xFE, 0xEF, 0xEE, command};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(0xFD);
    return frame;
}

std::string DataFrameText(int address, const SimBytes& data, const DataTextStyle& style) {
    SimBytes fields = {static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF),
                       static_cast<uint8_t>(data.size())};
    fields.insert(fields.end(), data.begin(), data.end());
    int sum = 0;
    for (const uint8_t byte : fields)
        sum += byte;
    fields.push_back(static_cast<uint8_t>((256 - sum % 256) % 256 + style.checksumError));
    const char* digits = style.lowerCase ? kLowerDigits : kUpperDigits;
    std::string text;
    for (const uint8_t byte : fields) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    if (style.extraDigit) text += '0';
    return text;
}

SimBytes EndPayload(int frameCount, const std::string& maker) {
    SimBytes payload(maker.begin(), maker.end());
    payload.push_back(static_cast<uint8_t>(kUpperDigits[(frameCount >> 4) & 0x0F]));
    payload.push_back(static_cast<uint8_t>(kUpperDigits[frameCount & 0x0F]));
    return payload;
}

std::optional<ProgramData> ParseProgramData(const SimBytes& text) {
    if (text.size() % 2 != 0 || text.size() < 8) return std::nullopt;
    SimBytes fields;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = DigitValue(text[i]);
        const int low = DigitValue(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        fields.push_back(static_cast<uint8_t>(high * 16 + low));
    }
    if (fields.size() != static_cast<size_t>(fields[2]) + 4) return std::nullopt;
    int sum = 0;
    for (const uint8_t byte : fields)
        sum += byte;
    if (sum % 256 != 0) return std::nullopt;
    return ProgramData{fields[0] * 256 + fields[1], SimBytes(fields.begin() + 3, fields.end() - 1)};
}
