// Read and write failures through the real brisel-convert binary: each ends
// with one error line naming the file and the system's reason, exit status 1,
// no partial target, no temporary file, and the source as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/convert/conversion_fixture.h"
#include "tests/reliability/convert_process.h"
#include "tests/reliability/netlist_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;

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
    Outcome Convert(Strings args, long long fileSizeLimit = -1) {
        return RunConvert({std::move(args), Dir(), fileSizeLimit});
    }
    void ExpectFailure(const Outcome& run, const std::string& line, const Strings& names) {
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, Strings{line});
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(Names(Dir()), names);
        EXPECT_EQ(ReadFile(Dir() / "board.net"), source_);
    }

    test::TempFolder folder_;
    std::string source_;
};

TEST_F(CliFaults, MissingTargetFolder) {
    // The joined copy is the first file written into the target's folder.
    ExpectFailure(Convert({"board.net", "missing/out.net"}),
                  ErrorLine("missing/BriselTemp2.txt", "written: No such file or directory"), {"board.net"});
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
                  ErrorLine("locked/BriselTemp2.txt", "written: Permission denied"), {"board.net", "locked"});
    EXPECT_TRUE(fs::is_empty(Dir() / "locked"));
}

TEST_F(CliFaults, SourceNotReadable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission, so nothing fails";
    fs::permissions(Dir() / "board.net", fs::perms::owner_write);
    const Outcome run = Convert({"board.net", "out.net"});
    fs::permissions(Dir() / "board.net", fs::perms::owner_read | fs::perms::owner_write);
    ExpectFailure(run, ErrorLine("board.net", "read: Permission denied"), {"board.net"});
}

// The link stays and keeps pointing at its file, emptied: no partial netlist
// is left behind the link, and nothing else is removed.
TEST_F(CliFaults, TargetBehindALinkIsEmptiedNotRemoved) {
    WriteFile(Dir() / "real.net", "an older netlist\r\n");
    fs::create_symlink("real.net", Dir() / "link.net");
    // The worked example has 136 bytes and its target 267.
    ExpectFailure(Convert({"board.net", "link.net"}, 200), ErrorLine("link.net", "written: File too large"),
                  {"board.net", "link.net", "real.net"});
    EXPECT_TRUE(fs::is_symlink(Dir() / "link.net"));
    EXPECT_EQ(fs::read_symlink(Dir() / "link.net"), "real.net");
    EXPECT_EQ(ReadFile(Dir() / "real.net"), "");
}

TEST_F(CliFaults, TargetBehindALinkIsWrittenThroughIt) {
    WriteFile(Dir() / "real.net", "an older netlist\r\n");
    fs::create_symlink("real.net", Dir() / "link.net");
    const Outcome run = Convert({"board.net", "link.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    EXPECT_TRUE(fs::is_symlink(Dir() / "link.net"));
    EXPECT_EQ(ReadFile(Dir() / "real.net"), ReadFile(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.expected.net"));
    EXPECT_EQ(Names(Dir()), (Strings{"board.net", "link.net", "real.net"}));
}

// The temporary files then live in /dev; they must go again, and the device
// must stay a device.
TEST_F(CliFaults, DevNullAsTargetStillWorks) {
    if (::access("/dev", W_OK) != 0) GTEST_SKIP() << "/dev is not writable here, so its temporary files cannot be";
    const Outcome run = Convert({"board.net", "/dev/null"});
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

}  // namespace
}  // namespace brisel::reliability
