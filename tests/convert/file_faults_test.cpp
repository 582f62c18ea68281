// Every file operation of a conversion failing in turn, on files held in
// memory: the run ends with one error naming the file and the system's
// reason, and leaves only the source, unchanged, and an old target as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "conversion_fixture.h"
#include "tests/support/case_names.h"
#include "tests/support/memory_file_system.h"

namespace brisel::test {
namespace {

using Operation = MemoryFileSystem::Operation;
using Strings = std::vector<std::string>;

const std::string kFolder = "mem/";
const std::string kSource =
    Lines({"*PADS-PCB*", "*PART*", "U1 x", "U2 y", "", "*NET*", "*SIGNAL* A", "U1.1 U2.1", "*END*"});

struct FaultCase {
    const char* why;
    Operation operation;
    const char* file;
    const char* verb;      // "read" or "written"
    const char* reported;  // the file the message names
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.why; }

// clang-format off
const FaultCase kFaults[] = {
    {"the source cannot be opened",         Operation::Open,   "board.net",       "read",    "board.net"},
    {"reading the source fails",            Operation::Read,   "board.net",       "read",    "board.net"},
    {"the run lock cannot be taken",        Operation::Lock,   "BriselTemp2.txt", "written", "BriselTemp2.txt"},
    {"emptying the joined copy fails",      Operation::Truncate, "BriselTemp2.txt", "written", "BriselTemp2.txt"},
    {"writing the joined copy fails",       Operation::Write,  "BriselTemp2.txt", "written", "BriselTemp2.txt"},
    {"flushing the joined copy fails",      Operation::Flush,  "BriselTemp2.txt", "written", "BriselTemp2.txt"},
    {"reading the joined copy fails",       Operation::Read,   "BriselTemp2.txt", "read",    "BriselTemp2.txt"},
    {"the new target cannot be created",    Operation::Open,   "BriselTemp3.txt", "written", "out.net"},
    {"the spool cannot be created",         Operation::Open,   "BriselTemp.txt",  "written", "BriselTemp.txt"},
    {"writing the spool fails",             Operation::Write,  "BriselTemp.txt",  "written", "BriselTemp.txt"},
    {"flushing the spool fails",            Operation::Flush,  "BriselTemp.txt",  "written", "BriselTemp.txt"},
    {"reading the spool fails",             Operation::Read,   "BriselTemp.txt",  "read",    "BriselTemp.txt"},
    {"writing the new target fails",        Operation::Write,  "BriselTemp3.txt", "written", "out.net"},
    {"flushing the new target fails",       Operation::Flush,  "BriselTemp3.txt", "written", "out.net"},
    {"syncing the new target fails",        Operation::Sync,   "BriselTemp3.txt", "written", "out.net"},
    {"closing the new target fails",        Operation::Close,  "BriselTemp3.txt", "written", "out.net"},
    {"the new target cannot replace the old", Operation::Rename, "BriselTemp3.txt", "written", "out.net"},
};
// clang-format on

class FileFaults : public testing::TestWithParam<FaultCase> {
protected:
    // The target a run without faults writes.
    static std::string ConvertedSource() {
        MemoryFileSystem clean;
        clean.Put(kFolder + "board.net", kSource);
        RecordingHost host;
        host.settings = {kFolder, "board.net", kFolder, "out.net"};
        host.Run(clean);
        return clean.Bytes(kFolder + "out.net");
    }
    FileFaults() {
        files.Put(kFolder + "board.net", kSource);
        host.settings = {kFolder, "board.net", kFolder, "out.net"};
    }
    MemoryFileSystem files;
    RecordingHost host;
};

TEST_P(FileFaults, EndTheRunAndLeaveOnlyTheSource) {
    const FaultCase& c = GetParam();
    files.Fail(c.operation, kFolder + c.file, "Input/output error");
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(),
              Strings{"Error: File Conversion - Error | The file '" + kFolder + c.reported + "' could not be " +
                      c.verb + ": Input/output error.\r\nThe new netlist was not created."});
    EXPECT_EQ(files.Paths(), Strings{kFolder + "board.net"});
    EXPECT_EQ(files.Bytes(kFolder + "board.net"), kSource);
}

TEST_P(FileFaults, KeepTheOldTargetByteForByte) {
    const std::string old = "an older netlist\r\n";
    files.Put(kFolder + "out.net", old);
    files.Fail(GetParam().operation, kFolder + GetParam().file, "Input/output error");
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(files.Paths(), (Strings{kFolder + "board.net", kFolder + "out.net"}));
    EXPECT_EQ(files.Bytes(kFolder + "out.net"), old);
}

INSTANTIATE_TEST_SUITE_P(EachOperation, FileFaults, testing::ValuesIn(kFaults), ByWhy());

TEST_F(FileFaults, AnotherRunHoldingTheLockStopsThisOneAndTouchesNothing) {
    const LockAttempt other = files.Lock(kFolder + "BriselTemp2.txt");
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | Another conversion is using the temporary "
                                       "file 'mem/BriselTemp2.txt' at the moment.\r\nPlease wait until it has "
                                       "finished, then try again.\r\nThe new netlist was not created."});
    EXPECT_EQ(files.Paths(), (Strings{kFolder + "BriselTemp2.txt", kFolder + "board.net"}));
}

