#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "platform/settings_store.h"

// A settings store in memory, with the registry's rules: a key exists once a value was written into
// it or below it, values are typed. Reads see every write; Flush makes the writes the flushed
// state, which is what the next start of the program would find. A failing Flush drops the writes
// since the last good one, as a save that never reached the disk.
class MemorySettingsStore : public cmcSettingsStore {
public:
    using Value = std::variant<int32_t, std::string>;
    using Contents = std::map<std::string, std::map<std::string, Value>>;  // key path -> values

    bool HasKey(const std::string& keyPath) const override;
    cmcStoreRead ReadInt(const std::string& keyPath, const std::string& name,
                         int32_t& value) const override;
    cmcStoreRead ReadString(const std::string& keyPath, const std::string& name,
                            std::string& value) const override;
    bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) override;
    bool WriteString(const std::string& keyPath, const std::string& name,
                     const std::string& value) override;
    bool DeleteKey(const std::string& keyPath) override;
    bool Flush() override;

    // What the store holds now, and what it held after the last good Flush.
    const Contents& Current() const { return m_current; }
    const Contents& Flushed() const { return m_flushed; }

    // Test setup, flushed at once: a value of any type, or a value taken away.
    void Put(const std::string& keyPath, const std::string& name, Value value);
    void Erase(const std::string& keyPath, const std::string& name);

    // Faults: every write after the next count ones fails; Flush fails.
    void FailWritesAfter(int count) { m_writesLeft = count; }
    void FailFlush(bool fail) { m_failFlush = fail; }

    int FlushCount() const { return m_flushes; }

private:
    bool Write(const std::string& keyPath, const std::string& name, Value value);
    const Value* Find(const std::string& keyPath, const std::string& name) const;

    Contents m_current;
    Contents m_flushed;
    int m_writesLeft = -1;  // -1: no limit
    bool m_failFlush = false;
    int m_flushes = 0;
};
