// Closing the main window, or logging off, while a conversion runs: the run
// stops as an interrupted command-line run stops, its files removed and an
// old target as it was, and the window closes once it has stopped, saying
// nothing more. The conversion is the real one, on files in memory.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <ostream>

#include "convert/interruption.h"
#include "convert/memory_file_system.h"
#include "tests/gui/main_window_fixture.h"

namespace brisel::testing {
namespace {

using Paths = std::vector<std::string>;

const std::string kOld = "an older netlist\r\n";
// The unknown first line warns while the main pass reads it.
const std::string kSource = "not a netlist\r\n*PART*\r\nU1 DIP8\r\n*NET*\r\n*SIGNAL* A\r\nU1.1\r\n*END*\r\n";

// What the user or the desktop does while the warning shows.
struct ClosingCase {
    const char* why;
    std::function<void(FakeWindow&)> act;
    // Whether the run's files are gone before the run goes on.
    bool filesGoAtOnce;
};

std::ostream& operator<<(std::ostream& out, const ClosingCase& c) { return out << c.why; }

class ClosingTest : public ::testing::TestWithParam<ClosingCase> {
protected:
    ClosingTest() {
        files.Put(Native("/boards/in.net"), kSource);
        files.Put(Native("/boards/out.net"), kOld);
        Enter("txtSource", Native("/boards/in.net"));
        Enter("txtTarget", Native("/boards/out.net"));
    }
    ~ClosingTest() override { ClearInterruption(); }

    FakeWindow& Form() { return platform.LastWindow("frmMain"); }
    void Enter(const std::string& box, const std::string& path) {
        Form().Type(box, path);
        Form().Fire(box, platform::Event::LostFocus);
    }
    // The log from its first entry that starts with `prefix`.
    Log From(const std::string& prefix) const {
        const auto at = std::find_if(platform.log.begin(), platform.log.end(),
                                     [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
        return Log(at, platform.log.end());
    }
    Paths Kept() const { return {Native("/boards/in.net"), Native("/boards/out.net")}; }

    FakePlatform platform;
    MemoryFileSystem files;
    main_window::MainWindow window{platform, ConvertNetlist, files};
};

TEST_P(ClosingTest, StopsTheRunRemovesItsFilesAndThenClosesTheWindow) {
    Paths duringWarning;
    platform.whileMessageShows = [&] {
        platform.whileMessageShows = nullptr;
        GetParam().act(Form());
        duringWarning = files.Paths();
    };
    Form().Click("cmdOK");
    EXPECT_EQ(duringWarning.size() == Kept().size(), GetParam().filesGoAtOnce);
    EXPECT_EQ(files.Paths(), Kept());
    EXPECT_EQ(files.Bytes(Native("/boards/out.net")), kOld);
    // Nothing is said after the window was asked to close.
    const Log after = From("close message boxes");
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(std::count_if(after.begin(), after.end(),
                            [](const std::string& entry) { return entry.rfind("message", 0) == 0 || entry == "beep"; }),
              0);
    EXPECT_EQ(after.back(), "close window frmMain");
    EXPECT_FALSE(Form().IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTest,
                         ::testing::Values(
                             // The close button, Alt+F4, the taskbar; a logging off that asks first.
                             ClosingCase{"CloseButton", [](FakeWindow& form) { form.RequestClose(); }, false},
                             // The session ends while the box shows: nothing runs after, so the
                             // files go before the handler returns.
                             ClosingCase{"SessionEnd", [](FakeWindow& form) { form.EndSession(); }, true},
                             ClosingCase{"AskedThenEnded",
                                         [](FakeWindow& form) {
                                             form.RequestClose();
                                             form.EndSession();
                                         },
                                         true}),
                         [](const auto& info) { return std::string(info.param.why); });

#ifndef _WIN32
// A signal (the session's SIGTERM) stops the run, which removes its files;
// the program then ends as the signal would have ended it, without a box that
// waits for an answer first.
TEST_F(ClosingTest, ASignalEndsTheProgramAfterTheRunWithoutAnotherMessage) {
    platform.whileMessageShows = [&] {
        platform.whileMessageShows = [] { std::fputs("a further message box", stderr); };
        RequestInterruption(SIGTERM);
    };
    EXPECT_EXIT(Form().Click("cmdOK"), ::testing::KilledBySignal(SIGTERM), "^$");
}
#endif

TEST_F(MainWindowTest, TheCloseButtonClosesAnIdleWindowAtOnce) {
    log().clear();
    Form().RequestClose();
    EXPECT_EQ(log(), (Log{"close window frmMain"}));
}

TEST_F(MainWindowTest, TheSessionsEndLeavesAnIdleWindowToTheDesktop) {
    log().clear();
    Form().EndSession();
    EXPECT_TRUE(log().empty());
    EXPECT_TRUE(Form().IsLoaded());
}

}  // namespace
}  // namespace brisel::testing
