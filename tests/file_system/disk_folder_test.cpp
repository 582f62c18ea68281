// A folder of the disk held open for a run: its lock, the files it makes and
// reads back through their handles, and names it must not use.

#include "file_system/disk_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace brisel::test {
namespace {

using Result = LockAttempt::Result;

class DiskFolder : public testing::Test {
protected:
    std::unique_ptr<WorkFolder> Open() {
        std::string error;
        auto opened = OpenDiskFolder(folder.Folder(), {}, error);
        EXPECT_TRUE(opened) << error;
        return opened;
    }

    std::string ReadBack(WritableFile& file) {
        const auto reader = file.ReadBack();
        std::string bytes(64, '\0');
        bytes.resize(reader->Read(bytes.data(), bytes.size()));
        return bytes;
    }

    TempFolder folder;
};

TEST_F(DiskFolder, TwoHoldersOfTheLockTakeTurns) {
    const auto first = Open(), second = Open();
    EXPECT_EQ(first->Identity(), second->Identity());
    LockAttempt held = first->Lock("lock.txt", false);
    ASSERT_EQ(held.result, Result::Acquired);
    EXPECT_EQ(second->Lock("lock.txt", false).result, Result::Busy);
    held.file.reset();
    EXPECT_EQ(second->Lock("lock.txt", false).result, Result::Acquired);
}

TEST_F(DiskFolder, AFileMadeIsReadBackEmptiedAndRemovedThroughItsHandle) {
    const auto work = Open();
    Creation made = work->Create("made.txt");
    ASSERT_TRUE(made.file) << made.error;
    ASSERT_TRUE(made.file->Write("bytes\r\n", 7));
    EXPECT_EQ(ReadBack(*made.file), "bytes\r\n");
    ASSERT_TRUE(made.file->Truncate());
    EXPECT_EQ(ReadBack(*made.file), "");
    EXPECT_TRUE(work->Remove("made.txt", *made.file));
    made.file.reset();
    EXPECT_EQ(folder.Names(), std::vector<std::string>{});
}

TEST_F(DiskFolder, ALeftoverIsTakenOverAndAFolderIsNot) {
    folder.Write("leftover.txt", "an interrupted run's bytes");
    std::filesystem::create_directory(folder.Path() / "taken.txt");
    const auto work = Open();
    Creation leftover = work->Create("leftover.txt");
    ASSERT_TRUE(leftover.file) << leftover.error;
    EXPECT_EQ(ReadBack(*leftover.file), "");
    const Creation taken = work->Create("taken.txt");
    EXPECT_FALSE(taken.file);
    EXPECT_TRUE(taken.unusable);
    EXPECT_EQ(taken.error, "it is a folder");
}

TEST_F(DiskFolder, ReplacingPutsTheNewFileUnderTheTargetsName) {
    folder.Write("out.net", "old");
    const auto work = Open();
    Creation made = work->Create("new.txt");
    ASSERT_TRUE(made.file && made.file->Write("new", 3));
    std::string error;
    bool unusable = false;
    EXPECT_TRUE(work->Replace(*made.file, "new.txt", "out.net", error, unusable)) << error;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.net"});
    EXPECT_EQ(folder.Read("out.net"), "new");
}

TEST(DiskFolderOpening, AMissingFolderGivesTheSystemsReason) {
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(OpenDiskFolder(folder.Folder() + "none/", {}, error));
    EXPECT_EQ(error, "No such file or directory");
}

}  // namespace
}  // namespace brisel::test
