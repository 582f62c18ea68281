#include <csignal>

#include "file_system/interruption.h"

namespace brisel {

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

}  // namespace brisel
