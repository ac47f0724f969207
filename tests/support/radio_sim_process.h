#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

// Runs the radio simulator (ktv818x-radio-sim from the build) as a child process, registered
// as a virtual port in a folder of its own, which this process then uses too (through
// KTV818X_PORT_DIR) until the object goes. Ready once the simulator has printed its device.
class RadioSimProcess {
public:
    RadioSimProcess(const std::filesystem::path& portFolder, int port,
                    const std::vector<std::string>& arguments);
    // Stops the simulator (SIGTERM, then SIGKILL after five seconds).
    ~RadioSimProcess();
    RadioSimProcess(const RadioSimProcess&) = delete;
    RadioSimProcess& operator=(const RadioSimProcess&) = delete;

    bool IsReady() const { return !m_device.empty(); }
    const std::string& Device() const { return m_device; }
    // Waits up to timeoutMs for the simulator to end; true when it has, with its exit status.
    bool WaitForExit(int timeoutMs, int& status);
    // What the simulator wrote on standard error (it runs with --verbose).
    std::string Log() const;

private:
    std::filesystem::path m_logPath;
    pid_t m_pid = -1;
    std::string m_device;
    bool m_exited = false;
};