// A temporary file that cannot be removed is left behind; the target is
// complete. The next run creates its spool anew, which fails while the
// leftover stays, and keeps the target it would have replaced.
TEST_F(FileFaults, ATemporaryFileThatCannotBeRemovedDoesNotSpoilTheResult) {
    files.Fail(Operation::Remove, kFolder + "BriselTemp.txt", "Device or resource busy");
    EXPECT_EQ(host.Run(files), ConversionResult::Completed);
    EXPECT_EQ(files.Paths(), (Strings{kFolder + "BriselTemp.txt", kFolder + "board.net", kFolder + "out.net"}));
    const std::string target = files.Bytes(kFolder + "out.net");
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(host.Messages().back(),
              "Error: File Conversion - Error | The file 'mem/BriselTemp.txt' could not be "
              "written: File exists.\r\nThe new netlist was not created.");
    EXPECT_EQ(files.Bytes(kFolder + "out.net"), target);
}

// A name taken by a link or a folder is used for nothing, and what was there
// stays.
TEST_F(FileFaults, ATemporaryFileNameTakenByALinkStopsTheRunBeforeAnyWrite) {
    for (const char* name : {"BriselTemp.txt", "BriselTemp2.txt", "BriselTemp3.txt"}) {
        MemoryFileSystem planted;
        planted.Put(kFolder + "board.net", kSource);
        planted.Block(kFolder + name, FileReason::Code::SymbolicLink);
        host.events.clear();
        EXPECT_EQ(host.Run(planted), ConversionResult::Failed) << name;
        EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The temporary file '" + kFolder + name +
                                           "' cannot be used: it is a symbolic link.\r\nThe new netlist was not "
                                           "created."});
        EXPECT_EQ(planted.Paths(), Strings{kFolder + "board.net"});
    }
}

// A signal stops the run at its next block, wherever it stands; closing and
// renaming do not look for it (the run looks once before the rename).
using Interruptions = FileFaults;

std::vector<FaultCase> InterruptibleSteps() {
    std::vector<FaultCase> steps;
    std::copy_if(std::begin(kFaults), std::end(kFaults), std::back_inserter(steps), [](const FaultCase& c) {
        return c.operation != Operation::Close && c.operation != Operation::Rename;
    });
    return steps;
}

TEST_P(Interruptions, EndTheRunLikeAFailure) {
    const FaultCase& c = GetParam();
    files.Put(kFolder + "out.net", "an older netlist\r\n");
    files.InterruptAt(c.operation, kFolder + c.file);
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The conversion was interrupted.\r\nThe "
                                       "new netlist was not created."});
    EXPECT_EQ(files.Paths(), (Strings{kFolder + "board.net", kFolder + "out.net"}));
    EXPECT_EQ(files.Bytes(kFolder + "out.net"), "an older netlist\r\n");
}

