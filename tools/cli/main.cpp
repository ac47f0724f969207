#include <cstdio>
#include <cstring>

// ktv818x-cli: the clone programming operations for scripts and batch work.
namespace {

constexpr char kUsage[] =
    "Usage: ktv818x-cli COMMAND [OPTIONS] [ARGS...]\n"
    "\n"
    "Clone programming for KT-V818X marine VHF radios from the command line.\n"
    "\n"
    "Options:\n"
    "  --help     show this help and exit\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? 64 : 0;
    }
    std::fprintf(stderr, "ktv818x-cli: unknown command '%s' (see --help)\n", argv[1]);
    return 64;
}
