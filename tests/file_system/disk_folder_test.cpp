// A folder of the disk held open for a run: its lock, the files it makes and
// reads back through their handles, and names it must not use.

#include "file_system/disk_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "tests/support/case_names.h"
#include "tests/support/file_reason_printer.h"
#include "tests/support/temp_folder.h"

namespace brisel::test {
namespace {

namespace fs = std::filesystem;
using Result = LockAttempt::Result;
using Reason = FileReason::Code;

class DiskFolder : public testing::Test {
protected:
    std::unique_ptr<WorkFolder> Open() {
        FileReason error;
        auto opened = OpenDiskFolder(folder.Folder(), {}, error);
        EXPECT_TRUE(opened) << testing::PrintToString(error);
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
    ASSERT_TRUE(made.file) << testing::PrintToString(made.error);
    ASSERT_TRUE(made.file->Write("bytes\r\n", 7));
    EXPECT_EQ(ReadBack(*made.file), "bytes\r\n");
    ASSERT_TRUE(made.file->Truncate());
    EXPECT_EQ(ReadBack(*made.file), "");
    EXPECT_TRUE(work->Remove("made.txt", *made.file));
    made.file.reset();
    EXPECT_EQ(folder.Names(), std::vector<std::string>{});
}

TEST_F(DiskFolder, ALeftoverIsTakenOver) {
    folder.Write("leftover.txt", "an interrupted run's bytes");
    const auto work = Open();
    Creation leftover = work->Create("leftover.txt");
    ASSERT_TRUE(leftover.file) << testing::PrintToString(leftover.error);
    EXPECT_EQ(ReadBack(*leftover.file), "");
}

// Something under a name the run would make or lock, which it must not use,
// and the reason it gives.
struct TakenName {
    const char* why;
    // Plants it as `name`; false where this system or user cannot.
    bool (*plant)(const fs::path& name, const fs::path& folder);
    Reason reason;
};
void PrintTo(const TakenName& c, std::ostream* os) { *os << c.why; }

// clang-format off
const TakenName kTakenNames[] = {
    {"a folder", [](const fs::path& n, const fs::path&) { return fs::create_directory(n); }, Reason::Folder},
    {"a file with another name", [](const fs::path& n, const fs::path& d) {
        fs::create_hard_link(d / "other.txt", n);
        return true;
    }, Reason::OtherNames},
#ifndef _WIN32
    {"a symbolic link", [](const fs::path& n, const fs::path& d) {
        fs::create_symlink(d / "other.txt", n);
        return true;
    }, Reason::SymbolicLink},
    {"a pipe", [](const fs::path& n, const fs::path&) { return ::mkfifo(n.c_str(), 0600) == 0; }, Reason::NotPlainFile},
    {"another user's file", [](const fs::path& n, const fs::path& d) {
        fs::copy_file(d / "other.txt", n);
        return ::geteuid() == 0 && ::chown(n.c_str(), 65534, 65534) == 0;
    }, Reason::OtherUser},
#endif
};
// clang-format on

class TakenNames : public DiskFolder, public testing::WithParamInterface<TakenName> {
protected:
    void SetUp() override {
        folder.Write("other.txt", "another file's bytes");
        if (!GetParam().plant(folder.Path() / "taken.txt", folder.Path())) GTEST_SKIP() << "cannot be planted here";
    }
};

TEST_P(TakenNames, AreNotCreatedOver) {
    const Creation taken = Open()->Create("taken.txt");
    EXPECT_FALSE(taken.file);
    EXPECT_TRUE(taken.unusable);
    EXPECT_EQ(taken.error, FileReason(GetParam().reason));
}

TEST_P(TakenNames, AreNotLocked) {
    const LockAttempt taken = Open()->Lock("taken.txt", false);
    EXPECT_EQ(taken.result, Result::Unusable);
    EXPECT_EQ(taken.error, FileReason(GetParam().reason));
    EXPECT_EQ(folder.Read("other.txt"), "another file's bytes");
}

INSTANTIATE_TEST_SUITE_P(EachKind, TakenNames, testing::ValuesIn(kTakenNames), ByWhy());

TEST_F(DiskFolder, ReplacingPutsTheNewFileUnderTheTargetsName) {
    folder.Write("out.net", "old");
    const auto work = Open();
    Creation made = work->Create("new.txt");
    ASSERT_TRUE(made.file && made.file->Write("new", 3));
    FileReason error;
    bool unusable = false;
    EXPECT_TRUE(work->Replace(*made.file, "new.txt", "out.net", error, unusable)) << testing::PrintToString(error);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.net"});
    EXPECT_EQ(folder.Read("out.net"), "new");
}

TEST(DiskFolderOpening, AMissingFolderGivesTheSystemsReason) {
    TempFolder folder;
    FileReason error;
    EXPECT_FALSE(OpenDiskFolder(folder.Folder() + "none/", {}, error));
    EXPECT_EQ(error, SystemReason("No such file or directory"));
}

TEST(SystemReasons, AreTheSystemsWordsOrNoneWithoutWords) {
    EXPECT_EQ(SystemError(ENOENT), FileReason(Reason::SystemText, "No such file or directory"));
    EXPECT_EQ(SystemReason(""), FileReason(Reason::NoSystemText));
}

}  // namespace
}  // namespace brisel::test
