// Several conversions started at once into one folder, as `make -j` does:
// each waits for its turn, and each target is what a single run writes.

#include <gtest/gtest.h>

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
    WriteNetlist(folder.Path() / "board.net", {.Parts = 2000, .References = 20000, .CrLf = true});
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

}  // namespace
}  // namespace brisel::reliability
