#pragma once

#include <filesystem>

// The folder of the running program: its overlay and initial files lie next to it.
std::filesystem::path ProgramPath();
std::filesystem::path ProgramFolder();

// The name of the program's overlay file in its folder.
constexpr char kOverlayFileName[] = "KTV818X.OVL";
