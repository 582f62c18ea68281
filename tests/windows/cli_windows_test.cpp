// brisel-convert.exe run as a Windows program: drive letters, backslashes,
// folders with spaces, names in any script, and the same target bytes as on
// every other system.

#include <windows.h>

#include <gtest/gtest.h>

#include "brisel_version.h"
#include "tests/support/text_files.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace brisel::test;
using Strings = std::vector<std::string>;

struct Outcome {
    DWORD status = 0xFFFFFFFF;
    Strings out, err;
};

// Names are UTF-8 here; std::filesystem would read a narrow name as Latin-1.
fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::wstring Wide(const std::string& utf8) { return PathOf(utf8).wstring(); }

HANDLE InheritableFile(const fs::path& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Runs the command line in the folder, its output caught in files beside
// the folder so that the folder's own listing stays as the program left it;
// `whileRunning` is called every millisecond until the program ends.
Outcome RunProgram(
    const std::string& arguments, const fs::path& folder, const std::function<void()>& whileRunning = [] {},
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE)) {
    const fs::path outPath = folder.parent_path() / "stdout.txt";
    const fs::path errPath = folder.parent_path() / "stderr.txt";
    HANDLE out = InheritableFile(outPath);
    HANDLE err = InheritableFile(errPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = out;
    startup.hStdError = err;
    std::wstring line = Wide("\"" BRISEL_CONVERT_EXE "\" " + arguments);
    PROCESS_INFORMATION process{};
    Outcome run;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup, &process)) {
        while (WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) whileRunning();
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(out);
    CloseHandle(err);
    run.out = SplitLines(ReadFile(outPath));
    run.err = SplitLines(ReadFile(errPath));
    return run;
}

std::string Quoted(const fs::path& path) { return "\"" + Utf8(path) + "\""; }

struct Refusal {
    std::string arguments;
    std::string line;  // the one line on standard error
};

class WindowsCli : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("brisel cli " + std::to_string(GetCurrentProcessId()));
        dir_ = root_ / "boards with spaces";
        fs::remove_all(root_);
        fs::create_directories(dir_);
        fs::copy_file(Data("worked_example.net"), dir_ / "board.net");
    }
    void TearDown() override { fs::remove_all(root_); }

    static fs::path Data(const char* name) { return fs::path(BRISEL_TEST_DATA_DIR) / name; }
    Outcome Convert(const std::string& arguments) { return RunProgram(arguments, dir_); }
    // Each run exits 1 with its error line alone and leaves the folder as it was.
    void ExpectRefusals(const std::vector<Refusal>& refusals) {
        const Strings before = Names();
        for (const Refusal& refusal : refusals) {
            const Outcome run = Convert(refusal.arguments);
            EXPECT_EQ(run.status, 1u) << refusal.arguments;
            EXPECT_EQ(run.err, Strings{refusal.line}) << refusal.arguments;
            EXPECT_TRUE(run.out.empty()) << refusal.arguments;
            EXPECT_EQ(Names(), before) << refusal.arguments;
        }
    }
    Strings Names() const {
        Strings names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(Utf8(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path root_;
    fs::path dir_;
};

TEST_F(WindowsCli, TheTemporaryFolderHasADriveLetterBackslashesAndSpaces) {
    const std::string folder = dir_.string();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), ":\\");
    EXPECT_NE(folder.find(' '), std::string::npos);
}

TEST_F(WindowsCli, FullWindowsPathsGiveTheGoldenTargetByteForByte) {
    const Outcome run = Convert(Quoted(dir_ / "board.net") + " " + Quoted(dir_ / "out.net"));
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, Strings{"File Conversion - Complete: The new netlist file 'out.net' has been created. The "
                               "netlist contained: 12 Lines, 3 Parts, 2 Nets, and 5 Connections."});
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(MaskedVersion(ReadFile(dir_ / "out.net")), ReadFile(Data("worked_example.expected.net")));
    EXPECT_EQ(Names(), (Strings{"board.net", "out.net"}));
    EXPECT_EQ(ReadFile(dir_ / "board.net"), ReadFile(Data("worked_example.net")));
}

TEST_F(WindowsCli, RelativePathsWithBackslashesIntoASubfolder) {
    fs::copy_file(Data("lf_problems.net"), dir_ / "problems.net");
    fs::create_directory(dir_ / "out folder");
    const Outcome run = Convert("problems.net \"out folder\\x.net\"");
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.err,
              (Strings{"Source File - Warning: An alphanumeric pin number (or pin zero) was detected. Pin numbers "
                       "cannot contain letters (or equal 0) in ExpressPCB. Please correct the source netlist. The "
                       "new netlist may not import properly.",
                       "Source File - Warning: At least one pin reference names a part that is not in the part "
                       "list. Those pin references were left out of the new netlist. Please correct the source "
                       "netlist."}));
    ASSERT_EQ(run.out.size(), 1u);
    EXPECT_NE(run.out[0].find("15 Lines, 4 Parts, 3 Nets, and 6 Connections."), std::string::npos);
    EXPECT_TRUE(fs::exists(dir_ / "out folder" / "x.net"));
    EXPECT_FALSE(fs::exists(dir_ / "out folder" / "BriselTemp.txt"));
    EXPECT_FALSE(fs::exists(dir_ / "out folder" / "BriselTemp2.txt"));
}

