#include <csignal>

#include "convert/interruption.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace brisel {

#ifdef _WIN32

namespace {

HANDLE runEnded = nullptr;

BOOL WINAPI StopOnConsoleEvent(DWORD event) { return StopForConsoleEvent(event) ? TRUE : FALSE; }

}  // namespace

// For the console's closing, logging off and shutting down, Windows ends the
// program when the handler returns: it waits (a few seconds at most) for the
// run to clean up.
bool StopForConsoleEvent(unsigned long event) {
    switch (event) {
        case CTRL_C_EVENT:
            RequestInterruption(SIGINT);
            return true;
        case CTRL_BREAK_EVENT:
            RequestInterruption(SIGBREAK);
            return true;
        default:
            RequestInterruption(SIGTERM);
            if (runEnded != nullptr) WaitForSingleObject(runEnded, 4000);
            return false;
    }
}

StopOnSignals::StopOnSignals() {
    ClearInterruption();
    runEnded = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(StopOnConsoleEvent, TRUE);
}

StopOnSignals::~StopOnSignals() {
    SetConsoleCtrlHandler(StopOnConsoleEvent, FALSE);
    if (runEnded != nullptr) SetEvent(runEnded);
}

void EndAsInterrupted(int signal) { ExitProcess(128 + static_cast<UINT>(signal)); }

#else

namespace {

constexpr int kStopping[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kIgnored[] = {SIGXFSZ, SIGPIPE};
struct sigaction saved[sizeof kStopping / sizeof kStopping[0] + sizeof kIgnored / sizeof kIgnored[0]];

void Stop(int signal) { RequestInterruption(signal); }

}  // namespace

// Without SA_RESTART, a read from a pipe or a wait for a lock returns at
// once, and the run ends instead of waiting on.
StopOnSignals::StopOnSignals() {
    ClearInterruption();
    struct sigaction stop {};
    stop.sa_handler = Stop;
    sigemptyset(&stop.sa_mask);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    int i = 0;
    for (const int signal : kStopping) sigaction(signal, &stop, &saved[i++]);
    for (const int signal : kIgnored) sigaction(signal, &ignore, &saved[i++]);
}

StopOnSignals::~StopOnSignals() {
    int i = 0;
    for (const int signal : kStopping) sigaction(signal, &saved[i++], nullptr);
    for (const int signal : kIgnored) sigaction(signal, &saved[i++], nullptr);
}

void EndAsInterrupted(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

#endif

}  // namespace brisel
