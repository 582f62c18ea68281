#include "tests/reliability/convert_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "tests/support/text_files.h"

namespace brisel::reliability {

namespace fs = std::filesystem;

namespace {

Strings ReadLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    Strings lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void Redirect(const fs::path& path, int fd) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0 || ::dup2(file, fd) < 0) ::_exit(126);
    ::close(file);
}

// In the child: never returns.
[[noreturn]] void Exec(const Invocation& invocation, const fs::path& out, const fs::path& err) {
    if (::chdir(invocation.folder.c_str()) != 0) ::_exit(126);
    Redirect(out, STDOUT_FILENO);
    Redirect(err, STDERR_FILENO);
    if (invocation.fileSizeLimit >= 0) {
        // Ignored, SIGXFSZ would kill the process; then the write fails with
        // EFBIG as on a full disk.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(invocation.fileSizeLimit),
                           static_cast<rlim_t>(invocation.fileSizeLimit)};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
    }
    std::vector<char*> argv{const_cast<char*>(BRISEL_CONVERT_EXE)};
    for (const auto& arg : invocation.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(BRISEL_CONVERT_EXE, argv.data());
    ::_exit(127);
}

fs::path CaptureFolder() {
    const fs::path folder = fs::temp_directory_path() / ("brisel-reliability-io-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder;
}

}  // namespace

Outcome RunConvert(const Invocation& invocation) {
    const fs::path capture = CaptureFolder();
    const fs::path out = capture / "stdout.txt", err = capture / "stderr.txt";
    const pid_t child = ::fork();
    if (child == 0) Exec(invocation, out, err);
    int raw = 0;
    ::waitpid(child, &raw, 0);
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = ReadLines(out);
    outcome.err = ReadLines(err);
    fs::remove_all(capture);
    return outcome;
}

pid_t StartConvert(const Invocation& invocation) {
    const pid_t child = ::fork();
    if (child == 0) Exec(invocation, "/dev/null", "/dev/null");
    return child;
}

int WaitConvert(pid_t child) {
    int raw = 0;
    ::waitpid(child, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// The child passes back its messages, each ended by NUL, and its result as
// exit status.
ConversionResult ConvertInChild(test::RecordingHost& host, long long bytes) {
    const fs::path report = fs::temp_directory_path() / ("brisel-engine-fault-" + std::to_string(::getpid()));
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const ConversionResult result = host.Run();
        std::string messages;
        for (const auto& message : host.Messages()) messages += message + '\0';
        test::WriteFile(report, messages.substr(0, static_cast<std::size_t>(bytes)));
        ::_exit(static_cast<int>(result));
    }
    const int status = WaitConvert(child);
    const std::string messages = test::ReadFile(report);
    fs::remove(report);
    for (std::size_t start = 0, end; (end = messages.find('\0', start)) != std::string::npos; start = end + 1) {
        host.events.push_back(messages.substr(start, end - start));
    }
    return status < 0 ? ConversionResult::Completed : static_cast<ConversionResult>(status);
}

void KillConvert(pid_t child) {
    ::kill(child, SIGKILL);
    int raw = 0;
    ::waitpid(child, &raw, 0);
}

}  // namespace brisel::reliability
