#pragma once

#include <cstdint>
#include <string>

// The per-user settings store, addressed like the registry: keys named by paths of names joined
// with "\" (such as "Software\Orva\KT-V818X\Global"), each holding named values that are 32-bit
// integers or texts. Texts are single-byte and come back byte for byte. Writing a value creates its
// key and the keys above it. The program reads the store once at start-up and writes it once at
// exit, so an implementation may hold writes back until Flush.

enum class cmcStoreRead {
    Ok,
    Missing,    // the key or the value does not exist
    WrongType,  // the value exists but is not of the type asked for, or the store is unreadable
};

class cmcSettingsStore {
public:
    virtual ~cmcSettingsStore() = default;

    virtual bool HasKey(const std::string& keyPath) const = 0;
    virtual cmcStoreRead ReadInt(const std::string& keyPath, const std::string& name,
                                 int32_t& value) const = 0;
    virtual cmcStoreRead ReadString(const std::string& keyPath, const std::string& name,
                                    std::string& value) const = 0;
    virtual bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) = 0;
    virtual bool WriteString(const std::string& keyPath, const std::string& name,
                             const std::string& value) = 0;
    // Deletes the key with everything below it; a missing key is not a failure.
    virtual bool DeleteKey(const std::string& keyPath) = 0;
    // Makes the writes so far lasting. When it fails, what was stored before stays readable.
    virtual bool Flush() = 0;
};
