#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "brisel_version.h"
#include "messages/messages.h"
#include "messages/window_texts.h"
#include "tests/gui/main_window_fixture.h"

namespace brisel::testing {
namespace {

using platform::MessageIcon;
using platform::OpenResult;

const Log kBusy{"disable cmdOK", "pointer hourglass", "show lblProg"};
const Log kIdle{"hide lblProg", "text lblProg []", "pointer default", "enable cmdOK"};
const Log kNoProblems{"disable mnuFileProblems"};
const Log kBackToSource{"focus txtSource", "select txtSource"};

Log Concat(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(MainWindowTest, OkIsBusyDuringTheConversionAndIdleAfter) {
    duringConversion = [](ConversionReporter& reporter) { reporter.Progress({ProgressStep::Stage::Percent, 50}); };
    log().clear();
    Form().Click("cmdOK");
    const Log expected = Concat(
        {kBusy, {"convert", "text lblProg [50% Complete]", "repaint lblProg"}, kIdle, kNoProblems, kBackToSource});
    EXPECT_EQ(log(), expected);
    EXPECT_TRUE(Form().Enabled("cmdOK"));
    EXPECT_FALSE(Form().Visible("lblProg"));
    EXPECT_EQ(Form().Pointer(), platform::Pointer::Default);
}

TEST_F(MainWindowTest, ConversionErrorsItReportsItselfStillEndIdle) {
    duringConversion = [](ConversionReporter& reporter) {
        Outcome refused;
        refused.result = ConversionResult::Refused;
        refused.refusal = Refusal::SourceMissing;
        reporter.Finished(refused);
    };
    log().clear();
    Form().Click("cmdOK");
    const Log expected = Concat({kBusy,
                                 {"convert", "beep",
                                  MessageEntry(messages::kSourceErrorTitle,
                                               "The netlist file 'PadsPCB.net' cannot be found.", MessageIcon::Error),
                                  "focus txtSource"},
                                 kIdle,
                                 kNoProblems,
                                 kBackToSource});
    EXPECT_EQ(log(), expected);
}

TEST_F(MainWindowTest, ConversionThatThrowsIsReportedAfterTheWindowIsIdle) {
    duringConversion = [](ConversionReporter&) { throw std::runtime_error("disk on fire"); };
    log().clear();
    Form().Click("cmdOK");
    const Log expected =
        Concat({kBusy,
                {"convert"},
                kIdle,
                kNoProblems,
                {"beep", MessageEntry(messages::kConversionErrorTitle, "disk on fire", MessageIcon::Error)},
                kBackToSource});
    EXPECT_EQ(log(), expected);
}

TEST_F(MainWindowTest, ConversionSetsTheWindowsCheckFlags) {
    duringConversion = [](ConversionReporter& reporter) { reporter.Warning(RunWarning::BadPinNumber); };
    Form().Click("cmdOK");
    EXPECT_TRUE(window.State().Flags.BadPinNumber);
}

TEST_F(MainWindowTest, HelpOpensTheHelpFileWithTheDesktopViewer) {
    Form().Click("mnuHelpContents");
    EXPECT_EQ(log().back(), "shell [" + Native("/opt/brisel/Brisel.txt") + "]");
}

struct HelpCase {
    const char* name;
    platform::TextViewer viewer;
    platform::OpenResult shellResult;
    bool startFails;
    Log expected;
};

// For windows whose conversion is never started.
Outcome NoConversion(const JobSettings&, FileSystem&, ConversionReporter&) { return Outcome{}; }

void PrintTo(const HelpCase& helpCase, std::ostream* out) { *out << helpCase.name; }

class HelpTest : public MainWindowTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpTest, StartsTheViewerOrSaysWhatKeptTheFileFromShowing) {
    // Windows' command line is built from the same folder text, whatever the
    // build's separator; no quotation marks even with a space in it.
    FakePlatform other;
    other.programFolder = Native("/Program Files/Conv");
    other.helpViewer = GetParam().viewer;
    other.shellResult = GetParam().shellResult;
    other.startFails = GetParam().startFails;
    main_window::MainWindow help(other, NoConversion);
    other.log.clear();
    other.LastWindow("frmMain").Click("mnuHelpContents");
    Log expected;
    for (const std::string& entry : GetParam().expected) {
        std::string native = entry;
        const auto at = native.find("/Program Files/Conv/Brisel.txt");
        if (at != std::string::npos) {
            native.replace(at, 30, Native("/Program Files/Conv/Brisel.txt"));
        }
        expected.push_back(native);
    }
    EXPECT_EQ(other.log, expected);
}

const std::string kNotOpened = MessageEntry(
    "Help - Error", "The help file '/Program Files/Conv/Brisel.txt' could not be opened.", MessageIcon::Error);
const std::string kNotFound =
    MessageEntry("Help - Error", "The help file '/Program Files/Conv/Brisel.txt' was not found.", MessageIcon::Error);
const std::string kNoViewer = MessageEntry(
    "Help - Error", "No program to show the help file '/Program Files/Conv/Brisel.txt' was found.", MessageIcon::Error);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Viewers, HelpTest, ::testing::Values(
    HelpCase{"Notepad", platform::TextViewer::Notepad, OpenResult::Opened, false,
             {"start [Notepad.exe /Program Files/Conv/Brisel.txt]", "front 4711"}},
    HelpCase{"NotepadMissing", platform::TextViewer::Notepad, OpenResult::Opened, true,
             {"start [Notepad.exe /Program Files/Conv/Brisel.txt]", "beep", kNoViewer}},
    HelpCase{"Viewer", platform::TextViewer::ShellDefault, OpenResult::Opened, false,
             {"shell [/Program Files/Conv/Brisel.txt]"}},
    HelpCase{"ViewerMissing", platform::TextViewer::ShellDefault, OpenResult::NoProgram, false,
             {"shell [/Program Files/Conv/Brisel.txt]", "beep", kNoViewer}},
    HelpCase{"HelpFileMissing", platform::TextViewer::ShellDefault, OpenResult::NotFound, false,
             {"shell [/Program Files/Conv/Brisel.txt]", "beep", kNotFound}},
    HelpCase{"ViewerFails", platform::TextViewer::ShellDefault, OpenResult::Failed, false,
             {"shell [/Program Files/Conv/Brisel.txt]", "beep", kNotOpened}}),
    [](const auto& row) { return row.param.name; });
// clang-format on

struct HelpFileCase {
    const char* name;
    std::vector<std::string> existing;
    std::string opened;
};

void PrintTo(const HelpFileCase& helpFileCase, std::ostream* out) { *out << helpFileCase.name; }

class HelpFileTest : public ::testing::TestWithParam<HelpFileCase> {};

TEST_P(HelpFileTest, IsLookedForBesideTheProgramThenInTheInstalledDataFolder) {
    FakePlatform installed;
    installed.programFolder = Native("/opt/tree/bin");
    for (const std::string& file : GetParam().existing) installed.ordinaryFiles.push_back(Native(file));
    main_window::MainWindow help(installed, NoConversion);
    installed.log.clear();
    installed.LastWindow("frmMain").Click("mnuHelpContents");
    EXPECT_EQ(installed.log, Log{"shell [" + Native(GetParam().opened) + "]"});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Places, HelpFileTest, ::testing::Values(
    HelpFileCase{"BesideTheProgram", {"/opt/tree/bin/Brisel.txt"}, "/opt/tree/bin/Brisel.txt"},
    HelpFileCase{"InstalledDataFolder", {"/opt/tree/share/brisel/Brisel.txt"}, "/opt/tree/share/brisel/Brisel.txt"},
    // A copy beside the program wins, as on Windows.
    HelpFileCase{"Both", {"/opt/tree/share/brisel/Brisel.txt", "/opt/tree/bin/Brisel.txt"},
                 "/opt/tree/bin/Brisel.txt"},
    // The viewer then says which file is missing: the one beside the program.
    HelpFileCase{"Neither", {}, "/opt/tree/bin/Brisel.txt"}),
    [](const auto& row) { return row.param.name; });
// clang-format on

// The viewer may report long after the command returned: only then does the
// error show.
TEST_F(MainWindowTest, AViewerThatFailsLaterIsReportedWhenItEnds) {
    platform.deferShellResults = true;
    platform.shellResult = OpenResult::NoProgram;
    Form().Click("mnuHelpContents");
    EXPECT_TRUE(platform.Entries("message").empty());
    platform.FinishShellOpens();
    EXPECT_EQ(platform.Entries("message"),
              Log{MessageEntry("Help - Error",
                               "No program to show the help file '" + Native("/opt/brisel/Brisel.txt") + "' was found.",
                               MessageIcon::Error)});
}

TEST_F(MainWindowTest, AViewerReportingAfterTheWindowIsGoneReachesNothing) {
    platform.deferShellResults = true;
    platform.shellResult = OpenResult::Failed;
    {
        main_window::MainWindow gone(platform, NoConversion);
        platform.LastWindow("frmMain").Click("mnuHelpContents");
    }
    platform.FinishShellOpens();
    EXPECT_TRUE(platform.Entries("message").empty());
}

TEST_F(MainWindowTest, ExitClosesTheWindowThenEndsTheProgram) {
    log().clear();
    Form().Click("mnuFileExit");
    EXPECT_EQ(log(), (Log{"close window frmMain", "quit"}));
}

TEST_F(MainWindowTest, AboutWithoutAnAboutBoxDoesNothing) {
    log().clear();
    Form().Click("mnuHelpAbout");
    EXPECT_TRUE(log().empty());
}

TEST_F(MainWindowTest, AboutHandsTheBoxTheVersionTheDisclaimerAndTheWindowToOpenBeside) {
    std::string version;
    std::string disclaimer;
    const platform::Window* beside = nullptr;
    window.SetAboutOpener([&](const std::string& v, const std::string& d, const platform::Window& w) {
        version = v;
        disclaimer = d;
        beside = &w;
    });
    Form().Click("mnuHelpAbout");
    EXPECT_EQ(version, brisel::version::kAppVersion);
    EXPECT_EQ(disclaimer, messages::kDisclaimer);
    EXPECT_EQ(beside, &window.Form());
}

}  // namespace
}  // namespace brisel::testing
