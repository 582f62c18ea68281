// The real brisel-convert binary on real files: exit status, the exact
// message lines on each stream, the files left behind.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "brisel_version.h"
#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace {

namespace fs = std::filesystem;
using namespace brisel::test;

class Cli : public testing::Test {
protected:
    void SetUp() override { fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", dir_ / "board.net"); }

    ProgramRun Convert(Strings args) { return RunConvert({std::move(args), dir_}); }
    Strings Names() const { return folder_.Names(); }

    TempFolder folder_;
    const fs::path& dir_ = folder_.Path();
};

TEST_F(Cli, ConvertsTheWorkedExampleByteForByte) {
    const ProgramRun run = Convert({"board.net", "out.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Strings{"File Conversion - Complete: The new netlist file 'out.net' has been created. The "
                               "netlist contained: 12 Lines, 3 Parts, 2 Nets, and 5 Connections."});
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(MaskedVersion(ReadFile(dir_ / "out.net")), TestData("worked_example.expected.net"));
    EXPECT_EQ(Names(), (Strings{"board.net", "out.net"}));
    EXPECT_EQ(ReadFile(dir_ / "board.net"), TestData("worked_example.net"));
}

// The golden files mask it: the banner names the version --version shows.
TEST_F(Cli, TheBannerNamesTheProgramsVersion) {
    ASSERT_EQ(Convert({"board.net", "out.net"}).status, 0);
    EXPECT_EQ(SplitLines(ReadFile(dir_ / "out.net")).at(1),
              "\"Brisel v" BRISEL_APP_VERSION " netlist converted from PADS\"");
}

TEST_F(Cli, WarningsGoToStandardErrorInOrderAndStillExitZero) {
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "lf_problems.net", dir_ / "problems.net");
    fs::create_directory(dir_ / "out");
    const ProgramRun run = Convert({"problems.net", "out/x.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              (Strings{"Source File - Warning: An alphanumeric pin number (or pin zero) was detected. Pin numbers "
                       "cannot contain letters (or equal 0) in ExpressPCB. Please correct the source netlist. The "
                       "new netlist may not import properly.",
                       "Source File - Warning: At least one pin reference names a part that is not in the part "
                       "list. Those pin references were left out of the new netlist. Please correct the source "
                       "netlist."}));
    ASSERT_EQ(run.out.size(), 1u);
    EXPECT_NE(run.out[0].find("15 Lines, 4 Parts, 3 Nets, and 6 Connections."), std::string::npos);
    EXPECT_TRUE(fs::exists(dir_ / "out" / "x.net"));
    EXPECT_FALSE(fs::exists(dir_ / "out" / "BriselTemp.txt") || fs::exists(dir_ / "out" / "BriselTemp2.txt"));
}

TEST_F(Cli, ErrorsExitOneAndLeaveNothingBehind) {
    struct Case {
        Strings args;
        const char* line;
    };
    const Case cases[] = {
        {{"none.net", "out.net"}, "Source File - Error: The netlist file 'none.net' cannot be found."},
        {{"board.net", "out/"},
         "Invalid Filenames - Error: Please enter source and target filenames before trying to "
         "start the file conversion process."},
        {{"", "out.net"},
         "Invalid Filenames - Error: Please enter source and target filenames before trying to "
         "start the file conversion process."},
        {{"board.net", "./BOARD.NET"},
         "Invalid Filenames - Error: Please enter different source and target filenames "
         "before trying to start the file conversion process."},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Convert(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, Strings{c.line});
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(Names(), Strings{"board.net"});
    }
}

