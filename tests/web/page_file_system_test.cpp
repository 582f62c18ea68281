// Whole conversions on the page's file system give the bytes and counts of a
// conversion on files held in memory, leave only the new netlist, let the
// temporary files go as they are read, and fail like a full disk when the
// memory or the browser's storage runs out.

#include "web/page_file_system.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "bench/netlist_generator.h"
#include "convert/convert_netlist.h"
#include "tests/support/file_reason_printer.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/text_files.h"

namespace brisel::web {
namespace {

using Paths = std::set<std::string>;

class Recorder : public ConversionReporter {
public:
    void Progress(const ProgressStep&) override {}
    void Warning(RunWarning) override {}
    void Finished(const Outcome& finished) override { outcome = finished; }
    Outcome outcome;
};

const std::string kPickedFileChanged = "the file changed after it was picked";

// The picked netlist: its bytes, or a failure after `failAfter` reads.
class PickedBytes : public ReadableFile {
public:
    PickedBytes(const std::string& bytes, int failAfter) : source_(bytes), readsLeft_(failAfter) {}
    std::size_t Read(char* data, std::size_t size) override {
        if (readsLeft_-- == 0) failed_ = true;
        return failed_ ? 0 : source_.Read(data, size);
    }
    bool Failed() const override { return failed_; }
    FileReason Error() const override { return failed_ ? SystemReason(kPickedFileChanged) : FileReason(); }

private:
    StringSource source_;
    int readsLeft_;
    bool failed_ = false;
};

// A store of the browser's, as the page sees one: it takes no memory of the
// worker's, and refuses bytes beyond its quota with the browser's reason.
class StoredFile : public FileStore {
public:
    explicit StoredFile(std::size_t quota) : quota_(quota) {}
    bool Append(const char* data, std::size_t size, std::string& error) override {
        if (bytes_.size() + size > quota_) {
            error = "The quota has been exceeded.";
            return false;
        }
        bytes_.append(data, size);
        return true;
    }
    bool ReadAt(std::size_t offset, char* data, std::size_t size, std::size_t& read, std::string&) const override {
        read = bytes_.copy(data, size, std::min(offset, bytes_.size()));
        return true;
    }
    std::size_t Size() const override { return bytes_.size(); }
    void Clear() override { bytes_.clear(); }

private:
    std::size_t quota_;
    std::string bytes_;
};

PageFileSystem::StoreMaker InStorage(std::size_t quota = SIZE_MAX) {
    return [quota] { return std::make_shared<StoredFile>(quota); };
}

JobSettings Settings() { return {"", "board.net", "", "board-expresspcb.net"}; }

struct PageRun {
    explicit PageRun(const std::string& source, PageFileSystem::StoreMaker stores = PageFileSystem::InMemory,
                     std::size_t memoryLimit = SIZE_MAX, int failAfter = -1)
        : files(
              "board.net", [=] { return std::make_unique<PickedBytes>(source, failAfter); }, stores, memoryLimit) {
        files.ReadOnce(JobSettings::kJoinedFileName);
        files.ReadOnce(JobSettings::kSpoolFileName);
        ConvertNetlist(Settings(), files, recorder);
    }
    std::string Target() const {
        const auto file = files.File("board-expresspcb.net");
        std::string bytes(file->Size(), '\0');
        std::size_t read = 0;
        std::string error;
        file->ReadAt(0, bytes.data(), bytes.size(), read, error);
        return bytes;
    }

