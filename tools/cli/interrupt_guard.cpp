#include "interrupt_guard.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void NoteInterrupt(int) {
    g_interrupted = 1;
}

#ifdef _WIN32
using Handler = void (*)(int);
Handler g_previousInt = SIG_DFL;
Handler g_previousTerm = SIG_DFL;
#else
struct sigaction g_previousInt {};
struct sigaction g_previousTerm {};
#endif

}  // namespace

clsInterruptGuard::clsInterruptGuard() {
    g_interrupted = 0;
#ifdef _WIN32
    g_previousInt = std::signal(SIGINT, NoteInterrupt);
    g_previousTerm = std::signal(SIGTERM, NoteInterrupt);
#else
    // Without SA_RESTART a question waiting on the terminal returns at once and counts as no.
    struct sigaction action {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &g_previousInt);
    sigaction(SIGTERM, &action, &g_previousTerm);
#endif
}

clsInterruptGuard::~clsInterruptGuard() {
#ifdef _WIN32
    std::signal(SIGINT, g_previousInt);
    std::signal(SIGTERM, g_previousTerm);
#else
    sigaction(SIGINT, &g_previousInt, nullptr);
    sigaction(SIGTERM, &g_previousTerm, nullptr);
#endif
}

bool clsInterruptGuard::Interrupted() {
    return g_interrupted != 0;
}
