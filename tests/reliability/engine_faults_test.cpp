// A full disk, made by a file-size limit on a real folder: the conversion
// fails with one error message naming the file and the system's reason, and
// the folder holds only what was there before. Every other file fault is
// tested in-process, on files held in memory.

#include <gtest/gtest.h>

#include "tests/convert/conversion_fixture.h"
#include "tests/reliability/engine_in_child.h"
#include "tests/support/generated_netlist.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

TEST(EngineFaults, DiskFullWhileWritingTheTarget) {
    test::TempFolder folder;
    WriteNetlist(folder.Path() / "board.net", {.parts = 2000, .references = 20000, .crLf = true});
    const std::string source = ReadFile(folder.Path() / "board.net");
    test::RecordingHost host;
    host.settings = {folder.Folder(), "board.net", folder.Folder(), "out.net"};
    // The source has 252,487 bytes, the spool 343,691 and the target 441,550.
    EXPECT_EQ(ConvertInChild(host, 400000), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Error: File Conversion - Error | The file '" + folder.Folder() +
                                       "out.net' could not be written: File too large.\r\nThe new "
                                       "netlist was not created."});
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"board.net"});
    EXPECT_EQ(ReadFile(folder.Path() / "board.net"), source);
}

}  // namespace
}  // namespace brisel::reliability