    PageFileSystem files;
    Recorder recorder;
};

std::string Generated(std::uint64_t references) {
    std::ostringstream netlist;
    bench::WriteNetlist({1000, references}, netlist);
    return netlist.str();
}

struct SourceCase {
    const char* why;
    std::string source;
};
void PrintTo(const SourceCase& c, std::ostream* os) { *os << c.why; }

class PageConversions : public testing::TestWithParam<SourceCase> {};

const PageFileSystem::StoreMaker kBothStores[] = {PageFileSystem::InMemory, InStorage()};

TEST_P(PageConversions, GiveTheBytesAndCountsOfAConversionInMemory) {
    test::MemoryFileSystem memory;
    memory.Put("board.net", GetParam().source);
    Recorder expected;
    ConvertNetlist(Settings(), memory, expected);

    for (const auto& stores : kBothStores) {
        const PageRun page(GetParam().source, stores);
        EXPECT_EQ(page.recorder.outcome.result, ConversionResult::Completed);
        EXPECT_EQ(page.recorder.outcome.counts.lines, expected.outcome.counts.lines);
        EXPECT_EQ(page.recorder.outcome.counts.connections, expected.outcome.counts.connections);
        EXPECT_TRUE(page.Target() == memory.Bytes("board-expresspcb.net"));
    }
}

TEST_P(PageConversions, LeaveOnlyTheNewNetlist) {
    for (const auto& stores : kBothStores) {
        const PageRun page(GetParam().source, stores);
        EXPECT_EQ(page.files.Paths(), Paths{"board-expresspcb.net"});
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sources, PageConversions, testing::Values(
    SourceCase{"the problems of every kind",                 test::TestData("every_problem.net")},
    SourceCase{"the worked example",                         test::TestData("worked_example.net")},
    SourceCase{"an empty netlist",                           ""},
    SourceCase{"temporary files of several blocks each",    Generated(400000)}));
// clang-format on

// The joined copy goes as the main pass reads it, the spool as it is copied
// into the new netlist: together they never hold more than the new netlist
// and a block of each.
TEST(PageFileSystem, ConvertsInLittleMoreMemoryThanTheNewNetlist) {
    const std::string source = Generated(400000);
    const std::size_t targetSize = PageRun(source).Target().size();
    ASSERT_GT(targetSize, 4 * BlockFile::kBlockSize);
    const PageRun page(source, PageFileSystem::InMemory, targetSize + 3 * BlockFile::kBlockSize);
    EXPECT_EQ(page.recorder.outcome.result, ConversionResult::Completed);
    EXPECT_EQ(page.Target().size(), targetSize);
}

TEST(PageFileSystem, KeepsFilesInTheBrowsersStorageOutOfItsMemory) {
    const PageRun page(Generated(100000), InStorage(), 0);
    EXPECT_EQ(page.recorder.outcome.result, ConversionResult::Completed);
}

TEST(PageFileSystem, StopsWithTheBrowsersReasonWhenItsStorageIsFull) {
    const PageRun page(Generated(100000), InStorage(100000));
    const Outcome& outcome = page.recorder.outcome;
    EXPECT_EQ(outcome.result, ConversionResult::Failed);
    EXPECT_EQ(outcome.failure.operation, Failure::Operation::Write);
    EXPECT_EQ(outcome.failure.reason, SystemReason("The quota has been exceeded."));
    EXPECT_EQ(page.files.Paths(), Paths{});
}

TEST(PageFileSystem, StopsLikeAFullDiskWhenTheMemoryRunsOut) {
    const PageRun page(Generated(100000), PageFileSystem::InMemory, 2 * BlockFile::kBlockSize);
    const Outcome& outcome = page.recorder.outcome;
    EXPECT_EQ(outcome.result, ConversionResult::Failed);
    EXPECT_EQ(outcome.failure.operation, Failure::Operation::Write);
    EXPECT_EQ(outcome.failure.reason, SystemReason(std::strerror(ENOMEM)));
    EXPECT_EQ(page.files.Paths(), Paths{});
}

TEST(PageFileSystem, StopsWithTheBrowsersReasonWhenThePickedFileCannotBeRead) {
    const PageRun page(Generated(100000), PageFileSystem::InMemory, SIZE_MAX, 2);
    const Outcome& outcome = page.recorder.outcome;
    EXPECT_EQ(outcome.result, ConversionResult::Failed);
    EXPECT_EQ(outcome.failure.operation, Failure::Operation::Read);
    EXPECT_EQ(outcome.failure.path, "board.net");
    EXPECT_EQ(outcome.failure.reason, SystemReason(kPickedFileChanged));
    EXPECT_EQ(page.files.Paths(), Paths{});
}

std::string ReadAll(ReadableFile& file) {
    std::string bytes;
    char buffer[4096];
    while (const std::size_t n = file.Read(buffer, sizeof buffer)) bytes.append(buffer, n);
    return bytes;
}

PageFileSystem Empty() {
    return PageFileSystem("board.net", [] { return std::make_unique<PickedBytes>("", -1); });
}

void Write(PageFileSystem& files, const std::string& path, const std::string& bytes) {
    const auto file = files.Create(path);
    ASSERT_TRUE(file->Write(bytes.data(), bytes.size()));
    ASSERT_TRUE(file->Close());
}

TEST(PageFileSystem, FileReadOnceCannotBeReadAgain) {
    PageFileSystem files = Empty();
    files.ReadOnce("once.txt");
    const std::string bytes(3 * BlockFile::kBlockSize, 'x');
    Write(files, "once.txt", bytes);
    Write(files, "kept.txt", bytes);
    for (int reading = 0; reading < 2; ++reading) EXPECT_EQ(ReadAll(*files.OpenForReading("kept.txt")), bytes);
    EXPECT_EQ(ReadAll(*files.OpenForReading("once.txt")), bytes);
    EXPECT_EQ(files.File("once.txt")->HeldBytes(), std::size_t{0});
    const auto again = files.OpenForReading("once.txt");
    EXPECT_TRUE(again->Failed());
    EXPECT_EQ(again->Error(), FileReason{FileReason::Code::ReleasedAsRead});
}

TEST(PageFileSystem, ReplacesByMovingTheBytes) {
    PageFileSystem files = Empty();
    Write(files, "new.txt", "new");
    Write(files, "old.txt", "old");
    const auto moved = files.File("new.txt");
    EXPECT_TRUE(files.Replace("new.txt", "old.txt"));
    EXPECT_EQ(files.File("old.txt"), moved);
    EXPECT_EQ(files.Paths(), Paths{"old.txt"});
    EXPECT_FALSE(files.Replace("new.txt", "old.txt"));
}

TEST(PageFileSystem, TakesOverALeftoverEmptied) {
    PageFileSystem files = Empty();
    Write(files, "left.txt", "left over");
    Write(files, "left.txt", "new");
    EXPECT_EQ(ReadAll(*files.OpenForReading("left.txt")), "new");
}

TEST(PageFileSystem, HasOneFolderAndOneHolderOfALock) {
    PageFileSystem files = Empty();
    FileReason error;
    EXPECT_EQ(files.Folder(""), FolderState::Writable);
    EXPECT_EQ(files.Folder("elsewhere/"), FolderState::Missing);
    EXPECT_EQ(files.OpenFolder("elsewhere/", error), nullptr);
    EXPECT_EQ(error, SystemError(ENOENT));
    const auto folder = files.OpenFolder("", error);
    LockAttempt first = folder->Lock("BriselTemp2.txt", false);
    EXPECT_EQ(first.result, LockAttempt::Result::Acquired);
    EXPECT_EQ(folder->Lock("BriselTemp2.txt", true).result, LockAttempt::Result::Busy);
    first.file.reset();
    EXPECT_EQ(folder->Lock("BriselTemp2.txt", false).result, LockAttempt::Result::Acquired);
}

}  // namespace
}  // namespace brisel::web
