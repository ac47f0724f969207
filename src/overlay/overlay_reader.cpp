#include "overlay/overlay_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/fatal.h"
#include "platform/string_format.h"

namespace {

// A physical line longer than this is read in pieces of this many bytes, each a line of its own.
constexpr size_t kMaxLineBytes = 8191;
constexpr size_t kBlockBytes = 4096;
constexpr int kFrontPlaces = 11;  // sections found beyond these places move to the front
constexpr std::string_view kEndKey = "End_Of_Ovl";

// A line as the C runtime would hand it over: a NUL byte ends its text.
void CutAtNul(std::string& line) {
    const size_t nul = line.find('\0');
    if (nul != std::string::npos) line.resize(nul);
}

// "#" followed by anything but the newline or the end of the text opens a section.
bool IsSectionHeader(const std::string& line) {
    return line.size() >= 2 && line[0] == '#' && line[1] != '\n';
}

std::string_view WithoutNewline(const std::string& line) {
    const std::string_view text(line);
    return text.substr(0, text.find('\n'));
}

}  // namespace

cmcOvlReader::cmcOvlReader(OvlFileOpener opener) : m_opener(std::move(opener)) {
    m_cacheEntries[kCacheSentinel].next = kCacheSentinel;
    m_cacheEntries[kCacheSentinel].previous = kCacheSentinel;
}

bool cmcOvlReader::SetSourceFile(const std::string& path) {
    if (m_source != Source::None) return false;
    m_fileName = path;
    m_source = Source::File;
    return true;
}

bool cmcOvlReader::SetSourceLines(const std::vector<std::string>& lines) {
    if (m_source != Source::None) return false;
    m_lines = &lines;
    m_source = Source::Lines;
    return true;
}

std::string cmcOvlReader::GetLine(std::string_view key, int32_t index) {
    OvlSection* section = FindSection(key);
    if (section == nullptr || !m_opened) OvlKeyNotFound(key);
    uint64_t from = section->memoPosition;
    int64_t skip = int64_t{index} - section->memoIndex;
    if (index < section->memoIndex) {
        from = section->start;
        skip = index;
    }
    if (!Seek(from)) OvlKeyNotFound(key);
    for (int64_t i = 0; i < skip; ++i) {
        if (!ReadSectionLine()) OvlKeyNotFound(key);
    }
    if (!ReadSectionLine()) OvlKeyNotFound(key);
    section->memoIndex = std::max<int64_t>(index, 0) + 1;
    section->memoPosition = m_position;
    return std::string(WithoutNewline(m_line));
}

bool cmcOvlReader::HasKey(std::string_view key) {
    return FindSection(key) != nullptr && m_opened;
}

void OvlKeyNotFound(std::string_view key) {
    FatalError(
        StringPrintf("GTEX Error !\nThe index '%s' was not found.", std::string(key).c_str()));
}

bool cmcOvlReader::Open() {
    if (m_source == Source::Lines) {
        m_opened = m_lines != nullptr;
    } else if (m_source == Source::File && !m_fileName.empty() && m_opener) {
        m_file = m_opener(m_fileName);
        m_opened = m_file != nullptr;
    }
    if (m_opened) m_position = 0;
    return m_opened;
}

bool cmcOvlReader::Seek(uint64_t position) {
    if (!m_opened) return false;
    m_position = position;
    return true;
}

bool cmcOvlReader::ReadLine() {
    return m_source == Source::Lines ? ReadListLine() : ReadFileLine();
}

bool cmcOvlReader::ReadSectionLine() {
    return m_source == Source::Lines ? ReadListLine() : ReadFileLineCached();
}

bool cmcOvlReader::ReadListLine() {
    // Reaching the end of the list is the end of the input.
    if (m_position >= m_lines->size()) return false;
    const char* text = (*m_lines)[m_position].c_str();
    const size_t length = strnlen(text, kMaxLineBytes);
    // Unlike a file line, the rest of an over-long list line is not read as a further line.
    m_line.assign(text, length);
    if (length < kMaxLineBytes) m_line += '\n';
    ++m_position;
    return true;
}

bool cmcOvlReader::LoadBlockAt(uint64_t position) {
    if (position >= m_blockStart && position - m_blockStart < m_blockLength) return true;
    m_block.resize(kBlockBytes);
    m_blockStart = position;
    m_blockLength = m_file->ReadAt(position, m_block.data(), m_block.size());
    return m_blockLength > 0;
}

