#pragma once

#include <unistd.h>

#include <utility>

// Owns a file descriptor and closes it when it goes.
class cmcUniqueFd {
public:
    cmcUniqueFd() = default;
    explicit cmcUniqueFd(int fd) : m_fd(fd) {}
    ~cmcUniqueFd() { Reset(); }
    cmcUniqueFd(cmcUniqueFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    cmcUniqueFd& operator=(cmcUniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    cmcUniqueFd(const cmcUniqueFd&) = delete;
    cmcUniqueFd& operator=(const cmcUniqueFd&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    // Closes now and tells whether the close succeeded: the last chance to learn of a failed
    // write on some file systems.
    bool Close() { return m_fd < 0 || close(std::exchange(m_fd, -1)) == 0; }
    void Reset() {
        if (m_fd >= 0) close(std::exchange(m_fd, -1));
    }

private:
    int m_fd = -1;
};
