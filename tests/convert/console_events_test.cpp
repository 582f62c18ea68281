// The console's events as brisel-convert.exe takes them while it converts.
// Wine delivers Ctrl+C to a program (the console test runs one), but not
// Ctrl+Break, so the events are handed to the handler here.

#include <windows.h>

#include <gtest/gtest.h>

#include <csignal>
#include <ostream>

#include "convert/interruption.h"

namespace brisel::test {
namespace {

struct ConsoleEventCase {
    const char* why;
    DWORD event;
    int signal;          // the signal the run stops as
    bool programGoesOn;  // to end the run itself; otherwise Windows ends it
};

std::ostream& operator<<(std::ostream& out, const ConsoleEventCase& c) { return out << c.why; }

class ConsoleEvents : public testing::TestWithParam<ConsoleEventCase> {
protected:
    ~ConsoleEvents() override { ClearInterruption(); }
};

TEST_P(ConsoleEvents, StopTheRunAsTheirSignals) {
    const ConsoleEventCase& c = GetParam();
    ClearInterruption();
    EXPECT_EQ(StopForConsoleEvent(c.event), c.programGoesOn);
    EXPECT_EQ(InterruptionSignal(), c.signal);
}

INSTANTIATE_TEST_SUITE_P(Events, ConsoleEvents,
                         testing::Values(
                             // Status 130, as shells expect.
                             ConsoleEventCase{"CtrlC", CTRL_C_EVENT, SIGINT, true},
                             // Status 128 + 21.
                             ConsoleEventCase{"CtrlBreak", CTRL_BREAK_EVENT, SIGBREAK, true},
                             ConsoleEventCase{"ConsoleClosed", CTRL_CLOSE_EVENT, SIGTERM, false},
                             ConsoleEventCase{"LoggingOff", CTRL_LOGOFF_EVENT, SIGTERM, false},
                             ConsoleEventCase{"ShuttingDown", CTRL_SHUTDOWN_EVENT, SIGTERM, false}),
                         [](const auto& info) { return std::string(info.param.why); });

}  // namespace
}  // namespace brisel::test
