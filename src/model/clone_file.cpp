#include "model/clone_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>
#include <string_view>

#include "model/eeprom.h"
#include "platform/atomic_file.h"
#include "platform/regular_file.h"
#include "platform/string_format.h"

namespace {

// Lines are read in pieces of at most 767 characters, as into a 768-byte buffer: a longer line
// arrives as several pieces, and only the last of them ends in a newline.
constexpr size_t kLineBufferSize = 768;
constexpr size_t kMinDataLine = 8;    // one byte: address, count, two digits
constexpr size_t kMaxDataLine = 516;  // 255 bytes
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Reads a file's text in pieces as described above, folding CR LF into LF so that files written
// on any platform read the same.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    // False at the end of the text when nothing was read.
    bool ReadPiece(std::string& piece) {
        piece.clear();
        while (piece.size() < kLineBufferSize - 1 && m_position < m_text.size()) {
            char c = m_text[m_position++];
            if (c == '\r' && m_position < m_text.size() && m_text[m_position] == '\n')
                c = m_text[m_position++];
            piece.push_back(c);
            if (c == '\n') break;
        }
        return !piece.empty();
    }

private:
    std::string_view m_text;
    size_t m_position = 0;
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int32_t HexNumber(const char* digits, int count) {
    int32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value * 16 + HexValue(digits[i]);
    return value;
}

// The decimal number of a "#MapRev=" line: leading blanks, an optional sign, digits up to the
// first non-digit; no digits give 0. Values beyond the 32-bit range are clamped.
int32_t ParseDecimal(const std::string& text, size_t from) {
    size_t i = from;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{1} << 32);
    }
    value = negative ? -value : value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void AppendHexByte(std::string& text, uint8_t value) {
    text.push_back(kHexDigits[value >> 4]);
    text.push_back(kHexDigits[value & 0x0F]);
}

void SetBit(std::vector<uint8_t>& bitmap, int32_t address) {
    bitmap[static_cast<size_t>(address) / 8] |= static_cast<uint8_t>(1u << (address % 8));
}

}  // namespace

void cmcClnFile::SetImage(cmcEeprom& image) {
    m_image = &image;
    const size_t length = (static_cast<size_t>(std::max(image.GetSize(), 0)) + 7) / 8;
    m_required.assign(length, 0);
    m_loaded.assign(length, 0);
    for (int32_t address = 0; address < image.GetSize(); ++address)
        SetBit(m_required, address);
}

bool cmcClnFile::IsRangeUsable(const AddressRange& range) const {
    return !range.IsTerminator() && m_image->IsValidAddress(range.first) &&
           m_image->IsValidAddress(range.last);
}

CloneFileResult cmcClnFile::Report(CloneFileResult result) const {
    if (m_reporter) m_reporter(result);
    return result;
}

