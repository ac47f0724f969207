// Reads arbitrary overlay files. Every lookup either returns a line or ends in the "GTEX Error"
// fault, never in a crash; the results do not depend on the order of the lookups (the memo and
// the line cache are shortcuts only), and a file with CR LF line ends reads like the same file
// with LF line ends.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "../tests/overlay/memory_ovl_file.h"
#include "overlay/gtex.h"
#include "overlay_fatal_trap.h"

namespace {

constexpr int kLinesPerKey = 6;
constexpr size_t kMaxKeys = 12;

// The keys of the file's own header lines, as far as the reader could see them, and two more.
std::vector<std::string> KeysOf(const std::string& text) {
    std::vector<std::string> keys = {"End_Of_Ovl", "GI_Missing"};
    for (size_t at = 0; at < text.size() && keys.size() < kMaxKeys;) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        if (end - at >= 2 && text[at] == '#') {
            std::string key = text.substr(at + 1, end - at - 1);
            if (!key.empty() && key.back() == '\r') key.pop_back();
            keys.push_back(key.substr(0, key.find('\0')));
        }
        at = end + 1;
    }
    return keys;
}

using Outcome = std::optional<std::string>;  // the line, or none after a fatal end

Outcome Lookup(cmcGTex& store, const std::string& key, int32_t index) {
    std::string line;
    if (RunTrapped([&] { line = store.GetLine(key, index); })) return std::nullopt;
    return line;
}

// Every key and line index, in forward or backward order.
std::vector<Outcome> ReadAll(const std::string& text, const std::vector<std::string>& keys,
                             bool backward) {
    OvlReadCount count;
    cmcGTex store(MemoryOpener(text, count));
    store.SetSourceFile("fuzz.OVL");
    const int total = static_cast<int>(keys.size()) * kLinesPerKey;
    std::vector<Outcome> outcomes(total);
    for (int step = 0; step < total; ++step) {
        const int n = backward ? total - 1 - step : step;
        outcomes[n] = Lookup(store, keys[n / kLinesPerKey], n % kLinesPerKey);
    }
    return outcomes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> keys = KeysOf(text);
    const std::vector<Outcome> forward = ReadAll(text, keys, false);
    if (ReadAll(text, keys, true) != forward) std::abort();
    if (text.find('\r') == std::string::npos) {
        std::string crlf;
        for (char c : text)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        if (ReadAll(crlf, keys, false) != forward) std::abort();
    }

    // The same text as a list of lines in memory.
    std::vector<std::string> lines;
    for (size_t at = 0; at <= text.size();) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    cmcGTex listStore;
    listStore.SetSourceLines(lines);
    for (const std::string& key : keys) {
        for (int32_t index = 0; index < kLinesPerKey; ++index)
            Lookup(listStore, key, index);
        RunTrapped([&] { GetMultiLineText(listStore, key); });
    }
    return 0;
}
