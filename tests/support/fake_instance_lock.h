#pragma once

#include <optional>
#include <set>
#include <string>

#include "platform/instance_lock.h"

// Instance locks of one test: fakes that share a table of held names exclude one another, as the
// instances of the program started by one user do.
class FakeInstanceLock : public cmcInstanceLock {
public:
    explicit FakeInstanceLock(std::set<std::string>& heldNames) : m_heldNames(heldNames) {}
    ~FakeInstanceLock() override { Unlock(); }

    bool TryLock(const std::string& name) override {
        if (m_name) return *m_name == name;
        if (!m_heldNames.insert(name).second) return false;
        m_name = name;
        return true;
    }

    void Unlock() override {
        if (m_name) m_heldNames.erase(*m_name);
        m_name.reset();
    }

    bool IsHeld() const { return m_name.has_value(); }

private:
    std::set<std::string>& m_heldNames;
    std::optional<std::string> m_name;
};
