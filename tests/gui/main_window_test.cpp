#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "brisel_version.h"
#include "main_window/command_line.h"
#include "messages/messages.h"
#include "tests/gui/main_window_fixture.h"

namespace brisel::testing {
namespace {

using platform::MessageIcon;

std::string Entry(const messages::Message& message) {
    return MessageEntry(message.title, message.BoxText(), MessageIcon::Error);
}
const std::string kMissing = Entry(messages::MissingNames());
const std::string kSame = Entry(messages::ForRefusal(Refusal::SameFile, {}));

TEST_F(MainWindowTest, LoadStepFillsTheDefaults) {
    const auto& state = window.State();
    EXPECT_EQ(state.AppVersion, version::kAppVersion);
    EXPECT_EQ(state.AppPath, Native("/opt/brisel/"));
    EXPECT_EQ(state.SourcePath, state.AppPath);
    EXPECT_EQ(state.TargetPath, state.AppPath);
    EXPECT_EQ(state.HelpFileName, "Brisel.txt");
    EXPECT_EQ(state.SpoolFileName, "BriselTemp.txt");
    EXPECT_EQ(state.JoinedFileName, "BriselTemp2.txt");
    EXPECT_EQ(Form().Text("txtSource"), Native("/opt/brisel/PadsPCB.net"));
    EXPECT_EQ(Form().Text("txtTarget"), Native("/opt/brisel/ExpressPCB.net"));
    EXPECT_EQ(Form().ToolTip("lblTitle"), std::string("Version ") + version::kAppVersion);
    EXPECT_EQ(Form().Text("lblProg"), "");
    EXPECT_FALSE(Form().Visible("lblProg"));
    EXPECT_FALSE(state.Flags.NameTooLong || state.Flags.BadCharacter || state.Flags.BadPinNumber);
}

TEST_F(MainWindowTest, ShowPutsTheFocusInTheSourceBox) {
    window.Show();
    EXPECT_EQ(Form().Focus(), "txtSource");
}

TEST_F(MainWindowTest, DisclaimerMakesFiveStatements) {
    const std::string& text = window.State().Disclaimer;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    EXPECT_NE(text.find("as is"), std::string::npos);
    EXPECT_NE(text.find("no warranty"), std::string::npos);
    EXPECT_NE(text.find("Check every converted netlist"), std::string::npos);
    EXPECT_NE(text.find("no liability"), std::string::npos);
    EXPECT_NE(text.find("belong to their owners"), std::string::npos);
}

struct FolderCase {
    const char* name;
    const char* programFolder;
    const char* appPath;
};

class ProgramFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderTest, AppPathEndsInExactlyOneSeparator) {
    FakePlatform platform;
    platform.programFolder = Native(GetParam().programFolder);
    main_window::MainWindow window(platform,
                                   [](const JobSettings&, FileSystem&, ConversionReporter&) { return Outcome{}; });
    EXPECT_EQ(window.State().AppPath, Native(GetParam().appPath));
    EXPECT_EQ(platform.LastWindow("frmMain").Text("txtSource"), Native(GetParam().appPath) + "PadsPCB.net");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Folders, ProgramFolderTest, ::testing::Values(
    FolderCase{"SeparatorAdded", "/tools/conv", "/tools/conv/"},
    FolderCase{"NeverASecondOne", "/tools/conv/", "/tools/conv/"},
    FolderCase{"RootKeepsItsOwn", "/", "/"}),
    [](const auto& row) { return row.param.name; });
// clang-format on

struct SplitCase {
    const char* name;
    const char* typed;
    const char* folder;  // expected stored pair after leaving the box
    const char* file;
};

class PathSplitTest : public MainWindowTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(PathSplitTest, LeavingEitherBoxStoresWhatItShows) {
    EnterPath("txtSource", Native(GetParam().typed));
    EnterPath("txtTarget", Native(GetParam().typed));
    const std::string folder = Native(GetParam().folder);
    EXPECT_EQ(window.State().SourcePath, folder);
    EXPECT_EQ(window.State().SourceFile, GetParam().file);
    EXPECT_EQ(window.State().TargetPath, folder);
    EXPECT_EQ(window.State().TargetFile, GetParam().file);
    EXPECT_EQ(Form().Text("txtSource"), folder + GetParam().file);
    EXPECT_EQ(Form().Text("txtTarget"), folder + GetParam().file);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, PathSplitTest, ::testing::Values(
    SplitCase{"WholePath", "/Out/board.net", "/Out/", "board.net"},
    SplitCase{"FolderAlone", "/In/", "/In/", ""},                                // OK will refuse it
    SplitCase{"NetworkShare", "//server/share/a.net", "//server/share/", "a.net"},
    SplitCase{"BareName", "board.net", "/opt/brisel/", "board.net"},             // in the folder the box held
    SplitCase{"RelativePath", "sub/board.net", "/opt/brisel/sub/", "board.net"}, // relative to that folder
    SplitCase{"SpacesKept", "/a b/ c.net ", "/a b/", " c.net "}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST_F(MainWindowTest, ANameTypedLaterIsAFileInTheFolderTheBoxHoldsThen) {
    EnterPath("txtTarget", Native("/out/first.net"));
    EnterPath("txtTarget", "second.net");
    EXPECT_EQ(window.State().TargetPath, Native("/out/"));
    EXPECT_EQ(window.State().TargetFile, "second.net");
    EXPECT_EQ(Form().Text("txtTarget"), Native("/out/second.net"));
}

TEST_F(MainWindowTest, AnEmptiedBoxStaysEmptyAndKeepsItsFolderForTheNextName) {
    EnterPath("txtSource", "");
    EXPECT_EQ(Form().Text("txtSource"), "");
    EXPECT_EQ(window.State().SourceFile, "");
    EnterPath("txtSource", "board.net");
    EXPECT_EQ(Form().Text("txtSource"), Native("/opt/brisel/board.net"));
}

TEST_F(MainWindowTest, TypingAloneChangesNoStoredField) {
    Form().MoveFocusTo("txtSource");
    Form().Type("txtSource", Native("/elsewhere/x.net"));
    EXPECT_EQ(window.State().SourceFile, "PadsPCB.net");
}

// The tooltip shows the whole path while the box holds one; an empty box
// asks for one again.
TEST_F(MainWindowTest, APathBoxsTooltipShowsTheWholePath) {
    EXPECT_EQ(Form().ToolTip("txtSource"), Native("/opt/brisel/PadsPCB.net"));
    EnterPath("txtTarget", Native("/out/board.net"));
    EXPECT_EQ(Form().ToolTip("txtTarget"), Native("/out/board.net"));
    EnterPath("txtTarget", "");
    EXPECT_EQ(Form().ToolTip("txtTarget"), "Enter target path");
}

struct OkCase {
    const char* name;
    const char* source;  // typed into the box; nullptr keeps the default
    const char* target;
    std::string refusal;  // expected message, empty when the conversion runs
};

class OkChecksTest : public MainWindowTest, public ::testing::WithParamInterface<OkCase> {};

TEST_P(OkChecksTest, RefusesBadNamesWithBeepMessageAndFocusOnSource) {
    if (GetParam().source) EnterPath("txtSource", Native(GetParam().source));
    if (GetParam().target) EnterPath("txtTarget", Native(GetParam().target));
    log().clear();
    PressOK();
    if (GetParam().refusal.empty()) {
        EXPECT_EQ(platform.Entries("convert").size(), 1u);
        EXPECT_TRUE(platform.Entries("message").empty());
        return;
    }
    const Log expected{"beep", GetParam().refusal, "focus txtSource"};
    EXPECT_EQ(log(), expected);
    EXPECT_TRUE(Form().Enabled("cmdOK"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, OkChecksTest, ::testing::Values(
    OkCase{"EmptyTarget", nullptr, "", kMissing},
    OkCase{"EmptySource", "", nullptr, kMissing},
    OkCase{"SourceEndsInFolder", "/In/", nullptr, kMissing},
    OkCase{"TargetEndsInFolder", nullptr, "/Out/", kMissing},
    OkCase{"SameIgnoringCase", "/A/x.net", "/a/X.NET", kSame},
    OkCase{"SameFolderAndName", "/A/x.net", "/A/x.net", kSame},
    OkCase{"OtherFolder", "/A/x.net", "/B/x.net", ""},
    OkCase{"OtherName", "/A/x.net", "/A/y.net", ""},
    OkCase{"EmptiedSource", "", "/B/x.net", kMissing},
    OkCase{"SpacesAreNotEmpty", "   ", nullptr, ""},
    OkCase{"BareNameRunsInTheHeldFolder", "board.net", nullptr, ""}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST_F(MainWindowTest, RefusesTwoSpellingsOfOneExistingFile) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "brisel_gui_same_file";
    fs::create_directories(folder / "sub");
    std::ofstream(folder / "board.net") << "*PADS-PCB*\n";
    EnterPath("txtSource", (folder / "board.net").string());
    EnterPath("txtTarget", (folder / "sub" / ".." / "board.net").string());
    log().clear();
    PressOK();
    EXPECT_EQ(log(), (Log{"beep", kSame, "focus txtSource"}));
    fs::remove_all(folder);
}

// A shortcut key presses OK without moving the focus: the path typed into
// the box is converted all the same.
TEST_F(MainWindowTest, OkTakesAPathTypedIntoABoxThatNeverLostTheFocus) {
    EnterPath("txtSource", Native("/in/a.net"));
    EnterPath("txtTarget", Native("/out/b.net"));
    Form().MoveFocusTo("txtSource");
    Form().Type("txtSource", "typed.net");
    Form().Click("cmdOK");
    EXPECT_EQ(seen.SourcePath, Native("/in/"));
    EXPECT_EQ(seen.SourceFile, "typed.net");
    EXPECT_EQ(Form().Text("txtSource"), Native("/in/typed.net"));
    EXPECT_EQ(seen.TargetPath, Native("/out/"));
    EXPECT_EQ(seen.TargetFile, "b.net");
    EXPECT_EQ(seen.AppVersion, version::kAppVersion);
    EXPECT_EQ(seen.SpoolFileName, "BriselTemp.txt");
    EXPECT_EQ(seen.JoinedFileName, "BriselTemp2.txt");
}

TEST_F(MainWindowTest, AfterAConversionTheSourcePathIsSelectedForTyping) {
    PressOK();
    EXPECT_EQ(Form().Focus(), "txtSource");
    EXPECT_EQ(platform.Entries("select"), Log{"select txtSource"});
}

struct DefaultsCase {
    const char* name;
    bool programFolderWritable;
    const char* folder;  // where both boxes start
};

class DefaultsTest : public ::testing::TestWithParam<DefaultsCase> {};

TEST_P(DefaultsTest, StartInTheProgramsFolderOnlyWhenTheUserMayWriteThere) {
    FakePlatform platform;
    if (!GetParam().programFolderWritable) platform.unwritableFolders.push_back(Native("/opt/brisel/"));
    main_window::MainWindow window(platform,
                                   [](const JobSettings&, FileSystem&, ConversionReporter&) { return Outcome{}; });
    const std::string folder = Native(GetParam().folder);
    EXPECT_EQ(window.State().AppPath, Native("/opt/brisel/"));
    EXPECT_EQ(platform.LastWindow("frmMain").Text("txtSource"), folder + "PadsPCB.net");
    EXPECT_EQ(platform.LastWindow("frmMain").Text("txtTarget"), folder + "ExpressPCB.net");
    EXPECT_EQ(window.State().SourcePath + window.State().SourceFile, folder + "PadsPCB.net");
    EXPECT_EQ(window.State().TargetPath + window.State().TargetFile, folder + "ExpressPCB.net");
}

INSTANTIATE_TEST_SUITE_P(Folders, DefaultsTest,
                         ::testing::Values(DefaultsCase{"PortableCopy", true, "/opt/brisel/"},
                                           DefaultsCase{"Installed", false, "/home/pat/Documents/"}),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace brisel::testing

namespace brisel::testing {
namespace {

struct DropCase {
    const char* name;
    const char* control;  // under the drop, empty for the window itself
    const char* box;      // the box that takes the file
};

class DropTest : public MainWindowTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropTest, TheTargetBoxTakesItsDropAndEverythingElseGivesTheSource) {
    Form().Drop(GetParam().control, Native("/boards/cpu.net"));
    const auto& state = window.State();
    const bool target = std::string(GetParam().box) == "txtTarget";
    EXPECT_EQ(Form().Text(GetParam().box), Native("/boards/cpu.net"));
    EXPECT_EQ(target ? state.TargetPath : state.SourcePath, Native("/boards/"));
    EXPECT_EQ(target ? state.TargetFile : state.SourceFile, "cpu.net");
    EXPECT_EQ(target ? state.SourceFile : state.TargetFile, target ? "PadsPCB.net" : "ExpressPCB.net");
}

INSTANTIATE_TEST_SUITE_P(Places, DropTest,
                         ::testing::Values(DropCase{"SourceBox", "txtSource", "txtSource"},
                                           DropCase{"TargetBox", "txtTarget", "txtTarget"},
                                           DropCase{"OkButton", "cmdOK", "txtSource"},
                                           DropCase{"Background", "", "txtSource"}),
                         [](const auto& row) { return row.param.name; });

struct StartCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* source;  // what the boxes show
    const char* target;
};

class StartPathsTest : public MainWindowTest, public ::testing::WithParamInterface<StartCase> {};

// Relative paths are taken from the folder the program started in; a source
// alone gets a target beside it.
TEST_P(StartPathsTest, FillTheBoxesWithWholePaths) {
    std::vector<std::string> arguments;
    for (const std::string& argument : GetParam().arguments) arguments.push_back(Native(argument));
    window.PutStartPaths(arguments);
    EXPECT_EQ(Form().Text("txtSource"), Native(GetParam().source));
    EXPECT_EQ(Form().Text("txtTarget"), Native(GetParam().target));
    EXPECT_EQ(window.State().SourcePath + window.State().SourceFile, Native(GetParam().source));
    EXPECT_EQ(window.State().TargetPath + window.State().TargetFile, Native(GetParam().target));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, StartPathsTest, ::testing::Values(
    StartCase{"None", {}, "/opt/brisel/PadsPCB.net", "/opt/brisel/ExpressPCB.net"},
    StartCase{"BothAbsolute", {"/in/board.net", "/out/new.net"}, "/in/board.net", "/out/new.net"},
    StartCase{"BothRelative", {"board.net", "out/new.net"},
              "/home/pat/boards/board.net", "/home/pat/boards/out/new.net"},
    StartCase{"SourceAlone", {"/in/board.net"}, "/in/board.net", "/in/board-expresspcb.net"},
    StartCase{"RelativeSourceAlone", {"cpu.asc"}, "/home/pat/boards/cpu.asc", "/home/pat/boards/cpu-expresspcb.net"}),
    [](const auto& row) { return row.param.name; });
// clang-format on

using main_window::StartRequest;

struct CommandLineCase {
    const char* name;
    std::vector<std::string> arguments;
    StartRequest::Kind kind;
    std::vector<std::string> paths;
    std::string unknownOption;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, TakesUpToTwoPathsOrAnOption) {
    const StartRequest request = main_window::ParseCommandLine(GetParam().arguments);
    EXPECT_EQ(request.kind, GetParam().kind);
    EXPECT_EQ(request.paths, GetParam().paths);
    EXPECT_EQ(request.unknownOption, GetParam().unknownOption);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest, ::testing::Values(
    CommandLineCase{"None", {}, StartRequest::Run, {}, {}},
    CommandLineCase{"Source", {"a.net"}, StartRequest::Run, {"a.net"}, {}},
    CommandLineCase{"SourceAndTarget", {"a.net", "b.net"}, StartRequest::Run, {"a.net", "b.net"}, {}},
    CommandLineCase{"ThreePaths", {"a", "b", "c"}, StartRequest::WrongUsage, {}, {}},
    CommandLineCase{"Help", {"a.net", "--help"}, StartRequest::ShowHelp, {}, {}},
    CommandLineCase{"Version", {"-V"}, StartRequest::ShowVersion, {}, {}},
    CommandLineCase{"UnknownLongOption", {"a.net", "--bogus"}, StartRequest::WrongUsage, {}, "--bogus"},
    CommandLineCase{"UnknownShortOption", {"-x.net"}, StartRequest::WrongUsage, {}, "-x.net"},
    CommandLineCase{"FirstUnknownOption", {"-a", "-b"}, StartRequest::WrongUsage, {}, "-a"},
    CommandLineCase{"HelpAfterAnUnknownOption", {"--bogus", "-h"}, StartRequest::ShowHelp, {}, {}},
    CommandLineCase{"LoneDashIsAPath", {"-", "b.net"}, StartRequest::Run, {"-", "b.net"}, {}},
    CommandLineCase{"PathsAfterDoubleDash", {"--", "-x.net", "--help"}, StartRequest::Run, {"-x.net", "--help"}, {}},
    CommandLineCase{"OnlyTheFirstDoubleDashEndsOptions", {"--", "--"}, StartRequest::Run, {"--"}, {}},
    CommandLineCase{"ThreePathsAfterDoubleDash", {"a", "--", "b", "c"}, StartRequest::WrongUsage, {}, {}}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST(UsageErrorText, SaysWhatIsWrongInOneLineAndPointsToHelp) {
    EXPECT_EQ(main_window::UsageErrorText(main_window::ParseCommandLine({"--bogus"})),
              "brisel: unknown option '--bogus'\nTry 'brisel --help' for more information.\n");
    EXPECT_EQ(main_window::UsageErrorText(main_window::ParseCommandLine({"a", "b", "c"})),
              "brisel: too many operands\nTry 'brisel --help' for more information.\n");
}

}  // namespace
}  // namespace brisel::testing
