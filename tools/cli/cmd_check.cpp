#include <cstdio>

#include "cli_commands.h"
#include "cli_program.h"
#include "exit_status.h"

int RunCheck(const clsCliCommand&, const datParsedArguments& arguments) {
    cuiCliProgram program({});
    int status = clsExitStatus::kOk;
    for (const std::string& path : arguments.operands) {
        std::string text;
        const int code = program.OpenQuietly(path, text);
        if (code == 0) {
            std::printf("%s: ok\n", path.c_str());
            continue;
        }
        std::printf("%s: %s\n", path.c_str(), text.c_str());
        if (status == clsExitStatus::kOk) status = code;
    }
    return status;
}
