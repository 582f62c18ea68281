// A conversion stopped by a signal, a memory limit or a file-size limit ends
// like any failed one: one line says why, the temporary files go, an old
// target stays as it was, and the exit status is what a shell expects.
// Leftovers that are the user's own are taken over under every name, also
// when they are read-only.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/support/case_names.h"
#include "tests/support/convert_program.h"
#include "tests/support/generated_netlist.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string kOld = "an older netlist\r\n";

// The spool fills during the main pass, while "Converting..." shows.
bool WaitForConverting(const fs::path& spool, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    std::error_code error;
    while (!fs::exists(spool, error) || fs::file_size(spool, error) == 0) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

struct SignalCase {
    const char* why;
    int signal;
};
void PrintTo(const SignalCase& c, std::ostream* os) { *os << c.why; }

class Interrupted : public testing::TestWithParam<SignalCase> {};

TEST_P(Interrupted, EndsCleanlyWithTheShellsStatus) {
    TempFolder folder;
    WriteNetlist(folder.Path() / "board.net", {.parts = 100000, .references = 1000000, .crLf = true});
    WriteFile(folder.Path() / "out.net", kOld);
    const fs::path err = folder.Path().parent_path() / (folder.Path().filename().string() + ".err");
    const pid_t child = StartConvert({{"board.net", "out.net"}, folder.Path()}, err);
    const bool converting = WaitForConverting(folder.Path() / "BriselTemp.txt", std::chrono::seconds(60));
    ::kill(child, GetParam().signal);
    const int status = WaitConvert(child);
    ASSERT_TRUE(converting);
    EXPECT_EQ(status, 128 + GetParam().signal);
    EXPECT_EQ(SplitLines(ReadFile(err)), Strings{"File Conversion - Error: The conversion was interrupted. The new "
                                                 "netlist was not created."});
    EXPECT_EQ(Names(folder.Path()), (Strings{"board.net", "out.net"}));
    EXPECT_EQ(ReadFile(folder.Path() / "out.net"), kOld);
    fs::remove(err);
}

// clang-format off
const SignalCase kSignals[] = {
    {"SIGINT",  SIGINT},
    {"SIGTERM", SIGTERM},
    {"SIGHUP",  SIGHUP},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Signals, Interrupted, testing::ValuesIn(kSignals), ByWhy());

#if defined(__SANITIZE_ADDRESS__)
#define BRISEL_ADDRESS_SPACE_UNLIMITED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRISEL_ADDRESS_SPACE_UNLIMITED 1
#endif
#endif

// A line of 256 MB is held whole, which a limit of 128 MB of address space
// does not allow.
TEST(Limits, AnAllocationFailureIsOutOfMemory) {
#ifdef BRISEL_ADDRESS_SPACE_UNLIMITED
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit leaves";
#endif
    TempFolder folder;
    WriteFile(folder.Path() / "big.net", std::string(256 << 20, 'x'));
    WriteFile(folder.Path() / "out.net", kOld);
    Invocation run{{"big.net", "out.net"}, folder.Path()};
    run.memoryLimit = 128LL << 20;
    const ProgramRun result = RunConvert(run);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Strings{"File Conversion - Error: The file 'big.net' could not be converted: Out of "
                                  "memory. The new netlist was not created."});
    EXPECT_EQ(Names(folder.Path()), (Strings{"big.net", "out.net"}));
    EXPECT_EQ(ReadFile(folder.Path() / "out.net"), kOld);
}

// SIGXFSZ is left as a shell leaves it: the program must ignore it itself.
// The limit leaves room for the error line, but not for the joined copy.
TEST(Limits, AFileSizeLimitIsAWriteError) {
    TempFolder folder;
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", folder.Path() / "board.net");
    Invocation run{{"board.net", "out.net"}, folder.Path()};
    run.fileSizeLimit = 130;
    const ProgramRun result = RunConvert(run);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Strings{"File Conversion - Error: The file 'BriselTemp2.txt' could not be written: File "
                                  "too large. The new netlist was not created."});
    EXPECT_EQ(Names(folder.Path()), Strings{"board.net"});
}

constexpr int kNobody = 65534;

class ReadOnlyLeftover : public testing::TestWithParam<const char*> {};

// Run as another user when the test runs as root, whom no permission stops.
TEST_P(ReadOnlyLeftover, IsTakenOver) {
    TempFolder folder;
    const fs::path dir = folder.Path();
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", dir / "board.net");
    WriteFile(dir / GetParam(), "left by a run that was killed\r\n");
    fs::permissions(dir, fs::perms::all);
    fs::permissions(dir / GetParam(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const int user = ::getuid() == 0 ? kNobody : -1;
    if (user >= 0) {
        ASSERT_EQ(::chown(dir.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown((dir / GetParam()).c_str(), kNobody, kNobody), 0);
    }
    Invocation run{{"board.net", "out.net"}, dir};
    run.user = user;
    const ProgramRun result = RunConvert(run);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.empty()) << result.err[0];
    EXPECT_EQ(Names(dir), (Strings{"board.net", "out.net"}));
    EXPECT_EQ(MaskedVersion(ReadFile(dir / "out.net")), TestData("worked_example.expected.net"));
}

INSTANTIATE_TEST_SUITE_P(EachName, ReadOnlyLeftover,
                         testing::Values("BriselTemp.txt", "BriselTemp2.txt", "BriselTemp3.txt"), [](const auto& row) {
                             return std::string(row.param).substr(0, std::string(row.param).find('.'));
                         });

}  // namespace
}  // namespace brisel::reliability
