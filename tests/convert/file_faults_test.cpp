// Every file operation of a conversion failing in turn, on files held in
// memory: the run ends with one error naming the file and the system's
// reason, and leaves only the source, unchanged.

#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "convert/memory_file_system.h"
#include "tests/support/case_names.h"

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
    const char* verb;  // "read" or "written"
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.why; }

// clang-format off
const FaultCase kFaults[] = {
    {"the source cannot be opened",      Operation::Open,  "board.net",       "read"},
    {"reading the source fails",         Operation::Read,  "board.net",       "read"},
    {"the run lock cannot be taken",     Operation::Lock,  "BriselTemp2.txt", "written"},
    {"the joined copy cannot be opened", Operation::Open,  "BriselTemp2.txt", "written"},
    {"writing the joined copy fails",    Operation::Write, "BriselTemp2.txt", "written"},
    {"flushing the joined copy fails",   Operation::Flush, "BriselTemp2.txt", "written"},
    {"closing the joined copy fails",    Operation::Close, "BriselTemp2.txt", "written"},
    {"reading the joined copy fails",    Operation::Read,  "BriselTemp2.txt", "read"},
    {"the target cannot be opened",      Operation::Open,  "out.net",         "written"},
    {"writing the spool fails",          Operation::Write, "BriselTemp.txt",  "written"},
    {"closing the spool fails",          Operation::Close, "BriselTemp.txt",  "written"},
    {"reading the spool fails",          Operation::Read,  "BriselTemp.txt",  "read"},
    {"writing the target fails",         Operation::Write, "out.net",         "written"},
    {"flushing the target fails",        Operation::Flush, "out.net",         "written"},
    {"closing the target fails",         Operation::Close, "out.net",         "written"},
};
// clang-format on

class FileFaults : public testing::TestWithParam<FaultCase> {
protected:
    FileFaults() {
        files.Put(kFolder + "board.net", kSource);
        host.settings = {kFolder, "board.net", kFolder, "out.net"};
    }
    MemoryFileSystem files;
    RecordingHost host;
};

TEST_P(FileFaults, EndTheRunAndLeaveOnlyTheSource) {
    const FaultCase& c = GetParam();
    const std::string path = kFolder + c.file;
    files.Fail(c.operation, path, "Input/output error");
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The file '" + path + "' could not be " +
                                       c.verb + ": Input/output error.\r\nThe new netlist was not created."});
    EXPECT_EQ(files.Paths(), Strings{kFolder + "board.net"});
    EXPECT_EQ(files.Bytes(kFolder + "board.net"), kSource);
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

// A temporary file that cannot be removed is left for the next run, which
// takes it over; the target is complete.
TEST_F(FileFaults, ATemporaryFileThatCannotBeRemovedDoesNotSpoilTheResult) {
    files.Fail(Operation::Remove, kFolder + "BriselTemp.txt", "Device or resource busy");
    EXPECT_EQ(host.Run(files), ConversionResult::Completed);
    EXPECT_EQ(files.Paths(), (Strings{kFolder + "BriselTemp.txt", kFolder + "board.net", kFolder + "out.net"}));
    EXPECT_EQ(host.Run(files), ConversionResult::Completed);
    EXPECT_EQ(host.Messages().back().rfind("Information: File Conversion - Complete", 0), 0u);
}

}  // namespace
}  // namespace brisel::test
