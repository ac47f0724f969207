#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What one run of the command-line program gave.
struct datCliRun {
    int status = -1;  // the exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs the built ktv818x-cli with arguments in folder (its working directory), with input as its
// standard input, and waits for it.
datCliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                 const std::string& input = "");

// The same with standard output written to output (a device such as /dev/full), or closed when
// output is empty.
datCliRun RunCliInto(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                     const std::string& output);

// The same with standard error on a pseudo-terminal, as when a user runs the program in a
// terminal; err then holds what the terminal received.
datCliRun RunCliOnTerminal(const std::vector<std::string>& arguments,
                           const std::filesystem::path& folder);

// The same, sent signal after afterMs, as a user's Ctrl-C.
datCliRun RunCliSignalled(const std::vector<std::string>& arguments,
                          const std::filesystem::path& folder, int signal, unsigned afterMs);

// Every run's XDG_DATA_HOME: a folder inside the run's folder (the backups go below it).
std::filesystem::path CliDataFolder(const std::filesystem::path& folder);

std::string ReadFile(const std::filesystem::path& path);
