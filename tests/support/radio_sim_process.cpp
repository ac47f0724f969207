#include "support/radio_sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/test_paths.h"

extern char** environ;

namespace {

// Generous: a loaded machine may take long to start a process.
constexpr int kReadyTimeoutMs = 20000;

}  // namespace

RadioSimProcess::RadioSimProcess(const std::filesystem::path& portFolder, int port,
                                 const std::vector<std::string>& arguments)
    : m_logPath(portFolder / ("sim-" + std::to_string(port) + ".log")) {
    setenv("KTV818X_PORT_DIR", portFolder.c_str(), 1);
    std::vector<std::string> words = {BinPath("ktv818x-radio-sim").string(), "--port",
                                      std::to_string(port), "--print-device", "--verbose"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int output[2];
    if (pipe(output) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_logPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);

    // The first line is the device, printed once the port is registered.
    std::string line;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kReadyTimeoutMs);
    while (m_pid > 0 && line.find('\n') == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        pollfd entry{output[0], POLLIN, 0};
        if (poll(&entry, 1, 100) <= 0) continue;
        char buffer[256];
        const ssize_t count = read(output[0], buffer, sizeof buffer);
        if (count <= 0) break;
        line.append(buffer, static_cast<size_t>(count));
    }
    close(output[0]);
    if (const size_t end = line.find('\n'); end != std::string::npos)
        m_device = line.substr(0, end);
}

RadioSimProcess::~RadioSimProcess() {
    int status = 0;
    if (m_pid > 0 && !m_exited) {
        kill(m_pid, SIGTERM);
        if (!WaitForExit(5000, status)) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
        }
    }
    unsetenv("KTV818X_PORT_DIR");
}

bool RadioSimProcess::WaitForExit(int timeoutMs, int& status) {
    if (m_exited) return true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (m_pid > 0) {
        const pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid) {
            m_exited = true;
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string RadioSimProcess::Log() const {
    std::ifstream file(m_logPath);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
