#include "support/controller_rig.h"

#include "overlay/gtex.h"

ControllerRig::ControllerRig(cmcSerialBackend& serial, cmcTimerService& timers, cmcClock& clock) {
    host.executablePath = BinPath("ktv818x").string();
    host.documentsFolder = documents.path().string();
    host.currentDirectory = documents.path().string();
    m_program = std::make_unique<indProgram>(
        datPlatformServices{m_store, m_lock, m_screen, host, serial, timers, clock});
    m_program->Main().SetBackupPlace(backups);
}

ControllerRig::~ControllerRig() = default;

std::string ControllerRig::MultiLine(const std::string& key) {
    return GetMultiLineText(GTex(), key);
}
