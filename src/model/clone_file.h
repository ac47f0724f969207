#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/address_range.h"
#include "model/clone_file_result.h"
#include "platform/file_fault.h"

class cmcEeprom;

// Reads and writes clone files: a header line with the model code and sub-code, a "#Comment="
// line, a "#MapRev=" line, then hexadecimal data records of at most 16 bytes that never cross a
// 16-byte boundary. Lines end in CR LF; LF alone is read as well.
//
// A load checks the header, the map revision (at the first data line), every record, and, with a
// range list, that the file supplied exactly the listed addresses. A failed load leaves the image
// as it was. A save replaces the target only once the whole file is on the disk.
class cmcClnFile {
public:
    using MapRevisionCheck = std::function<bool(int32_t revision)>;
    using Reporter = std::function<void(CloneFileResult result)>;

    // Binds the image (not owned) and requires every address of it.
    void SetImage(cmcEeprom& image);
    void SetModelCode(int32_t code) { m_modelCode = code; }
    void SetSubCode(int32_t code) { m_subCode = code; }
    void SetComment(const std::string& comment) { m_comment = comment; }
    void SetMapRevision(int32_t revision) { m_mapRevision = revision; }
    // The revision found in the file after a load (-1 before).
    int32_t GetMapRevision() const { return m_mapRevision; }
    void SetMapRevisionCheck(MapRevisionCheck check) { m_mapRevisionCheck = std::move(check); }
    // Receives the result of every Save and Load, also success.
    void SetReporter(Reporter reporter) { m_reporter = std::move(reporter); }

    // ranges may be null for Load: then the addresses the file supplies are not judged.
    CloneFileResult Save(const std::string& path, const AddressRange* ranges);
    CloneFileResult Load(const std::string& path, const AddressRange* ranges);
    CloneFileResult CheckCoverage(const AddressRange* ranges);
    // Why the last Save or Load could not open, read or replace its file; none after success and
    // after the failures of the file's content.
    const datFileFault& LastFault() const { return m_fault; }

private:
    std::string ComposeText(const AddressRange* ranges) const;
    CloneFileResult ReadLines(std::string_view text);
    CloneFileResult ParseDataLine(const char* line, size_t length);
    CloneFileResult Report(CloneFileResult result) const;
    bool IsRangeUsable(const AddressRange& range) const;

    cmcEeprom* m_image = nullptr;
    int32_t m_modelCode = 0;
    int32_t m_subCode = 0;
    std::string m_comment;
    int32_t m_mapRevision = -1;
    MapRevisionCheck m_mapRevisionCheck;
    Reporter m_reporter;
    datFileFault m_fault;
    // One bit per image address, least significant bit first.
    std::vector<uint8_t> m_required;
    std::vector<uint8_t> m_loaded;
};

// The longest record a clone file holds, and the boundary records never cross.
constexpr int32_t kCloneRecordSize = 16;
