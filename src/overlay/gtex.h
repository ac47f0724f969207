#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "overlay/overlay_reader.h"

// The program's overlay text store: every text and layout the user sees is fetched from it by key
// at the moment of use. It reads a file (the program's "KTV818X.OVL") or a list of lines that a
// dialog composes at run time. Reading rules: cmcOvlReader.
class cmcGTex {
public:
    explicit cmcGTex(OvlFileOpener opener = OpenOvlFile) : m_reader(std::move(opener)) {}

    bool SetSourceFile(const std::string& path) { return m_reader.SetSourceFile(path); }
    bool SetSourceLines(const std::vector<std::string>& lines) {
        return m_reader.SetSourceLines(lines);
    }

    std::string GetLine(std::string_view key, int32_t index) {
        return m_reader.GetLine(key, index);
    }
    // The usual way to fetch a one-line text: titles, captions, cell models.
    std::string GetFirstLine(std::string_view key) { return GetLine(key, 0); }
    bool HasKey(std::string_view key) { return m_reader.HasKey(key); }

private:
    cmcOvlReader m_reader;
};

// The help overlay ("KTV818XH.OVL"): the same reading rules in a store of its own.
class cmcHelpGTex {
public:
    explicit cmcHelpGTex(OvlFileOpener opener = OpenOvlFile) : m_reader(std::move(opener)) {}

    bool SetSourceFile(const std::string& path) { return m_reader.SetSourceFile(path); }
    bool SetSourceLines(const std::vector<std::string>& lines) {
        return m_reader.SetSourceLines(lines);
    }

    std::string GetLine(std::string_view key, int32_t index) {
        return m_reader.GetLine(key, index);
    }

private:
    cmcOvlReader m_reader;
};

// The lines of section key up to the first line that begins with "#", joined with "\n": a message
// may span several lines of its section.
std::string GetMultiLineText(cmcGTex& store, std::string_view key);

// The process-wide main store. Cell models are always fetched from it, whatever store a sheet is
// read from. Start-up installs the program's store; none is installed before, and a model lookup
// then fails like a missing key.
void SetMainGTex(cmcGTex* store);
cmcGTex* MainGTex();
