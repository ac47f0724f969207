#include "cli_program.h"

#include "model/clone_file_result.h"
#include "overlay/gtex.h"

cuiCliProgram::cuiCliProgram(const datCliSetup& setup)
    : m_host(setup.answerYes), m_serial(setup.device) {
    m_program = std::make_unique<indProgram>(
        datPlatformServices{m_store, m_lock, m_screen, m_host, m_serial, m_loop, m_clock});
    datSettings& settings = m_program->Environ().Settings();
    settings.comPort = setup.port;
    settings.comSpeedHigh = setup.highSpeed ? 1 : 0;
    settings.reviewBeforeWrite = setup.review ? 1 : 0;
    settings.verifyAfterWrite = setup.verify ? 1 : 0;
    Main().SetAutomaticBackups(setup.backups);
    Main().Setup(nullptr, {m_host.ExecutablePath()});
}

cuiCliProgram::~cuiCliProgram() = default;

int cuiCliProgram::OpenQuietly(const std::string& path, std::string& text) {
    m_host.SetQuiet(true);
    m_host.ClearLastMessage();
    const bool opened = Main().OpenPath(path);
    m_host.SetQuiet(false);
    if (opened) return 0;
    const CloneFileResult code = Main().LastFileError();
    if (code == CloneFileResult::kOk) {
        text = m_host.LastMessage();
        return static_cast<int>(CloneFileResult::kFileOpen);
    }
    text = GTex().GetFirstLine(kCloneFileResultKeys[static_cast<size_t>(code)]);
    if (!Main().LastFileCause().empty()) text += " " + Main().LastFileCause();
    return static_cast<int>(code);
}
