#include "support/test_paths.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

std::filesystem::path TestDataPath(const std::string& relative) {
    return std::filesystem::path(KTV_TEST_DATA_DIR) / relative;
}

std::filesystem::path BinPath(const std::string& relative) {
    return std::filesystem::path(KTV_BIN_DIR) / relative;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ktv818x-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
