#include <gtest/gtest.h>

#include "messages/messages.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/convert_program.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::testing {
namespace {

Problem BadPin(std::int64_t sourceLine, std::string part, std::string pin) {
    Problem problem{};
    problem.kind = ProblemKind::BadPin;
    problem.joinedLine = problem.sourceLine = sourceLine;
    problem.name = std::move(part);
    problem.pin = std::move(pin);
    return problem;
}

const Problem kBadPin = BadPin(16, "C1", "0");
const Problem kNoNets = [] {
    Problem problem{};
    problem.kind = ProblemKind::NoNetSection;
    return problem;
}();
const std::string kNoNetsLine = "PadsPCB.net: warning: no net section (\"*NET*\") was found";
const std::string kBadPinLine = "PadsPCB.net:16: warning: pin \"0\" of part \"C1\" is not a plain positive number";

class ProblemsTest : public MainWindowTest {
protected:
    // A conversion that warns once and reports these problems.
    void ConvertReporting(std::vector<Problem> problems) {
        duringConversion = [problems](ConversionReporter& reporter) {
            if (!problems.empty()) reporter.Warning(RunWarning::BadPinNumber);
            for (const Problem& problem : problems) {
                if (reporter.WantsProblems()) reporter.ProblemFound(problem);
            }
            reporter.Finished({});
        };
        Form().Click("cmdOK");
    }
    FakeWindow& Problems() { return platform.LastWindow("frmProblems"); }
    void OpenProblems() { Form().Click("mnuFileProblems"); }
};

TEST_F(ProblemsTest, TheMenuItemIsDisabledBeforeAnyConversion) { EXPECT_FALSE(Form().Enabled("mnuFileProblems")); }

TEST_F(ProblemsTest, AConversionWithProblemsEnablesTheMenuItemAndOneWithoutDisablesItAgain) {
    ConvertReporting({kBadPin});
    EXPECT_TRUE(Form().Enabled("mnuFileProblems"));
    ConvertReporting({});
    EXPECT_FALSE(Form().Enabled("mnuFileProblems"));
}

TEST_F(ProblemsTest, TheMessageBoxesAndTheirOrderStayAsWithoutTheList) {
    ConvertReporting({kBadPin, kBadPin});
    const Log boxes = platform.Entries("message");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], MessageEntry("Source File - Warning", messages::ForWarning(RunWarning::BadPinNumber).BoxText(),
                                     platform::MessageIcon::Warning));
    EXPECT_EQ(boxes[1].rfind("message [File Conversion - Complete]", 0), 0u) << boxes[1];
    EXPECT_EQ(platform.formsCreated, 1);  // the list opens only from the menu
}

TEST_F(ProblemsTest, TheWindowListsEachProblemWithItsSourceLineAsDetailsWordsIt) {
    ConvertReporting({kBadPin, kNoNets});
    OpenProblems();
    EXPECT_EQ(Problems().Text("txtProblems"), kBadPinLine + "\r\n" + kNoNetsLine);
    EXPECT_EQ(Problems().Focus(), "txtProblems");
    EXPECT_EQ(Problems().Caption(), "Problems - Brisel");
    EXPECT_EQ(platform.Entries("show window frmProblems"), Log{"show window frmProblems beside frmMain"});
}

TEST_F(ProblemsTest, AtMostAHundredLinesOfAKindAndThenHowManyMore) {
    std::vector<Problem> many(103, kBadPin);
    many.push_back(kNoNets);
    ConvertReporting(many);
    OpenProblems();
    const auto& lines = window.State().Problems;
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[99], kBadPinLine);
    EXPECT_EQ(lines[100], kNoNetsLine);
    EXPECT_EQ(lines[101],
              "PadsPCB.net: warning: 3 more of the kind \"pin that is not a plain positive number\" not shown");
}

TEST_F(ProblemsTest, CopyPutsEveryLineOnTheClipboardEachWithItsLineEnd) {
    ConvertReporting({kBadPin, kNoNets});
    OpenProblems();
    Problems().Click("cmdCopy");
    EXPECT_EQ(platform.clipboard, kBadPinLine + "\r\n" + kNoNetsLine + "\r\n");
}