TEST_F(Cli, UsageHelpAndVersion) {
    struct Case {
        Strings args;
        int status;
        const char* firstOut;
        const char* firstErr;
    };
    const Case cases[] = {
        {{}, 2, nullptr, "brisel-convert: SOURCE and TARGET are required"},
        {{"a", "b", "c"}, 2, nullptr, "brisel-convert: too many operands"},
        {{"--bogus", "a", "b"}, 2, nullptr, "brisel-convert: unknown option '--bogus'"},
        {{"--help"}, 0, "Usage: brisel-convert [OPTION]... SOURCE TARGET", nullptr},
        {{"--version"}, 0, "brisel-convert " BRISEL_APP_VERSION, nullptr},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Convert(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(run.status, c.status);
        if (c.firstOut) {
            ASSERT_FALSE(run.out.empty());
            EXPECT_EQ(run.out[0], c.firstOut);
        }
        if (c.firstErr) {
            EXPECT_EQ(run.err, (Strings{c.firstErr, "Try 'brisel-convert --help' for more information."}));
        }
    }
}

TEST_F(Cli, HelpWordsMessagesAndWhichExitStatusWins) {
    const ProgramRun run = Convert({"--help"});
    const auto has = [&run](const std::string& line) {
        return std::find(run.out.begin(), run.out.end(), line) != run.out.end();
    };
    EXPECT_TRUE(has("Messages are printed one to a line as \"Title: text\": the completion"));
    EXPECT_TRUE(has("When several apply, 1 wins over 4, 4 over 5, and 5 over 3. Output that"));
    EXPECT_TRUE(has("  128+N  the signal N interrupted the conversion (130 for Ctrl+C)"));
}

TEST_F(Cli, ANameThatLooksLikeAnOptionAfterDoubleDash) {
    fs::copy_file(dir_ / "board.net", dir_ / "-odd.net");
    const ProgramRun run = Convert({"--", "-odd.net", "out.net"});
    EXPECT_EQ(run.status, 0);
}

// The first conversion holds its temporary files while it waits for its
// source, a pipe, which the test feeds once it has seen what a second one
// into the same folder does meanwhile.
class BusyFolder : public Cli {
protected:
    void SetUp() override {
        Cli::SetUp();
        const std::string fifo = (dir_ / "slow.net").string();
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        first_ = StartConvert({{"slow.net", "first.net"}, dir_});
        pipe_ = open(fifo.c_str(), O_WRONLY | O_CLOEXEC);  // returns once the first run reads its source
        ASSERT_GE(pipe_, 0);
    }
    void FinishFirst() {
        const std::string source = ReadFile(dir_ / "board.net");
        ASSERT_EQ(write(pipe_, source.data(), source.size()), static_cast<ssize_t>(source.size()));
        close(pipe_);
        EXPECT_EQ(WaitConvert(first_), 0);
        EXPECT_EQ(MaskedVersion(ReadFile(dir_ / "first.net")), TestData("worked_example.expected.net"));
    }

    pid_t first_ = -1;
    int pipe_ = -1;
};

TEST_F(BusyFolder, WithNoWaitASecondConversionFailsAtOnceAndTouchesNothing) {
    const ProgramRun second = Convert({"--no-wait", "board.net", "second.net"});
    EXPECT_EQ(second.status, 1);
    ASSERT_EQ(second.err.size(), 1u);
    EXPECT_EQ(second.err[0],
              "File Conversion - Error: Another conversion is using the temporary file "
              "'BriselTemp2.txt' at the moment. Please wait until it has finished, then try again. "
              "The new netlist was not created.");
    EXPECT_FALSE(fs::exists(dir_ / "second.net"));
    FinishFirst();
    EXPECT_FALSE(fs::exists(dir_ / "BriselTemp.txt") || fs::exists(dir_ / "BriselTemp2.txt"));
}

TEST_F(BusyFolder, ASecondConversionSaysItWaitsThenConverts) {
    const fs::path err = dir_ / "second.err";
    const pid_t second = StartConvert({{"board.net", "second.net"}, dir_}, err);
    while (ReadFile(err).empty()) usleep(1000);
    EXPECT_FALSE(fs::exists(dir_ / "second.net"));
    FinishFirst();
    EXPECT_EQ(WaitConvert(second), 0);
    EXPECT_EQ(SplitLines(ReadFile(err)), Strings{"Waiting for another conversion in . to finish..."});
    EXPECT_EQ(MaskedVersion(ReadFile(dir_ / "second.net")), TestData("worked_example.expected.net"));
}

TEST_F(Cli, TemporaryFilesLeftByADeadRunAreTakenOver) {
    std::ofstream(dir_ / "BriselTemp.txt") << "stale rows\n";
    std::ofstream(dir_ / "BriselTemp2.txt") << "*SIGNAL* STALE\n";
    const ProgramRun run = Convert({"board.net", "out.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(MaskedVersion(ReadFile(dir_ / "out.net")), TestData("worked_example.expected.net"));
    EXPECT_EQ(Names(), (Strings{"board.net", "out.net"}));
}

}  // namespace
