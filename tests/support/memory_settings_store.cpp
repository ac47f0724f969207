#include "support/memory_settings_store.h"

#include <utility>

bool MemorySettingsStore::HasKey(const std::string& keyPath) const {
    const auto it = m_current.lower_bound(keyPath);
    if (it == m_current.end()) return false;
    return it->first == keyPath || it->first.starts_with(keyPath + "\\");
}

const MemorySettingsStore::Value* MemorySettingsStore::Find(const std::string& keyPath,
                                                            const std::string& name) const {
    const auto key = m_current.find(keyPath);
    if (key == m_current.end()) return nullptr;
    const auto value = key->second.find(name);
    return value == key->second.end() ? nullptr : &value->second;
}

cmcStoreRead MemorySettingsStore::ReadInt(const std::string& keyPath, const std::string& name,
                                          int32_t& value) const {
    const Value* stored = Find(keyPath, name);
    if (stored == nullptr) return cmcStoreRead::Missing;
    if (!std::holds_alternative<int32_t>(*stored)) return cmcStoreRead::WrongType;
    value = std::get<int32_t>(*stored);
    return cmcStoreRead::Ok;
}

cmcStoreRead MemorySettingsStore::ReadString(const std::string& keyPath, const std::string& name,
                                             std::string& value) const {
    const Value* stored = Find(keyPath, name);
    if (stored == nullptr) return cmcStoreRead::Missing;
    if (!std::holds_alternative<std::string>(*stored)) return cmcStoreRead::WrongType;
    value = std::get<std::string>(*stored);
    return cmcStoreRead::Ok;
}

bool MemorySettingsStore::Write(const std::string& keyPath, const std::string& name, Value value) {
    if (m_writesLeft == 0) return false;
    if (m_writesLeft > 0) --m_writesLeft;
    m_current[keyPath][name] = std::move(value);
    return true;
}

bool MemorySettingsStore::WriteInt(const std::string& keyPath, const std::string& name,
                                   int32_t value) {
    return Write(keyPath, name, value);
}

bool MemorySettingsStore::WriteString(const std::string& keyPath, const std::string& name,
                                      const std::string& value) {
    return Write(keyPath, name, value);
}

bool MemorySettingsStore::DeleteKey(const std::string& keyPath) {
    std::erase_if(m_current, [&](const auto& key) {
        return key.first == keyPath || key.first.starts_with(keyPath + "\\");
    });
    return true;
}

bool MemorySettingsStore::Flush() {
    if (m_failFlush) {
        m_current = m_flushed;
        return false;
    }
    m_flushed = m_current;
    ++m_flushes;
    return true;
}

void MemorySettingsStore::Put(const std::string& keyPath, const std::string& name, Value value) {
    m_current[keyPath][name] = value;
    m_flushed[keyPath][name] = std::move(value);
}

void MemorySettingsStore::Erase(const std::string& keyPath, const std::string& name) {
    for (Contents* contents : {&m_current, &m_flushed}) {
        const auto key = contents->find(keyPath);
        if (key != contents->end()) key->second.erase(name);
    }
}
