// Read and write failures through the real brisel-convert binary: each ends
// with one error line naming the file and the system's reason, exit status 1,
// no partial target, no temporary file, and the source as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/convert/conversion_fixture.h"
#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

std::string ErrorLine(const std::string& file, const std::string& reason) {
    return "File Conversion - Error: The file '" + file + "' could not be " + reason +
           ". The new netlist was not created.";
}

class CliFaults : public testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", Dir() / "board.net");
        source_ = ReadFile(Dir() / "board.net");
    }
    const fs::path& Dir() const { return folder_.Path(); }
    ProgramRun Convert(Strings args, long long fileSizeLimit = -1) {
        return RunConvert({std::move(args), Dir(), fileSizeLimit});
    }
    void ExpectFailure(const ProgramRun& run, const std::string& line, const Strings& names) {
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, Strings{line});
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(Names(Dir()), names);
        EXPECT_EQ(ReadFile(Dir() / "board.net"), source_);
    }

    test::TempFolder folder_;
    std::string source_;
};

TEST_F(CliFaults, MissingTargetFolderIsNamedAsTyped) {
    ExpectFailure(Convert({"board.net", "missing/deeper/out.net"}),
                  "File Conversion - Error: The folder 'missing/deeper' does not exist. The new netlist was not "
                  "created.",
                  {"board.net"});
}

TEST_F(CliFaults, TargetIsAFolder) {
    fs::create_directory(Dir() / "out.net");
    ExpectFailure(Convert({"board.net", "out.net"}), ErrorLine("out.net", "written: Is a directory"),
                  {"board.net", "out.net"});
    EXPECT_TRUE(fs::is_directory(Dir() / "out.net"));
    EXPECT_TRUE(fs::is_empty(Dir() / "out.net"));
}

TEST_F(CliFaults, SourceIsAFolder) {
    fs::create_directory(Dir() / "in.net");
    ExpectFailure(Convert({"in.net", "out.net"}), ErrorLine("in.net", "read: Is a directory"), {"board.net", "in.net"});
}

TEST_F(CliFaults, TargetFolderNotWritable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders, so nothing fails";
    fs::create_directory(Dir() / "locked");
    fs::permissions(Dir() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    ExpectFailure(Convert({"board.net", "locked/out.net"}),
                  "File Conversion - Error: The folder 'locked' is not writable. The new netlist was not created.",
                  {"board.net", "locked"});
    EXPECT_TRUE(fs::is_empty(Dir() / "locked"));
}

TEST_F(CliFaults, SourceNotReadable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission, so nothing fails";
    fs::permissions(Dir() / "board.net", fs::perms::owner_write);
    const ProgramRun run = Convert({"board.net", "out.net"});
    fs::permissions(Dir() / "board.net", fs::perms::owner_read | fs::perms::owner_write);
    ExpectFailure(run, ErrorLine("board.net", "read: Permission denied"), {"board.net"});
}

TEST_F(CliFaults, TargetBehindALinkIsWrittenThroughIt) {
    WriteFile(Dir() / "real.net", "an older netlist\r\n");
    fs::create_symlink("real.net", Dir() / "link.net");
    const ProgramRun run = Convert({"board.net", "link.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    EXPECT_TRUE(fs::is_symlink(Dir() / "link.net"));
    EXPECT_EQ(MaskedVersion(ReadFile(Dir() / "real.net")),
              ReadFile(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.expected.net"));
    EXPECT_EQ(Names(Dir()), (Strings{"board.net", "link.net", "real.net"}));
}

// The temporary files then live in /dev; they must go again, and the device
// must stay a device.
TEST_F(CliFaults, DevNullAsTargetStillWorks) {
    if (::access("/dev", W_OK) != 0) GTEST_SKIP() << "/dev is not writable here, so its temporary files cannot be";
    const ProgramRun run = Convert({"board.net", "/dev/null"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    ASSERT_EQ(run.out.size(), 1u);
    EXPECT_EQ(run.out[0].rfind("File Conversion - Complete: The new netlist file 'null' has been created.", 0), 0u);
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_FALSE(fs::exists("/dev/BriselTemp.txt"));
    EXPECT_FALSE(fs::exists("/dev/BriselTemp2.txt"));
    EXPECT_EQ(Names(Dir()), Strings{"board.net"});
}

// A file name holding a control character is shown escaped, so that every
// message stays one line.
TEST_F(CliFaults, ControlCharactersInFileNamesAreShownEscaped) {
    const ProgramRun run = Convert({"board.net", "a\nb\r\tc.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Strings{"File Conversion - Complete: The new netlist file 'a\\nb\\r\\tc.net' has been created. "
                               "The netlist contained: 12 Lines, 3 Parts, 2 Nets, and 5 Connections."});
    const ProgramRun missing = Convert({"no\x01pe.net", "out.net"});
    EXPECT_EQ(missing.err, Strings{"Source File - Error: The netlist file 'no\\x01pe.net' cannot be found."});
}

}  // namespace
}  // namespace brisel::reliability
