#pragma once

#include <QLockFile>
#include <QString>
#include <memory>
#include <string>

#include "platform/instance_lock.h"

// The single-instance lock as a lock file named after the lock's name, in the user's runtime
// folder (the temporary folder where there is none). The lock file records the holder's process;
// a file whose process no longer runs (the instance crashed) is stale and taken over. Age alone
// never makes a lock stale: the first instance may run for weeks. When no lock file can be made at
// all, the program runs without the guard rather than not at all.
class cmcFileInstanceLock : public cmcInstanceLock {
public:
    // An empty folder means the default one.
    explicit cmcFileInstanceLock(const QString& folder = {});
    ~cmcFileInstanceLock() override;

    bool TryLock(const std::string& name) override;
    void Unlock() override;

    // The lock file a name is held by.
    QString LockFilePath(const std::string& name) const;

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
};
