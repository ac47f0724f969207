#include "console_host.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "program_folder.h"

namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

cmcMessageAnswer cuiConsoleHost::ShowMessage(const std::string&, const std::string& text,
                                             cmcMessageIcon, cmcMessageButtons buttons) {
    m_lastMessage = text;
    if (!m_quiet || buttons != cmcMessageButtons::Ok) std::fprintf(stderr, "%s\n", text.c_str());
    if (buttons == cmcMessageButtons::Ok) return cmcMessageAnswer::Ok;
    return Ask(buttons);
}

cmcMessageAnswer cuiConsoleHost::Ask(cmcMessageButtons buttons) {
    const bool yesNo = buttons == cmcMessageButtons::YesNoCancel;
    if (m_answerYes) return yesNo ? cmcMessageAnswer::Yes : cmcMessageAnswer::Ok;
    std::fprintf(stderr, yesNo ? "[y]es, [n]o or [c]ancel? " : "[y]es or [n]o? ");
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        std::fprintf(stderr, "\n(no answer: cancelled; --yes answers yes)\n");
        return cmcMessageAnswer::Cancel;
    }
    answer = Lowered(answer);
    if (answer == "y" || answer == "yes")
        return yesNo ? cmcMessageAnswer::Yes : cmcMessageAnswer::Ok;
    if (yesNo && (answer == "n" || answer == "no")) return cmcMessageAnswer::No;
    return cmcMessageAnswer::Cancel;
}

std::string cuiConsoleHost::ExecutablePath() {
    return ProgramPath().string();
}

std::string cuiConsoleHost::CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

void cuiConsoleHost::ShowProgress() {
    m_progressShown = isatty(STDERR_FILENO) != 0;
    m_paintedSegments = -1;
    PaintProgress(0);
}

void cuiConsoleHost::PaintProgress(int32_t filledSegments) {
    if (!m_progressShown) return;
    filledSegments = std::clamp<int32_t>(filledSegments, 0, kProgressSegments);
    if (filledSegments == m_paintedSegments) return;
    m_paintedSegments = filledSegments;
    const std::string bar =
        std::string(static_cast<size_t>(filledSegments), '#') +
        std::string(static_cast<size_t>(kProgressSegments - filledSegments), '.');
    std::fprintf(stderr, "\r[%s] %3d%%", bar.c_str(), filledSegments * 100 / kProgressSegments);
    std::fflush(stderr);
}

void cuiConsoleHost::CloseProgress() {
    if (m_progressShown) std::fprintf(stderr, "\n");
    m_progressShown = false;
}
