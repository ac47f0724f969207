#pragma once

#include <memory>
#include <string>

#include "platform/instance_lock.h"
#include "platform/posix_serial.h"
#include "platform/screen.h"
#include "platform/settings_store.h"

// The platform services of the command-line program that differ from the GUI's.

// The command-line program never reads or changes the user's settings: every run starts from the
// defaults, and what the program would store is dropped.
class cmcEmptySettingsStore : public cmcSettingsStore {
public:
    bool HasKey(const std::string&) const override { return false; }
    cmcStoreRead ReadInt(const std::string&, const std::string&, int32_t&) const override {
        return cmcStoreRead::Missing;
    }
    cmcStoreRead ReadString(const std::string&, const std::string&, std::string&) const override {
        return cmcStoreRead::Missing;
    }
    bool WriteInt(const std::string&, const std::string&, int32_t) override { return true; }
    bool WriteString(const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    bool DeleteKey(const std::string&) override { return true; }
    bool Flush() override { return true; }
};

// Any number of command-line runs may go on beside the GUI and each other: the single-instance
// rule is the GUI's.
class cmcNoInstanceLock : public cmcInstanceLock {
public:
    bool TryLock(const std::string&) override { return true; }
    void Unlock() override {}
};

// No window is ever placed.
class cmcNoScreen : public cmcScreen {
public:
    cmcScreenSize Size() const override { return {1024, 768}; }
};

// The system's serial ports by number, or, when a device path was given, that device whatever
// number the program asks for.
class cmcCliSerialBackend : public cmcSerialBackend {
public:
    explicit cmcCliSerialBackend(std::string device) : m_device(std::move(device)) {}
    std::unique_ptr<cmcSerialLine> Open(int32_t port, datPortProblem& problem) override {
        if (m_device.empty()) return m_system.Open(port, problem);
        auto line = m_system.OpenDevice(m_device, problem);
        if (!line) problem.port = port;
        return line;
    }

private:
    cmcPosixSerialBackend m_system;
    std::string m_device;
};
