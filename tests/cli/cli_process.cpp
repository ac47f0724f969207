#include "cli_process.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "support/test_paths.h"

extern char** environ;

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

datCliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                 const std::string& input) {
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
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid = -1;
    datCliRun run;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        pid_t waited;
        do {
            waited = waitpid(pid, &status, 0);
        } while (waited < 0 && errno == EINTR);
        if (waited == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}
