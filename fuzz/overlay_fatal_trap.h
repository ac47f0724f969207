#pragma once

// Fatal faults of the overlay and of cell descriptions end the program; under the fuzzer they end
// the input instead. Only the overlay's own fatal texts may come up: any other is a finding.
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/fatal.h"

struct OverlayFatal {
    std::string text;
};

inline bool IsOverlayFatalText(std::string_view text) {
    auto framed = [text](std::string_view head, std::string_view tail) {
        return text.size() >= head.size() + tail.size() && text.substr(0, head.size()) == head &&
               text.substr(text.size() - tail.size()) == tail;
    };
    return text == "Ch No. Error" || text == "Illegal Ch No." ||
           framed("GTEX Error !\nThe index '", "' was not found.") ||
           framed("Cannot use the specified category.\n'", "'") ||
           framed("Cannot use the specified cell.\n'", "'");
}

// Runs statement; returns the fatal text it ended with, or nothing.
template <typename Statement>
std::optional<std::string> RunTrapped(Statement&& statement) {
    SetFatalHandler([](const std::string& text) {
        if (!IsOverlayFatalText(text)) std::abort();
        throw OverlayFatal{text};
    });
    try {
        statement();
    } catch (const OverlayFatal& fatal) {
        return fatal.text;
    }
    return std::nullopt;
}
