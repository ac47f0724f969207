#include "program_folder.h"

#include <system_error>

std::filesystem::path ProgramPath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

std::filesystem::path ProgramFolder() {
    return ProgramPath().parent_path();
}
