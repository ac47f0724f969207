#include "platform/qt/file_instance_lock.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/qt/qt_text.h"

namespace {

QString DefaultFolder() {
#if defined(Q_OS_UNIX)
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) return runtime;
#endif
    return QDir::tempPath();
}

// A lock name may hold characters that file names may not.
QString FileNameFor(const std::string& name) {
    QString fileName = FromCoreText(name);
    for (QChar& c : fileName)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 0x20) c = QLatin1Char('_');
    return fileName + QStringLiteral(".lock");
}

}  // namespace

cmcFileInstanceLock::cmcFileInstanceLock(const QString& folder)
    : m_folder(folder.isEmpty() ? DefaultFolder() : folder) {}

cmcFileInstanceLock::~cmcFileInstanceLock() {
    Unlock();
}

QString cmcFileInstanceLock::LockFilePath(const std::string& name) const {
    return QDir(m_folder).filePath(FileNameFor(name));
}

bool cmcFileInstanceLock::TryLock(const std::string& name) {
    if (m_lock) return true;
    auto lock = std::make_unique<QLockFile>(LockFilePath(name));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return true;
    }
    // Only a lock held by another running instance stops this one. A lock file that cannot be
    // written at all (a full disk, a folder that is not there) must not keep the user out of the
    // program, so it runs unguarded then.
    return lock->error() != QLockFile::LockFailedError;
}

void cmcFileInstanceLock::Unlock() {
    m_lock.reset();
}