struct CopyFailureCase {
    const char* name;
    platform::ClipboardResult result;
    const char* text;
};

class CopyFailureTest : public ProblemsTest, public ::testing::WithParamInterface<CopyFailureCase> {};

// A box titled as the window says why, without a beep; the list stays open.
TEST_P(CopyFailureTest, SaysWhyTheListIsNotOnTheClipboard) {
    ConvertReporting({kBadPin});
    OpenProblems();
    platform.clipboardResult = GetParam().result;
    log().clear();
    Problems().Click("cmdCopy");
    EXPECT_EQ(log(), (Log{"clipboard [" + kBadPinLine + "\r\n]",
                          MessageEntry("Problems - Brisel", GetParam().text, platform::MessageIcon::Error)}));
    EXPECT_TRUE(window.ProblemsWindow().IsLoaded());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Results, CopyFailureTest, ::testing::Values(
    CopyFailureCase{"NoMemory", platform::ClipboardResult::NoMemory, "There is not enough memory to copy the list."},
    CopyFailureCase{"Refused", platform::ClipboardResult::Refused, "The list could not be copied to the clipboard."}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST_F(ProblemsTest, OpeningAgainKeepsOneWindowAndBringsItToTheFront) {
    ConvertReporting({kBadPin});
    OpenProblems();
    OpenProblems();
    EXPECT_EQ(platform.formsCreated, 2);  // the main window and one list
    EXPECT_EQ(Problems().ShowCount(), 2);
}

TEST_F(ProblemsTest, CloseUnloadsAndTheMenuItemLoadsANewWindow) {
    ConvertReporting({kBadPin});
    OpenProblems();
    Problems().Click("cmdClose");
    EXPECT_FALSE(window.ProblemsWindow().IsLoaded());
    OpenProblems();
    EXPECT_EQ(platform.formsCreated, 3);
    EXPECT_EQ(Problems().Text("txtProblems"), kBadPinLine);
}

TEST_F(ProblemsTest, AnOpenWindowListsTheNextConversionsProblems) {
    ConvertReporting({kBadPin});
    OpenProblems();
    ConvertReporting({kNoNets});
    EXPECT_EQ(Problems().Text("txtProblems"), kNoNetsLine);
    ConvertReporting({});
    EXPECT_EQ(Problems().Text("txtProblems"), "No problems were found in the last conversion.");
    Problems().Click("cmdCopy");
    EXPECT_EQ(platform.clipboard, "");
}

// The title bar's close button of the main window, or File > Exit.
TEST_F(ProblemsTest, TheWindowClosesWithTheMainWindow) {
    ConvertReporting({kBadPin});
    OpenProblems();
    Form().Close();
    EXPECT_FALSE(window.ProblemsWindow().IsLoaded());
}

// The real conversion of a netlist with a problem of every kind: the list
// holds the lines brisel-convert --details prints for it, in its order.
TEST(ProblemsOfARealConversion, AreTheLinesDetailsPrints) {
    const std::string source = test::TestData("every_problem.net");
    FakePlatform platform;
    test::MemoryFileSystem files;
    files.Put(Native("/boards/every_problem.net"), source);
    main_window::MainWindow window(platform, ConvertNetlist, files);
    window.PutPath("txtSource", Native("/boards/every_problem.net"));
    window.PutPath("txtTarget", Native("/boards/out.net"));
    window.cmdOK_Click();
    test::TempFolder folder;
    folder.Write("every_problem.net", source);
    const test::ProgramRun run = test::RunConvert({{"--details", "every_problem.net", "cli.net"}, folder.Path()});
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> details;
    for (const std::string& line : run.err) {
        if (line.rfind("every_problem.net", 0) == 0) details.push_back(line);
    }
    EXPECT_GE(details.size(), 8u);
    EXPECT_EQ(window.State().Problems, details);
}

}  // namespace
}  // namespace brisel::testing
