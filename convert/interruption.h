#pragma once
// A request to stop the running conversion, made by a signal handler, a
// console's Ctrl+C or the window that closes. The disk's files fail their
// next operation once it is made, so the run ends at the next line or block
// like any failed run: its files removed, an old target as it was.

namespace brisel {

// Safe to call from a signal handler: it only stores the number.
void RequestInterruption(int signal) noexcept;
// The signal that asked to stop, or 0.
int InterruptionSignal() noexcept;
inline bool InterruptionRequested() noexcept { return InterruptionSignal() != 0; }
// Forgets an earlier request, before a new run.
void ClearInterruption() noexcept;

// From its start (which forgets an earlier request) to its end, SIGINT,
// SIGTERM and SIGHUP (Ctrl+C, Ctrl+Break and the console's closing on
// Windows) ask the run to stop instead of killing the program, and SIGXFSZ
// and SIGPIPE are ignored, so that a file-size limit or a closed pipe fails a
// write like a full disk. The program's earlier handling comes back at its
// end.
class StopOnSignals {
public:
    StopOnSignals();
    ~StopOnSignals();
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;
};

#ifdef _WIN32
// What a console event asks while StopOnSignals lives: Ctrl+C and Ctrl+Break
// stop the run as SIGINT and SIGBREAK would, and the program goes on to end
// it (true); the console's closing, logging off and shutting down stop it as
// SIGTERM, and Windows ends the program once the run has cleaned up (false).
bool StopForConsoleEvent(unsigned long event);
#endif

// Ends the program as the signal that asked the run to stop would have, once
// the run has cleaned up: for a window, whose exit status nobody reads.
void EndAsInterrupted(int signal);

}  // namespace brisel
