#include "tests/reliability/convert_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

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

void KillConvert(pid_t child) {
    ::kill(child, SIGKILL);
    int raw = 0;
    ::waitpid(child, &raw, 0);
}

}  // namespace brisel::reliability
