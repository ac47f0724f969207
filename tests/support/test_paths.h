#pragma once

#include <filesystem>
#include <string>

// Where the tests find their fixtures and the built programs with their data files.
std::filesystem::path TestDataPath(const std::string& relative);  // tests/data/<relative>
std::filesystem::path BinPath(const std::string& relative);       // the build's bin/<relative>

// A fresh empty folder for one test, removed when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};
