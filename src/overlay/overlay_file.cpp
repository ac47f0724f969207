#include "overlay/overlay_file.h"

#include <cstdio>
#include <limits>

namespace {

class StdioOvlFile : public cmcOvlFile {
public:
    explicit StdioOvlFile(std::FILE* file) : m_file(file) {}
    ~StdioOvlFile() override { std::fclose(m_file); }
    StdioOvlFile(const StdioOvlFile&) = delete;
    StdioOvlFile& operator=(const StdioOvlFile&) = delete;

    size_t ReadAt(uint64_t offset, char* buffer, size_t count) override {
        if (offset > static_cast<uint64_t>(std::numeric_limits<long>::max())) return 0;
        if (std::fseek(m_file, static_cast<long>(offset), SEEK_SET) != 0) return 0;
        return std::fread(buffer, 1, count, m_file);
    }

private:
    std::FILE* m_file;
};

}  // namespace

std::unique_ptr<cmcOvlFile> OpenOvlFile(const std::string& path) {
    // Binary mode: the reader itself turns CR LF into one newline, so that offsets stay byte
    // offsets and files with either line end read the same.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return nullptr;
    return std::make_unique<StdioOvlFile>(file);
}
