#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/unique_fd.h"

FileReadResult ReadRegularFile(const std::string& path, size_t maxBytes, std::string& contents,
                               datFileFault& fault) {
    contents.clear();
    fault = {};
    // Without O_NONBLOCK the open of a FIFO waits for a writer that may never come.
    const cmcUniqueFd file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen()) {
        fault = datFileFault::System(errno);
        return FileReadResult::kCannotOpen;
    }
    struct stat status {};
    if (fstat(file.get(), &status) != 0) {
        fault = datFileFault::System(errno);
        return FileReadResult::kCannotOpen;
    }
    if (!S_ISREG(status.st_mode)) {
        fault.kind = datFileFault::Kind::kNotRegular;
        return FileReadResult::kCannotOpen;
    }
    if (static_cast<unsigned long long>(status.st_size) > maxBytes) {
        fault.kind = datFileFault::Kind::kTooLarge;
        return FileReadResult::kCannotOpen;
    }
    size_t length = 0;
    // One byte beyond the limit tells a file that grew past it while being read.
    contents.resize(maxBytes + 1);
    for (;;) {
        const ssize_t got = read(file.get(), contents.data() + length, contents.size() - length);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            fault = datFileFault::System(errno);
            contents.clear();
            return FileReadResult::kReadFailed;
        }
        if (got == 0) break;
        length += static_cast<size_t>(got);
        if (length > maxBytes) {
            fault.kind = datFileFault::Kind::kTooLarge;
            contents.clear();
            return FileReadResult::kCannotOpen;
        }
    }
    contents.resize(length);
    return FileReadResult::kOk;
}
