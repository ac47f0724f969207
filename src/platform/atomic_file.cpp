#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace {

// Closes a descriptor and removes the temporary file unless the write was committed.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pattern) : m_path(std::move(pattern)) {
        m_fd = mkstemp(m_path.data());
    }
    ~TemporaryFile() {
        if (m_fd >= 0) close(m_fd);
        if (!m_committed && m_fd != kNeverOpened) unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    const std::string& path() const { return m_path; }
    bool Close() {
        const int fd = m_fd;
        m_fd = kClosed;
        return close(fd) == 0;
    }
    void Commit() { m_committed = true; }

private:
    static constexpr int kNeverOpened = -1;
    static constexpr int kClosed = -2;
    std::string m_path;
    int m_fd = kNeverOpened;
    bool m_committed = false;
};

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A new file gets the permissions an ordinary create would give it; a replaced file keeps its own.
mode_t PermissionsFor(const std::string& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolveLink(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

void SyncFolder(const std::string& target) {
    const auto folder = std::filesystem::path(target).parent_path();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view contents) {
    const std::string target = ResolveLink(path);
    // A file the user made read-only stays untouched, as an ordinary overwrite would fail.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0) {
        return AtomicWriteResult::kCannotCreate;
    }
    TemporaryFile temporary(target + ".XXXXXX");
    if (!temporary.IsOpen()) return AtomicWriteResult::kCannotCreate;
    const bool written = fchmod(temporary.fd(), PermissionsFor(target)) == 0 &&
                         WriteAll(temporary.fd(), contents) && fsync(temporary.fd()) == 0;
    if (!temporary.Close() || !written) return AtomicWriteResult::kWriteFailed;
    if (rename(temporary.path().c_str(), target.c_str()) != 0) {
        return AtomicWriteResult::kWriteFailed;
    }
    temporary.Commit();
    SyncFolder(target);
    return AtomicWriteResult::kOk;
}
