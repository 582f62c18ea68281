// A full disk, made by a file-size limit on a real folder: the conversion
// fails with one error message naming the file and the system's reason, and
// the folder holds only what was there before. Every other file fault is
// tested in-process, on files held in memory.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/convert/conversion_fixture.h"
#include "tests/reliability/netlist_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;

// Runs the conversion in a child under a file-size limit; the child passes
// back its messages, each ended by NUL, and its result as exit status.
ConversionResult ConvertWithFileSizeLimit(test::RecordingHost& host, rlim_t bytes) {
    const fs::path report = fs::temp_directory_path() / ("brisel-engine-fault-" + std::to_string(::getpid()));
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const ConversionResult result = host.Run();
        std::string messages;
        for (const auto& message : host.Messages()) messages += message + '\0';
        WriteFile(report, messages.substr(0, bytes));
        ::_exit(static_cast<int>(result));
    }
    int raw = 0;
    ::waitpid(child, &raw, 0);
    const std::string messages = ReadFile(report);
    fs::remove(report);
    for (std::size_t start = 0, end; (end = messages.find('\0', start)) != std::string::npos; start = end + 1) {
        host.events.push_back(messages.substr(start, end - start));
    }
    return WIFEXITED(raw) ? static_cast<ConversionResult>(WEXITSTATUS(raw)) : ConversionResult::Completed;
}

TEST(EngineFaults, DiskFullWhileWritingTheTarget) {
    test::TempFolder folder;
    WriteNetlist(folder.Path() / "board.net", 2000, 2000, 10);
    const std::string source = ReadFile(folder.Path() / "board.net");
    test::RecordingHost host;
    host.settings = {folder.Folder(), "board.net", folder.Folder(), "out.net"};
    // The source has 208,714 bytes, the spool 341,865 and the target 408,687.
    EXPECT_EQ(ConvertWithFileSizeLimit(host, 400000), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Error: File Conversion - Error | The file '" + folder.Folder() +
                                       "out.net' could not be written: File too large.\r\nThe new "
                                       "netlist was not created."});
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"board.net"});
    EXPECT_EQ(ReadFile(folder.Path() / "board.net"), source);
}

}  // namespace
}  // namespace brisel::reliability
