#include "sim_options.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

const char kSimUsage[] =
    "Usage: ktv818x-radio-sim [OPTIONS]\n"
    "\n"
    "Behaves like a KT-V818X radio on a pseudo-terminal, so that clone programming can be tried\n"
    "and tested without a radio. It serves one operation after another until it is stopped.\n"
    "\n"
    "Line:\n"
    "  --port N               register the line as virtual port N, 1-256 (default 9)\n"
    "  --print-device         print the line's device path once ready; without --port the\n"
    "                         line is then not registered\n"
    "  --pace                 send at the real line rate (baud / 10 bytes per second)\n"
    "  --verbose              report every frame on standard error\n"
    "Memory:\n"
    "  --image FILE           the radio's memory from a clone file (default: a built-in one)\n"
    "  --save-written FILE    save the memory as a clone file after every accepted write\n"
    "Model reply:\n"
    "  --model-words W1,W2    model words, four hex digits each (default 3338,0001)\n"
    "  --model-type N         model type byte (default 0)\n"
    "  --revision TEXT        revision text, five characters (default 1.00A)\n"
    "  --comment TEXT         comment, up to sixteen characters\n"
    "  --flags N              flags byte; bit 0 forbids reading, bit 1 model class B\n"
    "  --memory-revision DDDD memory revision, four digits (default 1000)\n"
    "  --info-length N        length of the info block, 31-255 (default 48)\n"
    "  --layout N             layout byte of the info block (default 2)\n"
    "Faults (one per run):\n"
    "  --fault NAME           no-echo, wrong-echo, no-answer, bad-checksum, lower-case,\n"
    "                         odd-digits, beyond-image, missing-frame, wrong-count,\n"
    "                         maker-spelling, reject-write, hang-up, corrupt-store,\n"
    "                         mute-after-write\n";

namespace {

struct FaultName {
    const char* name;
    SimFault fault;
};

constexpr FaultName kFaultNames[] = {
    {"no-echo", SimFault::kNoEcho},
    {"wrong-echo", SimFault::kWrongEcho},
    {"no-answer", SimFault::kNoAnswer},
    {"bad-checksum", SimFault::kBadChecksum},
    {"lower-case", SimFault::kLowerCase},
    {"odd-digits", SimFault::kOddDigits},
    {"beyond-image", SimFault::kBeyondImage},
    {"missing-frame", SimFault::kMissingFrame},
    {"wrong-count", SimFault::kWrongCount},
    {"maker-spelling", SimFault::kMakerSpelling},
    {"reject-write", SimFault::kRejectWrite},
    {"hang-up", SimFault::kHangUp},
    {"corrupt-store", SimFault::kCorruptStore},
    {"mute-after-write", SimFault::kMuteAfterWrite},
};

// A whole decimal or 0x-prefixed hexadecimal number within [low, high].
std::optional<long> Number(const std::string& text, long low, long high, int base = 0) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, base);
    if (*end != '\0' || value < low || value > high) return std::nullopt;
    return value;
}

bool IsDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error, bool& help) {
    help = false;
    bool portGiven = false;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> inlineValue;
        if (const size_t equals = name.find('='); equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name.resize(equals);
        }
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) return inlineValue;
            if (i + 1 < arguments.size()) return arguments[++i];
            return std::nullopt;
        };
        auto bad = [&](const char* what) {
            error = name + ": " + what;
            return false;
        };

        if (name == "--help" || name == "-h") {
            help = true;
            return true;
        } else if (name == "--print-device") {
            options.printDevice = true;
        } else if (name == "--pace") {
            options.pace = true;
        } else if (name == "--verbose") {
            options.verbose = true;
        } else if (name == "--port") {
            const auto port = Number(value().value_or(""), 1, 256, 10);
            if (!port) return bad("expects a port number from 1 to 256");
            options.port = static_cast<int>(*port);
            portGiven = true;
        } else if (name == "--image") {
            options.imagePath = value().value_or("");
            if (options.imagePath.empty()) return bad("expects a file");
        } else if (name == "--save-written") {
            options.saveWrittenPath = value().value_or("");
            if (options.saveWrittenPath.empty()) return bad("expects a file");
        } else if (name == "--model-words") {
            const std::string text = value().value_or("");
            const size_t comma = text.find(',');
            const auto word1 = Number(text.substr(0, comma), 0, 0xFFFF, 16);
            const auto word2 = comma == std::string::npos
                                   ? std::nullopt
                                   : Number(text.substr(comma + 1), 0, 0xFFFF, 16);
            if (!word1 || !word2) return bad("expects two hex words such as 3338,0001");
            options.model.word1 = static_cast<uint16_t>(*word1);
            options.model.word2 = static_cast<uint16_t>(*word2);
        } else if (name == "--model-type") {
            const auto type = Number(value().value_or(""), 0, 255);
            if (!type) return bad("expects a number from 0 to 255");
            options.model.modelType = static_cast<int>(*type);
        } else if (name == "--revision") {
            options.model.revision = value().value_or("");
            if (options.model.revision.size() != 5) return bad("expects five characters");
        } else if (name == "--comment") {
            options.model.comment = value().value_or("");
            if (options.model.comment.size() > 16) return bad("takes sixteen characters at most");
        } else if (name == "--flags") {
            const auto flags = Number(value().value_or(""), 0, 255);
            if (!flags) return bad("expects a byte value");
            options.model.flags = static_cast<int>(*flags);
        } else if (name == "--memory-revision") {
            options.model.memoryRevision = value().value_or("");
            if (options.model.memoryRevision.size() != 4 || !IsDigits(options.model.memoryRevision))
                return bad("expects four digits");
        } else if (name == "--info-length") {
            const auto length = Number(value().value_or(""), 31, 255, 10);
            if (!length) return bad("expects a length from 31 to 255");
            options.model.infoLength = static_cast<int>(*length);
        } else if (name == "--layout") {
            const auto layout = Number(value().value_or(""), 0, 255);
            if (!layout) return bad("expects a byte value");
            options.model.layout = static_cast<int>(*layout);
        } else if (name == "--fault") {
            const std::string fault = value().value_or("");
            bool known = false;
            for (const auto& entry : kFaultNames) {
                if (fault == entry.name) {
                    options.fault = entry.fault;
                    known = true;
                }
            }
            if (!known) return bad("unknown fault (see --help)");
        } else {
            error = "unknown option " + name + " (see --help)";
            return false;
        }
    }
    options.registerPort = portGiven || !options.printDevice;
    return true;
}
