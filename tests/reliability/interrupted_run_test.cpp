// A conversion killed mid-way may leave its temporary files; the next
// conversion into the same folder must not be confused by them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/convert/conversion_fixture.h"
#include "tests/support/convert_program.h"
#include "tests/support/generated_netlist.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

bool WaitFor(const fs::path& path, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(InterruptedRun, KilledMidWayThenConvertedAgain) {
    test::TempFolder killed, reference;
    const bench::NetlistSummary written =
        WriteNetlist(killed.Path() / "board.net", {.parts = 200000, .references = 2000000, .crLf = true});
    fs::copy_file(killed.Path() / "board.net", reference.Path() / "board.net");
    const std::string source = ReadFile(killed.Path() / "board.net");

    const pid_t child = StartConvert({{"board.net", "out.net"}, killed.Path()});
    const bool started = WaitFor(killed.Path() / "BriselTemp2.txt", std::chrono::seconds(30));
    KillConvert(child);
    ASSERT_TRUE(started);
    EXPECT_EQ(ReadFile(killed.Path() / "board.net"), source);

    const ProgramRun again = RunConvert({{"board.net", "out.net"}, killed.Path()});
    EXPECT_EQ(again.status, 0);
    EXPECT_TRUE(again.err.empty());
    EXPECT_EQ(again.out,
              Strings{"File Conversion - Complete: The new netlist file 'out.net' has been created. The "
                      "netlist contained: " +
                      std::to_string(written.joinedLines) + " Lines, 200000 Parts, " + std::to_string(written.nets) +
                      " Nets, and " + std::to_string(written.connections) + " Connections."});
    EXPECT_EQ(Names(killed.Path()), (Strings{"board.net", "out.net"}));

    ASSERT_EQ(RunConvert({{"board.net", "out.net"}, reference.Path()}).status, 0);
    EXPECT_TRUE(ReadFile(killed.Path() / "out.net") == ReadFile(reference.Path() / "out.net"));
    EXPECT_EQ(ReadFile(killed.Path() / "board.net"), source);
}

// Leftovers longer than anything this run writes, ending in lines that would
// look like connections and an "*END*": none of it may reach the target.
TEST(InterruptedRun, LongerLeftoversAreNotRead) {
    test::TempFolder folder;
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", folder.Path() / "board.net");
    std::string stale;
    for (int i = 0; i < 20000; ++i) stale += "\"U9\" 7 1 0\r\n*SIGNAL* STALE\r\nU1.1 U2.2\r\n";
    WriteFile(folder.Path() / "BriselTemp.txt", stale);
    WriteFile(folder.Path() / "BriselTemp2.txt", stale + "*END*\r\n");

    const ProgramRun run = RunConvert({{"board.net", "out.net"}, folder.Path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(MaskedVersion(ReadFile(folder.Path() / "out.net")),
              ReadFile(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.expected.net"));
    EXPECT_EQ(Names(folder.Path()), (Strings{"board.net", "out.net"}));
}

}  // namespace
}  // namespace brisel::reliability
