// Names swapped in the target's folder while a conversion runs, at exactly
// the step where an attacker who may rename entries there would: the run
// keeps working on the files it made, through their handles, and never reads,
// writes, changes or removes what the swapped-in name leads to.

#include <gtest/gtest.h>

#include <filesystem>

#include "conversion_fixture.h"
#include "convert/disk_file_system.h"
#include "tests/support/text_files.h"

namespace brisel::test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const std::string kSecret = "another user's private bytes\r\n";
const std::string kOld = "an older netlist\r\n";

// The attacker's move: the run's file goes aside, and the name now leads to
// the victim's file (a link; on Windows, where links need privileges, a file
// planted under the name).
void Swap(const fs::path& name, const fs::path& victim) {
    fs::rename(name, name.parent_path() / "moved-aside");
#ifdef _WIN32
    fs::copy_file(victim, name);
#else
    fs::create_symlink(victim, name);
#endif
}

class FileRaces : public testing::Test {
protected:
    FileRaces() {
        folder.Write("board.net", TestData("worked_example.net"));
        folder.Write("victim.txt", kSecret);
        folder.Write("out.net", kOld);
        host.settings = {folder.Folder(), "board.net", folder.Folder(), "out.net"};
    }
    // Swaps `name` once the run reaches `step` for it.
    void SwapAt(std::string_view step, const std::string& name) {
        disk.SetStepHook([this, step, name](std::string_view at, const std::string& file) {
            if (at == step && file == name) Swap(folder.Path() / name, folder.Path() / "victim.txt");
        });
    }

    TempFolder folder;
    RecordingHost host;
    DiskFileSystem disk;
};

TEST_F(FileRaces, ASpoolSwappedForALinkIsNotCopiedIntoTheTarget) {
    SwapAt("created", "BriselTemp.txt");
    EXPECT_EQ(host.Run(disk), ConversionResult::Completed);
    EXPECT_EQ(MaskedVersion(folder.Read("out.net")), TestData("worked_example.expected.net"));
    EXPECT_EQ(folder.Read("victim.txt"), kSecret);
}

TEST_F(FileRaces, AJoinedCopySwappedForALinkNeitherOverwritesNorFeedsTheVictim) {
    SwapAt("locked", "BriselTemp2.txt");
    EXPECT_EQ(host.Run(disk), ConversionResult::Completed);
    EXPECT_EQ(MaskedVersion(folder.Read("out.net")), TestData("worked_example.expected.net"));
    EXPECT_EQ(folder.Read("victim.txt"), kSecret);
}

// The name is checked just before the rename.
TEST_F(FileRaces, ANewTargetSwappedForALinkNeverBecomesTheTarget) {
#ifndef _WIN32
    fs::permissions(folder.Path() / "victim.txt", fs::perms::owner_read | fs::perms::owner_write);
#endif
    SwapAt("replacing", "BriselTemp3.txt");
    EXPECT_EQ(host.Run(disk), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The temporary file '" + folder.Folder() +
                                       "BriselTemp3.txt' cannot be used: it was replaced while the conversion "
                                       "ran.\r\nThe new netlist was not created."});
    EXPECT_EQ(folder.Read("out.net"), kOld);
    EXPECT_FALSE(fs::is_symlink(folder.Path() / "out.net"));
#ifndef _WIN32
    EXPECT_EQ(fs::status(folder.Path() / "victim.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
#endif
    EXPECT_EQ(folder.Read("victim.txt"), kSecret);
}

#ifndef _WIN32

// Only the permission bits pass from the old target to the new one.
TEST_F(FileRaces, SetUserAndGroupBitsOfTheOldTargetAreNotCopied) {
    fs::permissions(folder.Path() / "out.net", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                                   fs::perms::set_uid | fs::perms::set_gid);
    EXPECT_EQ(host.Run(disk), ConversionResult::Completed);
    EXPECT_EQ(fs::status(folder.Path() / "out.net").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// a/link.net leads into b: the new netlist is made in b, so a run into b
// must wait for this one.
class LinkedFolders : public testing::Test {
protected:
    LinkedFolders() {
        fs::create_directory(root.Path() / "a");
        fs::create_directory(root.Path() / "b");
        WriteFile(root.Path() / "a" / "board.net", TestData("worked_example.net"));
        fs::create_symlink("../b/x.net", root.Path() / "a" / "link.net");
    }
    std::string A() const { return root.Folder() + "a/"; }
    std::string B() const { return root.Folder() + "b/"; }

    TempFolder root;
};

TEST_F(LinkedFolders, ARunThroughALinkHoldsTheLinkedFolderToo) {
    RecordingHost first, second;
    first.settings = {A(), "board.net", A(), "link.net"};
    second.settings = {A(), "board.net", B(), "y.net"};
    ConversionResult secondResult{};
    DiskFileSystem disk;
    disk.SetStepHook([&](std::string_view step, const std::string& name) {
        if (step == "created" && name == "BriselTemp3.txt") secondResult = second.Run();
    });
    EXPECT_EQ(first.Run(disk), ConversionResult::Completed);
    EXPECT_EQ(secondResult, ConversionResult::Failed);
    EXPECT_EQ(second.Messages(), Strings{"Error: File Conversion - Error | Another conversion is using the "
                                         "temporary file '" +
                                         B() +
                                         "BriselTemp2.txt' at the moment.\r\nPlease wait until it has finished, "
                                         "then try again.\r\nThe new netlist was not created."});
    EXPECT_EQ(MaskedVersion(ReadFile(root.Path() / "b" / "x.net")), TestData("worked_example.expected.net"));
    EXPECT_EQ(Names(root.Path() / "a"), (Strings{"board.net", "link.net"}));
    EXPECT_EQ(Names(root.Path() / "b"), Strings{"x.net"});
}

TEST_F(LinkedFolders, ATemporaryFileOfTheLinkedFolderIsRefusedAsSource) {
    WriteFile(root.Path() / "b" / "BriselTemp3.txt", TestData("worked_example.net"));
    RecordingHost host;
    host.settings = {B(), "BriselTemp3.txt", A(), "link.net"};
    EXPECT_EQ(host.Run(), ConversionResult::Refused);
    EXPECT_EQ(host.Messages(), Strings{"Error: Invalid Filenames - Error | The source and target files cannot be the "
                                       "temporary files 'BriselTemp.txt', 'BriselTemp2.txt' and 'BriselTemp3.txt' "
                                       "of the target folder.\r\nPlease enter other source and target filenames."});
    EXPECT_EQ(ReadFile(root.Path() / "b" / "BriselTemp3.txt"), TestData("worked_example.net"));
}

#endif

}  // namespace
}  // namespace brisel::test
