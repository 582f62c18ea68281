// Several conversions started at once into one folder, as `make -j` does:
// each waits for its turn, and each target is what a single run writes.

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "tests/support/convert_program.h"
#include "tests/support/generated_netlist.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

TEST(ParallelRuns, SixRunsIntoOneFolderAllConvert) {
    test::TempFolder folder, single;
    WriteNetlist(folder.Path() / "board.net", {.parts = 2000, .references = 20000, .crLf = true});
    fs::copy_file(folder.Path() / "board.net", single.Path() / "board.net");
    ASSERT_EQ(RunConvert({{"board.net", "out.net"}, single.Path()}).status, 0);
    const std::string expected = ReadFile(single.Path() / "out.net");

    std::vector<pid_t> runs;
    Strings names{"board.net"};
    for (int i = 1; i <= 6; ++i) {
        names.push_back("out" + std::to_string(i) + ".net");
        runs.push_back(StartConvert({{"board.net", names.back()}, folder.Path()}));
    }
    for (const pid_t run : runs) EXPECT_EQ(WaitConvert(run), 0);
    EXPECT_EQ(Names(folder.Path()), names);
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_TRUE(ReadFile(folder.Path() / names[i]) == expected) << names[i];
}

// A run into a/link.net, which leads to b/x.net, makes its new netlist in b,
// where a run into b/y.net keeps its temporary files: they take turns.
TEST(ParallelRuns, ARunThroughALinkAndARunInTheLinkedFolderTakeTurns) {
    test::TempFolder root;
    const fs::path a = root.Path() / "a", b = root.Path() / "b";
    fs::create_directory(a);
    fs::create_directory(b);
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", a / "board.net");
    WriteNetlist(b / "other.net", {.parts = 500, .references = 5000, .crLf = true});
    fs::create_symlink("../b/x.net", a / "link.net");
    ASSERT_EQ(RunConvert({{"other.net", "single.net"}, b}).status, 0);
    const std::string other = ReadFile(b / "single.net");
    fs::remove(b / "single.net");

    for (int round = 0; round < 20; ++round) {
        const pid_t throughLink = StartConvert({{"board.net", "link.net"}, a});
        const pid_t inLinked = StartConvert({{"other.net", "y.net"}, b});
        EXPECT_EQ(WaitConvert(throughLink), 0) << round;
        EXPECT_EQ(WaitConvert(inLinked), 0) << round;
        EXPECT_EQ(MaskedVersion(ReadFile(b / "x.net")), TestData("worked_example.expected.net")) << round;
        EXPECT_TRUE(ReadFile(b / "y.net") == other) << round;
        EXPECT_EQ(Names(a), (Strings{"board.net", "link.net"}));
        EXPECT_EQ(Names(b), (Strings{"other.net", "x.net", "y.net"}));
    }
}

// Six loops of small runs into one folder, as a build does: a run that finds
// the temporary files of one that is just ending waits for it, and never
// takes a vanishing name for an obstacle. The runs take turns and each syncs
// its target, so the folder is in memory where the system has one. Each loop
// stops after 300 runs or 15 seconds, whichever comes first (a run costs a
// program start, some 30 ms on a loaded machine).
TEST(ParallelRuns, SixLoopsOfSmallRunsIntoOneFolderAllConvert) {
    constexpr int kLoops = 6, kRuns = 300;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    std::atomic<int> runs{0};
    std::error_code error;
    const bool inMemory = fs::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK) == 0;
    test::TempFolder folder(inMemory ? fs::path("/dev/shm") : fs::temp_directory_path());
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", folder.Path() / "board.net");
    std::vector<Strings> failures(kLoops);
    std::vector<std::thread> loops;
    for (int loop = 0; loop < kLoops; ++loop) {
        loops.emplace_back([&, loop] {
            const std::string target = "out" + std::to_string(loop) + ".net";
            for (int run = 0; run < kRuns && std::chrono::steady_clock::now() < end; ++run, ++runs) {
                const ProgramRun result = RunConvert({{"board.net", target}, folder.Path()});
                if (result.status != 0) failures[loop].push_back(result.err.empty() ? "?" : result.err[0]);
            }
        });
    }
    for (std::thread& loop : loops) loop.join();
    testing::Test::RecordProperty("runs", runs.load());
    EXPECT_GE(runs.load(), 2 * kLoops);
    for (const Strings& failed : failures) EXPECT_EQ(failed, Strings{});
    EXPECT_EQ(Names(folder.Path()).size(), 1u + kLoops);
}

}  // namespace
}  // namespace brisel::reliability
