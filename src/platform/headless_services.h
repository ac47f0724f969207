#pragma once

#include <string>

#include "platform/instance_lock.h"
#include "platform/screen.h"
#include "platform/settings_store.h"

// Stand-ins for the desktop services of a program that runs without a window or a user's
// settings: the command-line program and the benchmarks.

// Never reads or changes the user's settings: every run starts from the defaults, and what the
// program would store is dropped.
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

// Any number of such runs may go on beside the GUI and each other: the single-instance rule is
// the GUI's.
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