std::string cmcClnFile::ComposeText(const AddressRange* ranges) const {
    // A comment never breaks the line structure of the file.
    std::string comment = m_comment;
    std::replace_if(
        comment.begin(), comment.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::string text = StringPrintf("%04X%04X\r\n#Comment=%s\r\n#MapRev=%d\r\n", m_modelCode,
                                    m_subCode, comment.c_str(), m_mapRevision);
    for (const AddressRange* range = ranges; range && IsRangeUsable(*range); ++range) {
        int32_t address = range->first;
        while (address <= range->last) {
            const int32_t count =
                std::min(kCloneRecordSize - address % kCloneRecordSize, range->last - address + 1);
            text += StringPrintf("%04X%02X", address, count);
            for (int32_t i = 0; i < count; ++i)
                AppendHexByte(text, m_image->GetByte(address + i));
            text += "\r\n";
            address += count;
        }
    }
    return text;
}

CloneFileResult cmcClnFile::Save(const std::string& path, const AddressRange* ranges) {
    m_fault = {};
    if (!m_image) return Report(CloneFileResult::kFileOpen);
    switch (WriteFileAtomically(path, ComposeText(ranges), &m_fault)) {
        case AtomicWriteResult::kOk:
            return Report(CloneFileResult::kOk);
        case AtomicWriteResult::kCannotCreate:
            return Report(CloneFileResult::kFileOpen);
        case AtomicWriteResult::kWriteFailed:
            break;
    }
    return Report(CloneFileResult::kFileAccess);
}

CloneFileResult cmcClnFile::Load(const std::string& path, const AddressRange* ranges) {
    m_fault = {};
    if (!m_image) return Report(CloneFileResult::kFileOpen);
    cmcEeprom before;
    before.Assign(*m_image);
    std::fill(m_loaded.begin(), m_loaded.end(), 0);
    m_mapRevision = -1;

    std::string text;
    CloneFileResult result = CloneFileResult::kFileOpen;
    switch (ReadRegularFile(path, kMaxReadFileSize, text, m_fault)) {
        case FileReadResult::kOk:
            result = ReadLines(text);
            if (result == CloneFileResult::kOk && ranges) result = CheckCoverage(ranges);
            break;
        case FileReadResult::kCannotOpen:
            break;
        case FileReadResult::kReadFailed:
            result = CloneFileResult::kFileAccess;
            break;
    }
    if (result != CloneFileResult::kOk) m_image->Assign(before);
    return Report(result);
}

CloneFileResult cmcClnFile::ReadLines(std::string_view text) {
    LineReader reader(text);
    std::string line;
    if (!reader.ReadPiece(line)) return CloneFileResult::kFormat;
    if (line.size() != 9 || line[8] != '\n' ||
        !std::all_of(line.begin(), line.begin() + 8,
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        return CloneFileResult::kFormat;
    }
    // The header's digits are decimal characters read as hexadecimal groups.
    if (HexNumber(line.data(), 4) != m_modelCode) return CloneFileResult::kModel;
    if (HexNumber(line.data() + 4, 4) != m_subCode) return CloneFileResult::kExtra;

    bool revisionChecked = false;
    bool continued = false;  // the piece goes on a line too long for the buffer
    while (reader.ReadPiece(line)) {
        // Before the first record the revision is not judged yet: a damaged line there is a
        // damaged line, not a memory layout this program does not know.
        const bool damaged = continued || line == "\n";
        continued = line.back() != '\n';
        if (damaged) return CloneFileResult::kFormat;
        if (line[0] == '#') {
            // The number follows "#MapRev=", eight characters into the line.
            if (line.find("MapRev=") != std::string::npos) m_mapRevision = ParseDecimal(line, 8);
            continue;
        }
        if (!revisionChecked) {
            revisionChecked = true;
            if (!m_mapRevisionCheck || !m_mapRevisionCheck(m_mapRevision)) {
                return CloneFileResult::kMapRev;
            }
        }
        // The last character is the newline; a final line without one loses a digit instead.
        const CloneFileResult result = ParseDataLine(line.data(), line.size() - 1);
        if (result != CloneFileResult::kOk) return result;
    }
    return CloneFileResult::kOk;
}

CloneFileResult cmcClnFile::ParseDataLine(const char* line, size_t length) {
    if (length < kMinDataLine || length > kMaxDataLine) return CloneFileResult::kFormat;
    if (!std::all_of(line, line + length, [](char c) { return HexValue(c) >= 0; })) {
        return CloneFileResult::kFormat;
    }
    const int32_t address = HexNumber(line, 4);
    const int32_t count = HexNumber(line + 4, 2);
    if (length != 6 + 2 * static_cast<size_t>(count)) return CloneFileResult::kFormat;
    if (!m_image->IsValidAddress(address) || !m_image->IsValidAddress(address + count - 1)) {
        return CloneFileResult::kData;
    }
    for (int32_t i = 0; i < count; ++i) {
        m_image->SetByte(address + i, static_cast<uint8_t>(HexNumber(line + 6 + 2 * i, 2)));
        SetBit(m_loaded, address + i);
    }
    return CloneFileResult::kOk;
}

CloneFileResult cmcClnFile::CheckCoverage(const AddressRange* ranges) {
    if (!ranges || m_loaded.empty()) return CloneFileResult::kCoverage;
    std::fill(m_required.begin(), m_required.end(), 0);
    for (const AddressRange* range = ranges; IsRangeUsable(*range); ++range) {
        for (int32_t address = range->first; address <= range->last; ++address) {
            SetBit(m_required, address);
        }
    }
    if (m_loaded == m_required) return CloneFileResult::kOk;
    for (size_t i = 0; i < m_loaded.size(); ++i) {
        if (m_loaded[i] & ~m_required[i]) return CloneFileResult::kData;
    }
    return CloneFileResult::kCoverage;
}