INSTANTIATE_TEST_SUITE_P(EachStep, Interruptions, testing::ValuesIn(InterruptibleSteps()), ByWhy());

TEST_F(FileFaults, AMissingTargetFolderIsNamedAsTyped) {
    host.settings.TargetPath = "elsewhere/";
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The folder 'elsewhere' does not "
                                       "exist.\r\nThe new netlist was not created."});
    EXPECT_EQ(files.Paths(), Strings{kFolder + "board.net"});
}

// Standard input to standard output: the temporary files live in a private
// folder made for the run and gone with it.
TEST_F(FileFaults, StandardStreamsUseAPrivateFolder) {
    files.Put(MemoryFileSystem::kStandardInput, kSource);
    host.settings = {"", "-", "", "-"};
    host.settings.SourceIsStandardInput = host.settings.TargetIsStandardOutput = true;
    EXPECT_EQ(host.Run(files), ConversionResult::Completed);
    EXPECT_EQ(host.Messages(), Strings{"Information: File Conversion - Complete | The new netlist file 'standard "
                                       "output' has been created.\r\nThe netlist contained: 9 Lines, 2 Parts, 1 "
                                       "Nets, and 2 Connections."});
    EXPECT_EQ(files.Paths(),
              (Strings{MemoryFileSystem::kStandardInput, MemoryFileSystem::kStandardOutput, kFolder + "board.net"}));
    EXPECT_EQ(files.Bytes(MemoryFileSystem::kStandardOutput), ConvertedSource());
    EXPECT_FALSE(files.HoldsPrivateFolder());
}

TEST_F(FileFaults, FailuresOfStandardStreamsNameThem) {
    files.Put(MemoryFileSystem::kStandardInput, kSource);
    files.Fail(Operation::Read, MemoryFileSystem::kStandardInput, "Is a directory");
    host.settings = {"", "-", kFolder, "out.net"};
    host.settings.SourceIsStandardInput = true;
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The file 'standard input' could not be "
                                       "read: Is a directory.\r\nThe new netlist was not created."});
    files.Fail(Operation::Write, MemoryFileSystem::kStandardOutput, "Broken pipe");
    host.events.clear();
    host.settings = {kFolder, "board.net", "", "-"};
    host.settings.TargetIsStandardOutput = true;
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The file 'standard output' could not be "
                                       "written: Broken pipe.\r\nThe new netlist was not created."});
    EXPECT_FALSE(files.HoldsPrivateFolder());
}

// Memory that runs out anywhere in the run ends it like a full disk.
class NoMemoryForTheSource : public MemoryFileSystem {
    class Exhausting : public ReadableFile {
        std::size_t Read(char*, std::size_t) override { throw std::bad_alloc(); }
        bool Failed() const override { return false; }
        FileReason Error() const override { return {}; }
    };

public:
    std::unique_ptr<ReadableFile> OpenForReading(const std::string&) override { return std::make_unique<Exhausting>(); }
};

TEST_F(FileFaults, RunningOutOfMemoryEndsTheRunLikeAFailure) {
    NoMemoryForTheSource exhausted;
    exhausted.Put(kFolder + "board.net", kSource);
    exhausted.Put(kFolder + "out.net", "an older netlist\r\n");
    EXPECT_EQ(host.Run(exhausted), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The file 'mem/board.net' could not be "
                                       "converted: Out of memory.\r\nThe new netlist was not created."});
    EXPECT_EQ(exhausted.Paths(), (Strings{kFolder + "board.net", kFolder + "out.net"}));
    EXPECT_EQ(exhausted.Bytes(kFolder + "out.net"), "an older netlist\r\n");
}

}  // namespace
}  // namespace brisel::test