TEST_F(WindowsCli, ErrorsExitOneAndLeaveNothingBehind) {
    const std::string missing =
        "Invalid Filenames - Error: Please enter source and target filenames before "
        "trying to start the file conversion process.";
    const std::vector<Refusal> refusals = {
        {"none.net out.net", "Source File - Error: The netlist file 'none.net' cannot be found."},
        {"board.net out\\", missing},
        {"\"\" out.net", missing},
        // Letter case and a ".\" do not make another file on Windows.
        {"board.net .\\BOARD.NET",
         "Invalid Filenames - Error: Please enter different source and target "
         "filenames before trying to start the file conversion process."},
        {Quoted(dir_ / "board.net") + " " + Quoted(dir_ / ".." / "boards with spaces" / "Board.Net"),
         "Invalid Filenames - Error: Please enter different source and target filenames before trying to start "
         "the file conversion process."},
    };
    ExpectRefusals(refusals);
}

TEST_F(WindowsCli, UsageAndVersion) {
    const Outcome usage = Convert("");
    EXPECT_EQ(usage.status, 2u);
    EXPECT_EQ(usage.err, (Strings{"brisel-convert: SOURCE and TARGET are required",
                                  "Try 'brisel-convert --help' for more information."}));
    const Outcome version = Convert("--version");
    EXPECT_EQ(version.status, 0u);
    EXPECT_EQ(version.out, Strings{"brisel-convert " BRISEL_APP_VERSION});
}

TEST_F(WindowsCli, VerifyReadsTheTargetBack) {
    const Outcome run = Convert("--verify board.net out.net");
    EXPECT_EQ(run.status, 0u);
    ASSERT_EQ(run.out.size(), 2u);
    EXPECT_EQ(run.out[1].rfind("verified: 2 nets, 5 connections", 0), 0u) << run.out[1];
}

// Cyrillic, Greek, CJK and an emoji: outside every ANSI code page together.
const std::string kFolder = "Дмитрий Ωμέγα 设计 🔌";
const std::string kSource = "плата.net";
const std::string kTarget = "вывод 设计 🔌.net";

std::string Completion(const std::string& target) {
    return "File Conversion - Complete: The new netlist file '" + target +
           "' has been created. The netlist contained: 12 Lines, 3 Parts, 2 Nets, and 5 Connections.";
}

TEST_F(WindowsCli, NamesInAnyScriptConvertByTheirAbsolutePaths) {
    const fs::path folder = dir_ / PathOf(kFolder);
    fs::create_directory(folder);
    fs::copy_file(Data("worked_example.net"), folder / PathOf(kSource));
    const Outcome run = Convert(Quoted(folder / PathOf(kSource)) + " " + Quoted(folder / PathOf(kTarget)));
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, Strings{Completion(kTarget)});
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(MaskedVersion(ReadFile(folder / PathOf(kTarget))), ReadFile(Data("worked_example.expected.net")));
}

TEST_F(WindowsCli, NamesInAnyScriptConvertByTheirRelativePathsAndVerify) {
    fs::create_directory(dir_ / PathOf(kFolder));
    fs::copy_file(Data("worked_example.net"), dir_ / PathOf(kFolder) / PathOf(kSource));
    const Outcome run = Convert("--verify \"" + kFolder + "\\" + kSource + "\" \"" + kFolder + "\\" + kTarget + "\"");
    EXPECT_EQ(run.status, 0u);
    ASSERT_EQ(run.out.size(), 2u);
    EXPECT_EQ(run.out[0], Completion(kTarget));
    EXPECT_EQ(run.out[1].rfind("verified: 2 nets, 5 connections", 0), 0u) << run.out[1];
    EXPECT_EQ(MaskedVersion(ReadFile(dir_ / PathOf(kFolder) / PathOf(kTarget))),
              ReadFile(Data("worked_example.expected.net")));
}

TEST_F(WindowsCli, RefusalsOfNamesInAnyScriptNameThemAsGiven) {
    fs::create_directory(dir_ / PathOf(kFolder));
    fs::copy_file(Data("worked_example.net"), dir_ / PathOf(kFolder) / PathOf(kSource));
    const std::string source = "\"" + kFolder + "\\" + kSource + "\"";
    const std::vector<Refusal> refusals = {
        {"\"" + kFolder + "\\нет 无.net\" out.net",
         "Source File - Error: The netlist file 'нет 无.net' cannot be found."},
        // Another letter case of a Cyrillic name is the same file on Windows.
        {source + " \"" + kFolder + "\\ПЛАТА.net\"",
         "Invalid Filenames - Error: Please enter different source and target filenames before trying to start "
         "the file conversion process."},
        {source + " \"" + kFolder + "\\BriselTemp.txt\"",
         "Invalid Filenames - Error: The source and target files cannot be the temporary files 'BriselTemp.txt', "
         "'BriselTemp2.txt' and 'BriselTemp3.txt' of the target folder. Please enter other source and target "
         "filenames."},
    };
    ExpectRefusals(refusals);
}

