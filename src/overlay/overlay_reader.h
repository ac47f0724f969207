#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "overlay/overlay_file.h"

// Keyed reading of one overlay: the engine shared by the main and the help text store.
//
// An overlay is a sequence of lines; a line "#KEY" opens section KEY, whose lines follow it. The
// file is large and is never loaded whole: headers are scanned lazily, one line at a time, and
// only as far as a lookup needs; "#End_Of_Ovl" ends the scan. Each section remembers where its
// last read ended, so that a loop over GetLine(key, 0..n) reads each line once, and a cache of the
// 64 most recently read section lines serves re-reads without file input. None of this changes a
// result: the first section of a key always wins.
//
// A missing key, an unopened store and a read past the end of the input are faults of the overlay
// and end the program with the "GTEX Error" text.
class cmcOvlReader {
public:
    explicit cmcOvlReader(OvlFileOpener opener);
    cmcOvlReader(const cmcOvlReader&) = delete;
    cmcOvlReader& operator=(const cmcOvlReader&) = delete;

    // A reader takes exactly one source; these refuse (false) once it has one. The line list is
    // not copied: the caller keeps it alive as long as the reader, and it must hold "#End_Of_Ovl".
    bool SetSourceFile(const std::string& path);
    bool SetSourceLines(const std::vector<std::string>& lines);

    // Line index (from 0) of section key, without its newline. Nothing stops an index past the
    // section's end: it returns the lines that follow ("#", the next header, ...).
    std::string GetLine(std::string_view key, int32_t index);
    // Whether the source has a section key: for the few texts that have a compiled-in fallback.
    bool HasKey(std::string_view key);

private:
    enum class Source { None = 0, Lines = 1, File = 2 };

    struct OvlSection {
        std::string key;
        uint64_t start;
        OvlSection* next = nullptr;
        int64_t memoIndex = 0;  // the line after the last one returned
        uint64_t memoPosition;  // where that line starts
    };

    struct OvlLineCacheEntry {
        uint64_t length = 0;  // how far the position advanced by reading the line
        std::string text;     // the line as read, newline included
        int next = 0;         // towards less recently used
        int previous = 0;
    };

    static constexpr int kCacheSize = 64;
    static constexpr int kCacheSentinel = kCacheSize;  // the ring's head and tail

    bool Open();
    bool Seek(uint64_t position);
    bool ReadLine();
    bool ReadSectionLine();
    bool ReadListLine();
    bool ReadFileLine();
    bool ReadFileLineCached();
    bool LoadBlockAt(uint64_t position);
    void UnlinkCacheEntry(int slot);
    void LinkCacheEntryFirst(int slot);
    OvlSection* ScanStep();
    OvlSection* FindSection(std::string_view key);

    OvlFileOpener m_opener;
    Source m_source = Source::None;
    bool m_opened = false;
    std::unique_ptr<cmcOvlFile> m_file;
    const std::vector<std::string>* m_lines = nullptr;
    uint64_t m_position = 0;
    std::string m_fileName;
    std::string m_line;  // the line read last, newline included
    uint64_t m_scanPosition = 0;
    bool m_moreToScan = true;

    // Registered sections in discovery order, reordered by lookups; the deque only owns them.
    std::deque<OvlSection> m_sectionStore;
    OvlSection* m_head = nullptr;
    OvlSection* m_tail = nullptr;

    // Line cache: a ring of entries, most recently used first, linked by their places in the
    // array. The start positions sit in an array of their own so that a lookup scans 512 bytes.
    std::array<uint64_t, kCacheSize> m_cacheStarts{};
    std::array<OvlLineCacheEntry, kCacheSize + 1> m_cacheEntries;
    int m_cacheCount = 0;

    // The stretch of the file read last; reads go through it.
    std::vector<char> m_block;
    uint64_t m_blockStart = 0;
    size_t m_blockLength = 0;
};

// Ends the program: the overlay has no section key (or the store could not be read).
[[noreturn]] void OvlKeyNotFound(std::string_view key);