bool cmcOvlReader::ReadFileLine() {
    // Read as a text-mode stream reads: a CR LF pair is one newline, so that files with either
    // line end read the same; the position stays a byte offset into the file.
    m_line.clear();
    uint64_t position = m_position;
    bool ended = false;
    while (!ended && m_line.size() < kMaxLineBytes && LoadBlockAt(position)) {
        const size_t offset = position - m_blockStart;
        const char* data = m_block.data() + offset;
        const size_t take = std::min(m_blockLength - offset, kMaxLineBytes - m_line.size());
        size_t used = 0;
        while (used < take && data[used] != '\n' && data[used] != '\r')
            ++used;
        if (used < take && data[used] == '\n') {
            ++used;
            ended = true;
        }
        m_line.append(data, used);
        position += used;
        if (ended || used == take) continue;
        // A CR: it ends the line when an LF follows it, and is an ordinary byte otherwise.
        ++position;
        if (LoadBlockAt(position) && m_block[position - m_blockStart] == '\n') {
            ++position;
            m_line += '\n';
            ended = true;
        } else {
            m_line += '\r';
        }
    }
    if (position == m_position) return false;
    m_position = position;
    CutAtNul(m_line);
    return true;
}

bool cmcOvlReader::ReadFileLineCached() {
    for (int slot = 0; slot < m_cacheCount; ++slot) {
        if (m_cacheStarts[slot] != m_position) continue;
        const OvlLineCacheEntry& entry = m_cacheEntries[slot];
        m_line = entry.text;
        m_position += entry.length;
        UnlinkCacheEntry(slot);
        LinkCacheEntryFirst(slot);
        return true;
    }
    const uint64_t start = m_position;
    if (!ReadFileLine()) return false;
    int slot = m_cacheCount;
    if (m_cacheCount < kCacheSize) {
        ++m_cacheCount;
    } else {
        // Full: the least recently used line makes room.
        slot = m_cacheEntries[kCacheSentinel].previous;
        UnlinkCacheEntry(slot);
    }
    m_cacheStarts[slot] = start;
    OvlLineCacheEntry& entry = m_cacheEntries[slot];
    entry.text = m_line;
    entry.length = m_position - start;
    LinkCacheEntryFirst(slot);
    return true;
}

void cmcOvlReader::UnlinkCacheEntry(int slot) {
    OvlLineCacheEntry& entry = m_cacheEntries[slot];
    m_cacheEntries[entry.previous].next = entry.next;
    m_cacheEntries[entry.next].previous = entry.previous;
}

void cmcOvlReader::LinkCacheEntryFirst(int slot) {
    OvlLineCacheEntry& sentinel = m_cacheEntries[kCacheSentinel];
    OvlLineCacheEntry& entry = m_cacheEntries[slot];
    entry.previous = kCacheSentinel;
    entry.next = sentinel.next;
    m_cacheEntries[sentinel.next].previous = slot;
    sentinel.next = slot;
}

cmcOvlReader::OvlSection* cmcOvlReader::ScanStep() {
    if (!m_opened && !Open()) {
        m_moreToScan = false;
        return nullptr;
    }
    Seek(m_scanPosition);
    if (!ReadLine()) {
        m_moreToScan = false;
        return nullptr;
    }
    m_scanPosition = m_position;
    if (!IsSectionHeader(m_line)) return nullptr;
    OvlSection& section = m_sectionStore.emplace_back();
    section.key = WithoutNewline(m_line).substr(1);
    section.start = m_position;
    section.memoPosition = m_position;
    if (m_tail != nullptr) {
        m_tail->next = &section;
    } else {
        m_head = &section;
    }
    m_tail = &section;
    // Nothing after the end marker is ever taken for a header.
    if (section.key == kEndKey) m_moreToScan = false;
    return &section;
}

cmcOvlReader::OvlSection* cmcOvlReader::FindSection(std::string_view key) {
    OvlSection* previous = nullptr;
    int place = 0;
    for (OvlSection* section = m_head; section != nullptr; section = section->next, ++place) {
        if (section->key == key) {
            // Keys that are asked for often gather at the front.
            if (place >= kFrontPlaces) {
                previous->next = section->next;
                if (m_tail == section) m_tail = previous;
                section->next = m_head;
                m_head = section;
            }
            return section;
        }
        previous = section;
    }
    while (m_moreToScan) {
        OvlSection* added = ScanStep();
        if (added != nullptr && added->key == key) return added;
    }
    return nullptr;
}
