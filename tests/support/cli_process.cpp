#include "support/cli_process.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "support/test_paths.h"

extern char** environ;

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

std::filesystem::path CliDataFolder(const std::filesystem::path& folder) {
    return folder / ".cli-data";
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

namespace {

// The test's environment with the user's data folder moved into the run's folder, so that no
// run keeps its backups among the user's.
std::vector<std::string> RunEnvironment(const std::filesystem::path& folder) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        if (std::string(*variable).rfind("XDG_DATA_HOME=", 0) != 0) variables.push_back(*variable);
    }
    variables.push_back("XDG_DATA_HOME=" + CliDataFolder(folder).string());
    return variables;
}

// Runs the program with the given standard error: a file in the streams folder (terminal < 0),
// or that terminal's descriptor. Standard output goes to a file in the streams folder, or to
// output when given (closed when output is empty). With signal, that signal is sent after
// signalAfterMs.
datCliRun Spawn(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                const std::string& input, int terminal, const std::string* output = nullptr,
                int signal = 0, unsigned signalAfterMs = 0) {
    const std::filesystem::path streams = folder / ".cli-streams";
    std::filesystem::create_directories(streams);
    const std::string in = (streams / "in").string();
    const std::string out = (streams / "out").string();
    const std::string err = (streams / "err").string();
    WriteFile(in, input);

    const std::string program = BinPath("ktv818x-cli").string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    if (output == nullptr) {
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    } else if (output->empty()) {
        posix_spawn_file_actions_addclose(&actions, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, output->c_str(), O_WRONLY, 0);
    }
    if (terminal < 0) {
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    } else {
        posix_spawn_file_actions_adddup2(&actions, terminal, 2);
    }
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<std::string> variables = RunEnvironment(folder);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    datCliRun run;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
        if (signal != 0) {
            usleep(signalAfterMs * 1000);
            kill(pid, signal);
        }
        int status = 0;
        pid_t waited;
        do {
            waited = waitpid(pid, &status, 0);
        } while (waited < 0 && errno == EINTR);
        if (waited == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    if (output == nullptr) run.out = ReadFile(out);
    if (terminal < 0) run.err = ReadFile(err);
    return run;
}

}  // namespace

datCliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                 const std::string& input) {
    return Spawn(arguments, folder, input, -1);
}

datCliRun RunCliInto(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                     const std::string& output) {
    return Spawn(arguments, folder, "", -1, &output);
}

datCliRun RunCliOnTerminal(const std::vector<std::string>& arguments,
                           const std::filesystem::path& folder) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return {};
    const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
    datCliRun run = Spawn(arguments, folder, "", terminal);
    close(terminal);
    // What the program wrote waits in the terminal until read; then the read fails.
    char buffer[4096];
    ssize_t count;
    while ((count = read(master, buffer, sizeof buffer)) > 0)
        run.err.append(buffer, size_t(count));
    close(master);
    return run;
}

datCliRun RunCliSignalled(const std::vector<std::string>& arguments,
                          const std::filesystem::path& folder, int signal, unsigned afterMs) {
    return Spawn(arguments, folder, "", -1, nullptr, signal, afterMs);
}
