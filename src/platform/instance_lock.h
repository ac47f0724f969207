#pragma once

#include <string>

// The single-instance rule: the first instance of the program holds a lock of a fixed name for as
// long as it runs; a second instance finds it held. A lock left behind by an instance that died
// does not count: it is taken over.
class cmcInstanceLock {
public:
    virtual ~cmcInstanceLock() = default;

    // Takes the lock; false when another running instance holds it.
    virtual bool TryLock(const std::string& name) = 0;
    // Gives a held lock back; nothing when none is held.
    virtual void Unlock() = 0;
};