// The program shares the test's console: its output code page is UTF-8 while
// the program runs, and the user's again when it has ended.
TEST_F(WindowsCli, AConsoleShowsUtf8WhileTheProgramRunsAndGetsItsCodePageBack) {
    ASSERT_NE(GetConsoleOutputCP(), 0u) << "no console";
    ASSERT_TRUE(SetConsoleOutputCP(437));
    bool sawUtf8 = false;
    const Outcome run = RunProgram("board.net out.net", dir_, [&] { sawUtf8 |= GetConsoleOutputCP() == CP_UTF8; });
    EXPECT_EQ(run.status, 0u);
    EXPECT_TRUE(sawUtf8);
    EXPECT_EQ(GetConsoleOutputCP(), 437u);
}

// Ctrl+C reaches brisel-convert through the console it shares with the test
// (which lets it pass by): the run stops at its next block, its files go, the
// old target stays, and the status is 130. The source comes through a pipe
// that the test holds open, so the run waits on it when the key is pressed;
// the pipe ends two seconds later. (Wine turns Ctrl+Break into a signal that
// ends a thread, not into the console event; the engine's tests hand that
// event to the handler.)
BOOL WINAPI LetPass(DWORD) { return TRUE; }

TEST_F(WindowsCli, ConsoleCtrlCStopsTheRunAndRemovesItsFiles) {
    ASSERT_NE(GetConsoleOutputCP(), 0u) << "no console";
    WriteFile(dir_ / "out.net", "an older netlist\r\n");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE source = nullptr;
    HANDLE feed = nullptr;
    ASSERT_TRUE(CreatePipe(&source, &feed, &inherit, 0));
    SetHandleInformation(feed, HANDLE_FLAG_INHERIT, 0);
    const std::string start = ReadFile(Data("worked_example.net")).substr(0, 200);
    DWORD written = 0;
    WriteFile(feed, start.data(), static_cast<DWORD>(start.size()), &written, nullptr);
    SetConsoleCtrlHandler(LetPass, TRUE);
    DWORD pressedAt = 0;
    const Outcome run = RunProgram(
        "- out.net", dir_,
        [&] {
            if (pressedAt == 0 && fs::exists(dir_ / "BriselTemp2.txt")) {
                GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
                pressedAt = GetTickCount();
            } else if (pressedAt != 0 && feed != nullptr && GetTickCount() - pressedAt > 2000) {
                CloseHandle(feed);
                feed = nullptr;
            }
        },
        source);
    SetConsoleCtrlHandler(LetPass, FALSE);
    if (feed != nullptr) CloseHandle(feed);
    CloseHandle(source);
    EXPECT_NE(pressedAt, 0u);
    EXPECT_EQ(run.status, 130u);
    EXPECT_EQ(run.err, Strings{"File Conversion - Error: The conversion was interrupted. The new netlist was not "
                               "created."});
    EXPECT_EQ(Names(), (Strings{"board.net", "out.net"}));
    EXPECT_EQ(ReadFile(dir_ / "out.net"), "an older netlist\r\n");
}

// "-" writes the netlist to standard output, byte for byte; the temporary
// files go into a folder of their own under %TEMP%, which goes with them.
TEST_F(WindowsCli, DashWritesTheNetlistToStandardOutput) {
    const Outcome run = Convert("board.net -");
    EXPECT_EQ(run.status, 0u);
    EXPECT_TRUE(MaskedVersion(ReadFile(root_ / "stdout.txt")) == ReadFile(Data("worked_example.expected.net")));
    ASSERT_EQ(run.err.size(), 1u);
    EXPECT_EQ(
        run.err[0].rfind("File Conversion - Complete: The new netlist file 'standard output' has been created.", 0), 0u)
        << run.err[0];
    EXPECT_EQ(Names(), Strings{"board.net"});
}

// The run lock is a Windows byte-range lock: while another holder has it a
// conversion with --no-wait is refused at once and writes nothing.
TEST_F(WindowsCli, ALockedTemporaryFileRefusesASecondConversion) {
    const fs::path joined = dir_ / "BriselTemp2.txt";
    HANDLE held = CreateFileA(joined.string().c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    OVERLAPPED range{};
    range.OffsetHigh = 0x7FFFFFF0;
    ASSERT_TRUE(LockFileEx(held, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range));
    const Outcome run = Convert("--no-wait board.net second.net");
    UnlockFileEx(held, 0, 1, 0, &range);
    CloseHandle(held);
    EXPECT_EQ(run.status, 1u);
    ASSERT_EQ(run.err.size(), 1u);
    EXPECT_EQ(run.err[0].rfind("File Conversion - Error: Another conversion is using the temporary file '", 0), 0u)
        << run.err[0];
    EXPECT_FALSE(fs::exists(dir_ / "second.net"));
}

}  // namespace
