// The windowed program's start, one fresh process per run: from the process start to the first
// page shown in the main window (offscreen), with and without a clone file named on the command
// line, and the peak memory of the process. The benchmark starts itself again as the probe that
// runs the program and ends as soon as the page is there.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/qt/desktop_host.h"
#include "app/qt/window_program.h"
#include "app/radio_controller.h"
#include "platform/headless_services.h"
#include "support/test_paths.h"

namespace {

constexpr const char* kProbeSwitch = "--probe";
// The baseline: a process that makes its QApplication and ends, for what Qt alone costs.
constexpr const char* kBareSwitch = "--bare";

// The probe: the program as a user starts it, over default settings, until its first page shows.
int RunProbe(int argc, char** argv) {
    QApplication application(argc, argv);
    cmcEmptySettingsStore store;
    cmcNoInstanceLock lock;
    cuiQtHost host;
    cuiQtWindowProgram program(store, lock, host);
    std::vector<std::string> arguments{argv[0]};
    if (argc > 2) arguments.push_back(argv[2]);
    program.Start(arguments);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!program.Program().Main().CurrentSheetName().empty()) application.quit();
    });
    poll.start(1);
    return application.exec();
}

std::string g_self;

// One fresh probe process; the seconds it took and its peak resident memory in kilobytes.
bool RunOnce(const char* mode, const std::string& file, double& seconds, long& peakKb) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (file.empty()) {
            execl(g_self.c_str(), g_self.c_str(), mode, static_cast<char*>(nullptr));
        } else {
            execl(g_self.c_str(), g_self.c_str(), mode, file.c_str(), static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return false;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    peakKb = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Start(benchmark::State& state, const char* mode, const std::string& file) {
    long peakKb = 0;
    for (auto _ : state) {
        double seconds = 0;
        if (!RunOnce(mode, file, seconds, peakKb)) {
            state.SkipWithError("the program did not show its first page");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}

void BM_BareQtProcess(benchmark::State& state) {
    Start(state, kBareSwitch, "");
}
BENCHMARK(BM_BareQtProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_WindowToFirstPage(benchmark::State& state) {
    Start(state, kProbeSwitch, "");
}
BENCHMARK(BM_WindowToFirstPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_WindowToFirstPageWithFile(benchmark::State& state) {
    Start(state, kProbeSwitch, (BinPath("initial") / "model_03.icf").string());
}
BENCHMARK(BM_WindowToFirstPageWithFile)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], kProbeSwitch) == 0) return RunProbe(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], kBareSwitch) == 0) {
        QApplication application(argc, argv);
        return 0;
    }
    g_self = "/proc/self/exe";
    char path[4096] = {};
    const ssize_t length = readlink(g_self.c_str(), path, sizeof path - 1);
    if (length > 0) g_self.assign(path, static_cast<size_t>(length));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
