// The same failures through ConvertNetlist itself: the result is Failed, one
// error message box names the file and the reason, and the folder holds only
// what was there before.

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
using test::RecordingHost;

std::string ErrorEvent(const std::string& path, const std::string& reason) {
    return "Error: File Conversion - Error | The file '" + path + "' could not be " + reason +
           ".\r\nThe new netlist was not created.";
}

class EngineFaults : public testing::Test {
protected:
    void SetUp() override {
        WriteNetlist(Dir() / "board.net", 2000, 2000, 10);
        source_ = ReadBytes(Dir() / "board.net");
        host_.settings.SourcePath = folder_.Folder();
        host_.settings.SourceFile = "board.net";
        host_.settings.TargetPath = folder_.Folder();
        host_.settings.TargetFile = "out.net";
    }
    const fs::path& Dir() const { return folder_.Path(); }
    void ExpectFailure(ConversionResult result, const std::string& event, const std::vector<std::string>& names) {
        EXPECT_EQ(result, ConversionResult::Failed);
        EXPECT_EQ(host_.Messages(), std::vector<std::string>{event});
        EXPECT_EQ(Names(Dir()), names);
        EXPECT_EQ(ReadBytes(Dir() / "board.net"), source_);
    }
    // Runs the conversion in a child under a file-size limit; the child
    // passes back its result and messages, each ended by NUL.
    ConversionResult ConvertWithFileSizeLimit(rlim_t bytes);

    test::TempFolder folder_;
    RecordingHost host_;
    std::string source_;
};

ConversionResult EngineFaults::ConvertWithFileSizeLimit(rlim_t bytes) {
    const fs::path report = fs::temp_directory_path() / ("brisel-engine-fault-" + std::to_string(::getpid()));
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const ConversionResult result = ConvertNetlist(host_);
        std::string messages;
        for (const auto& message : host_.Messages()) messages += message + '\0';
        WriteBytes(report, messages.substr(0, bytes));
        ::_exit(static_cast<int>(result));
    }
    int raw = 0;
    ::waitpid(child, &raw, 0);
    const std::string messages = ReadBytes(report);
    fs::remove(report);
    for (std::size_t start = 0, end; (end = messages.find('\0', start)) != std::string::npos; start = end + 1) {
        host_.events.push_back(messages.substr(start, end - start));
    }
    return WIFEXITED(raw) ? static_cast<ConversionResult>(WEXITSTATUS(raw)) : ConversionResult::Completed;
}

TEST_F(EngineFaults, MissingTargetFolder) {
    host_.settings.TargetPath = folder_.Folder() + "missing/";
    ExpectFailure(ConvertNetlist(host_),
                  ErrorEvent(folder_.Folder() + "missing/BriselTemp2.txt", "written: No such file or directory"),
                  {"board.net"});
}

TEST_F(EngineFaults, TargetIsAFolder) {
    fs::create_directory(Dir() / "out.net");
    ExpectFailure(ConvertNetlist(host_), ErrorEvent(folder_.Folder() + "out.net", "written: Is a directory"),
                  {"board.net", "out.net"});
}

TEST_F(EngineFaults, SourceIsAFolder) {
    fs::create_directory(Dir() / "in.net");
    host_.settings.SourceFile = "in.net";
    ExpectFailure(ConvertNetlist(host_), ErrorEvent(folder_.Folder() + "in.net", "read: Is a directory"),
                  {"board.net", "in.net"});
}

TEST_F(EngineFaults, DiskFullWhileJoining) {
    ExpectFailure(ConvertWithFileSizeLimit(4096),
                  ErrorEvent(folder_.Folder() + "BriselTemp2.txt", "written: File too large"), {"board.net"});
}

TEST_F(EngineFaults, DiskFullWhileWritingTheTarget) {
    // The source has 208,714 bytes, the spool 341,865 and the target 408,687.
    ExpectFailure(ConvertWithFileSizeLimit(400000), ErrorEvent(folder_.Folder() + "out.net", "written: File too large"),
                  {"board.net"});
}

}  // namespace
}  // namespace brisel::reliability
