#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/unique_fd.h"
#include "platform/whole_number.h"

namespace {

constexpr char kTemporaryMark[] = ".ktv818x-tmp-";
constexpr int kMaxLinkHops = 40;  // as the system's own path lookup gives up with ELOOP

// What a save would replace: the file the path leads to, following symbolic links.
struct Target {
    std::string path;
    bool exists = false;
    struct stat status {};
};

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

std::string NameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

bool Fail(datFileFault* fault, datFileFault value) {
    if (fault) *fault = value;
    return false;
}

// Follows the links of path to the file a write through them creates or replaces.
bool FindTarget(const std::string& path, Target& target, datFileFault* fault) {
    target.path = path;
    for (int hop = 0;; ++hop) {
        if (lstat(target.path.c_str(), &target.status) != 0) {
            if (errno != ENOENT) return Fail(fault, datFileFault::System(errno));
            // A new file: its folder must exist, through any links of its own.
            struct stat folder {};
            if (stat(FolderOf(target.path).c_str(), &folder) != 0)
                return Fail(fault, datFileFault::System(errno));
            if (!S_ISDIR(folder.st_mode)) return Fail(fault, datFileFault::System(ENOTDIR));
            target.exists = false;
            return true;
        }
        if (!S_ISLNK(target.status.st_mode)) break;
        if (hop == kMaxLinkHops) return Fail(fault, datFileFault::System(ELOOP));
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(target.path, error);
        if (error) return Fail(fault, datFileFault::System(error.value()));
        target.path = next.is_absolute()
                          ? next.string()
                          : (std::filesystem::path(FolderOf(target.path)) / next).string();
    }
    if (!S_ISREG(target.status.st_mode))
        return Fail(fault, datFileFault{datFileFault::Kind::kNotRegular, 0});
    target.exists = true;
    return true;
}

bool IsProcessGone(long pid) {
    return pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the temporaries of target left by processes that ended before their rename, and any
// earlier one of this process, whose number the system may have given again.
void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string prefix = "." + NameOf(target) + kTemporaryMark;
    DIR* listing = opendir(folder.c_str());
    if (!listing) return;
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, prefix.size()) != prefix) continue;
        const std::optional<long> pid = ParseWholeNumber<long>(name.substr(prefix.size()));
        if (!pid || (*pid != getpid() && !IsProcessGone(*pid))) continue;
        unlinkat(dirfd(listing), entry->d_name, 0);
    }
    closedir(listing);
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A new file gets the permissions an ordinary create would give it; a replaced one keeps its
// owner, group and permission bits as far as the process may set them, never a set-ID bit.
bool TakeOwnership(int fd, const Target& target) {
    if (!target.exists) {
        const mode_t mask = umask(0);
        umask(mask);
        return fchmod(fd, 0666 & ~mask) == 0;
    }
    // Only root may give a file away; a member of the file's group may still keep the group.
    if (fchown(fd, target.status.st_uid, target.status.st_gid) != 0 &&
        fchown(fd, static_cast<uid_t>(-1), target.status.st_gid) != 0) {
        errno = 0;  // the new file stays the saving user's, as any editor's save leaves it
    }
    return fchmod(fd, target.status.st_mode & 0777) == 0;
}

void SyncFolder(const std::string& target) {
    const cmcUniqueFd folder(open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen()) fsync(folder.get());
}

bool CheckTarget(const std::string& path, Target& target, datFileFault* fault) {
    if (!FindTarget(path, target, fault)) return false;
    // A file the user made read-only stays untouched, as an ordinary overwrite would fail.
    if (target.exists && access(target.path.c_str(), W_OK) != 0)
        return Fail(fault, datFileFault::System(errno));
    if (access(FolderOf(target.path).c_str(), W_OK | X_OK) != 0)
        return Fail(fault, datFileFault::System(errno));
    return true;
}

}  // namespace

std::string TemporaryPathFor(const std::string& target, long pid) {
    const std::string folder = std::filesystem::path(target).parent_path().string();
    const std::string name = "." + NameOf(target) + kTemporaryMark + std::to_string(pid);
    return folder.empty() ? name : folder + "/" + name;
}

AtomicWriteResult CheckReplaceable(const std::string& path, datFileFault* fault) {
    if (fault) *fault = {};
    Target target;
    return CheckTarget(path, target, fault) ? AtomicWriteResult::kOk
                                            : AtomicWriteResult::kCannotCreate;
}

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view contents,
                                      datFileFault* fault) {
    if (fault) *fault = {};
    Target target;
    if (!CheckTarget(path, target, fault)) return AtomicWriteResult::kCannotCreate;
    RemoveStaleTemporaries(target.path);
    const std::string temporary = TemporaryPathFor(target.path, getpid());
    cmcUniqueFd file(
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.IsOpen()) {
        Fail(fault, datFileFault::System(errno));
        return AtomicWriteResult::kCannotCreate;
    }
    const bool written = TakeOwnership(file.get(), target) && WriteAll(file.get(), contents) &&
                         fsync(file.get()) == 0;
    const int writeError = errno;
    const bool closed = file.Close();
    if (!written || !closed || rename(temporary.c_str(), target.path.c_str()) != 0) {
        Fail(fault, datFileFault::System(!written ? writeError : errno));
        unlink(temporary.c_str());
        return AtomicWriteResult::kWriteFailed;
    }
    SyncFolder(target.path);
    return AtomicWriteResult::kOk;
}
