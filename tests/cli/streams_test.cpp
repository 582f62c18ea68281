// brisel-convert with the standard streams: "-" for standard input and
// output, a pipe or a device as TARGET, --verify on what cannot be read back,
// closed descriptors, and output that cannot be written.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace {

namespace fs = std::filesystem;
using namespace brisel::test;

const std::string kCounts = "The netlist contained: 12 Lines, 3 Parts, 2 Nets, and 5 Connections.";

std::string Completed(const std::string& name) {
    return "File Conversion - Complete: The new netlist file '" + name + "' has been created. " + kCounts;
}

class Streams : public testing::Test {
protected:
    void SetUp() override { fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", dir_ / "board.net"); }
    Invocation In(Strings args) const { return {std::move(args), dir_}; }
    std::string TmpDir() const { return "TMPDIR=" + temporary_.Path().string(); }

    TempFolder folder_, temporary_;
    const fs::path& dir_ = folder_.Path();
};

// The temporary files go into a private folder under $TMPDIR, which goes
// too; the summary leaves standard output to the netlist.
TEST_F(Streams, DashReadsStandardInputAndWritesStandardOutput) {
    Invocation run = In({"-", "-"});
    run.input = TestData("worked_example.net");
    run.environment = {TmpDir()};
    const ProgramRun result = RunConvert(run);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(MaskedVersion(result.outBytes) == TestData("worked_example.expected.net"));
    EXPECT_EQ(result.err, Strings{Completed("standard output")});
    EXPECT_EQ(folder_.Names(), Strings{"board.net"});
    EXPECT_TRUE(temporary_.Names().empty());
}

TEST_F(Streams, ProblemsOnStandardInputAreNamedSo) {
    Invocation run = In({"--details", "-", "out.net"});
    run.input = "U1.1\r\n";
    const ProgramRun result = RunConvert(run);
    EXPECT_EQ(result.status, 0);
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err[0], "standard input:1: warning: the first line \"U1.1\" names no supported format");
}

TEST_F(Streams, DevStdoutThatIsAPipeTakesTheNetlist) {
    Invocation run = In({"board.net", "/dev/stdout"});
    run.outputThroughPipe = true;
    run.environment = {TmpDir()};
    const ProgramRun result = RunConvert(run);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(MaskedVersion(result.outBytes) == TestData("worked_example.expected.net"));
    EXPECT_EQ(result.err, Strings{Completed("stdout")});
    EXPECT_EQ(folder_.Names(), Strings{"board.net"});
    EXPECT_TRUE(temporary_.Names().empty());
}

TEST_F(Streams, VerifyOnADeviceSaysItCannotReadItBack) {
    Invocation run = In({"--verify", "board.net", "/dev/null"});
    run.environment = {TmpDir()};
    const ProgramRun result = RunConvert(run);
    EXPECT_EQ(result.status, 5);
    EXPECT_EQ(result.out, Strings{Completed("null")});
    EXPECT_EQ(result.err, Strings{"verify: '/dev/null' cannot be read back, not verified"});
    EXPECT_TRUE(temporary_.Names().empty());
}

// A reader drains the pipe as the conversion writes it; the check never
// waits for another.
TEST_F(Streams, VerifyOnAPipeNeitherHangsNorFindsDiscrepancies) {
    ASSERT_EQ(::mkfifo((dir_ / "pipe.net").c_str(), 0600), 0);
    std::string drained;
    std::thread reader([&] { drained = ReadFile(dir_ / "pipe.net"); });
    Invocation run = In({"--verify", "board.net", "pipe.net"});
    run.environment = {TmpDir()};
    run.timeLimit = 20;
    const ProgramRun result = RunConvert(run);
    reader.join();
    EXPECT_EQ(result.status, 5);
    EXPECT_EQ(result.err, Strings{"verify: 'pipe.net' cannot be read back, not verified"});
    EXPECT_TRUE(MaskedVersion(drained) == TestData("worked_example.expected.net"));
}

TEST_F(Streams, VerifyOfDashSaysStandardOutputCannotBeReadBack) {
    Invocation run = In({"--verify", "board.net", "-"});
    run.environment = {TmpDir()};
    const ProgramRun result = RunConvert(run);
    EXPECT_EQ(result.status, 5);
    EXPECT_EQ(result.err,
              (Strings{Completed("standard output"), "verify: 'standard output' cannot be read back, not verified"}));
}

// A source read from a pipe gives the same places as the file.
TEST_F(Streams, DetailsOfAPipeAreThoseOfTheFile) {
    const std::string source = TestData("every_problem.net");
    WriteFile(dir_ / "every.net", source);
    const ProgramRun fromFile = RunConvert(In({"--details", "every.net", "a.net"}));
    ASSERT_EQ(::mkfifo((dir_ / "pipe.net").c_str(), 0600), 0);
    std::thread writer([&] { WriteFile(dir_ / "pipe.net", source); });
    Invocation run = In({"--details", "pipe.net", "b.net"});
    run.timeLimit = 20;
    const ProgramRun fromPipe = RunConvert(run);
    writer.join();
    EXPECT_EQ(fromPipe.status, 0);
    Strings expected = fromFile.err;
    for (std::string& line : expected) {
        if (line.rfind("every.net:", 0) == 0) line.replace(0, 9, "pipe.net");
    }
    EXPECT_EQ(fromPipe.err, expected);
    EXPECT_TRUE(ReadFile(dir_ / "a.net") == ReadFile(dir_ / "b.net"));
}

// No file the conversion opens takes the place of a closed stream: the
// warnings do not end up in the netlist.
TEST_F(Streams, ClosedStandardStreamsKeepTheNetlistClean) {
    WriteFile(dir_ / "every.net", TestData("every_problem.net"));
    ASSERT_EQ(RunConvert(In({"every.net", "open.net"})).status, 0);
    Invocation run = In({"every.net", "closed.net"});
    run.closedStandardStreams = true;
    EXPECT_EQ(RunConvert(run).status, 0);
    EXPECT_TRUE(ReadFile(dir_ / "closed.net") == ReadFile(dir_ / "open.net"));
    EXPECT_EQ(folder_.Names(), (Strings{"board.net", "closed.net", "every.net", "open.net"}));
}

TEST_F(Streams, OutputThatCannotBeWrittenIsAnError) {
    const Strings kinds[] = {{"board.net", "out.net"}, {"--help"}, {"--version"}};
    for (const Strings& args : kinds) {
        Invocation run = In(args);
        run.output = "/dev/full";
        const ProgramRun result = RunConvert(run);
        EXPECT_EQ(result.status, 1) << args[0];
        EXPECT_EQ(result.err, Strings{"brisel-convert: write error: No space left on device"}) << args[0];
    }
}

TEST_F(Streams, ABackslashInANameIsShownDoubled) {
    const ProgramRun result = RunConvert(In({"board.net", "new\\nline.net"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, Strings{Completed("new\\\\nline.net")});
}

TEST_F(Streams, ASourceNameTooLongForTheSystemIsSaidSo) {
    const std::string name(300, 'x');
    const ProgramRun result = RunConvert(In({name, "out.net"}));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Strings{"Source File - Error: The path of the netlist file '" + name + "' is too long."});
}

}  // namespace
