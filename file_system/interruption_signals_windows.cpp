#include <windows.h>

#include <csignal>

#include "file_system/interruption.h"

namespace brisel {

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

}  // namespace brisel
