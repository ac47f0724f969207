#include "cli_program.h"

#include <iterator>

#include "model/clone_file_result.h"
#include "overlay/gtex.h"

namespace {

constexpr char kFileErrorHeadlineKey[] = "GI_Mess_FileErr_Headline";

}  // namespace

cuiCliProgram::cuiCliProgram(const datCliSetup& setup)
    : m_host(setup.answerYes), m_serial(setup.device) {
    m_program = std::make_unique<indProgram>(
        datPlatformServices{m_store, m_lock, m_screen, m_host, m_serial, m_loop, m_clock});
    datSettings& settings = m_program->Environ().Settings();
    settings.comPort = setup.port;
    settings.comSpeedHigh = setup.highSpeed ? 1 : 0;
    Main().Setup(nullptr, {m_host.ExecutablePath()});
}

cuiCliProgram::~cuiCliProgram() = default;

int cuiCliProgram::FileErrorOfLastMessage() {
    // The controller shows a file error as the headline, a blank line and the code's text.
    const std::string headline = GTex().GetFirstLine(kFileErrorHeadlineKey) + "\n\n";
    const std::string& message = m_host.LastMessage();
    if (message.compare(0, headline.size(), headline) != 0) return 0;
    const std::string text = message.substr(headline.size());
    for (size_t code = 1; code < std::size(kCloneFileResultKeys); ++code)
        if (GTex().GetFirstLine(kCloneFileResultKeys[code]) == text) return static_cast<int>(code);
    return 0;
}

int cuiCliProgram::OpenQuietly(const std::string& path, std::string& text) {
    m_host.SetQuiet(true);
    m_host.ClearLastMessage();
    const bool opened = Main().OpenPath(path);
    m_host.SetQuiet(false);
    if (opened) return 0;
    const int code = FileErrorOfLastMessage();
    const std::string headline = GTex().GetFirstLine(kFileErrorHeadlineKey) + "\n\n";
    text = code != 0 ? m_host.LastMessage().substr(headline.size()) : m_host.LastMessage();
    return code != 0 ? code : static_cast<int>(CloneFileResult::kFileOpen);
}
