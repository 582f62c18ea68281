#include "tests/reliability/engine_in_child.h"

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "file_system/disk_file_system.h"
#include "tests/support/convert_program.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {

namespace fs = std::filesystem;

// The child passes back its messages, each ended by NUL, and its result as
// exit status.
ConversionResult ConvertInChild(test::RecordingHost& host, long long bytes) {
    const fs::path report = fs::temp_directory_path() / ("brisel-engine-fault-" + std::to_string(::getpid()));
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const ConversionResult result = host.Run(TheDisk());
        std::string messages;
        for (const auto& message : host.Messages()) messages += message + '\0';
        test::WriteFile(report, messages.substr(0, static_cast<std::size_t>(bytes)));
        ::_exit(static_cast<int>(result));
    }
    const int status = test::WaitConvert(child);
    const std::string messages = test::ReadFile(report);
    fs::remove(report);
    for (std::size_t start = 0, end; (end = messages.find('\0', start)) != std::string::npos; start = end + 1) {
        host.events.push_back(messages.substr(start, end - start));
    }
    return status < 0 ? ConversionResult::Completed : static_cast<ConversionResult>(status);
}

}  // namespace brisel::reliability
