#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/fatal.h"

// Runs a statement with a fatal handler that throws instead of ending the process, and returns
// the fatal text, or nothing when the statement finished normally.
struct FatalTrapped {
    std::string text;
};

template <typename Statement>
std::optional<std::string> CatchFatal(Statement&& statement) {
    FatalHandler previous =
        SetFatalHandler([](const std::string& text) { throw FatalTrapped{text}; });
    std::optional<std::string> text;
    try {
        std::forward<Statement>(statement)();
    } catch (const FatalTrapped& trapped) {
        text = trapped.text;
    }
    SetFatalHandler(std::move(previous));
    return text;
}
