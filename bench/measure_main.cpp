// brisel-bench-measure: runs one command and prints its wall time in seconds,
// its peak resident memory in KiB, its exit status and its processor time
// (user and system) in seconds, on one line. The figures come from the child
// alone (wait4), not from a shell around it; the processor time varies less
// than the wall time while other jobs load the machine.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view Usage = "Usage: brisel-bench-measure [--stdout FILE] [--stderr FILE] -- COMMAND [ARG...]\n";

struct Redirects {
    const char* stdoutPath = "/dev/null";
    const char* stderrPath = "/dev/null";
};

bool Redirect(const char* path, int descriptor) {
    const int file = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) {
        return false;
    }
    const bool moved = dup2(file, descriptor) >= 0;
    close(file);
    return moved;
}

[[noreturn]] void RunChild(const Redirects& redirects, char** command) {
    if (Redirect(redirects.stdoutPath, STDOUT_FILENO) && Redirect(redirects.stderrPath, STDERR_FILENO)) {
        execvp(command[0], command);
    }
    _exit(127);
}

int ExitStatus(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

int Measure(const Redirects& redirects, char** command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("brisel-bench-measure: fork");
        return 1;
    }
    if (child == 0) {
        RunChild(redirects, command);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("brisel-bench-measure: wait4");
        return 1;
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    std::printf("%.6f %ld %d %.6f\n", wall.count(), usage.ru_maxrss, ExitStatus(status),
                Seconds(usage.ru_utime) + Seconds(usage.ru_stime));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Redirects redirects;
    int i = 1;
    for (; i + 1 < argc && std::string_view(argv[i]) != "--"; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--stdout") {
            redirects.stdoutPath = argv[i + 1];
        } else if (name == "--stderr") {
            redirects.stderrPath = argv[i + 1];
        } else {
            break;
        }
    }
    if (i + 1 >= argc || std::string_view(argv[i]) != "--") {
        std::fputs(Usage.data(), stderr);
        return 2;
    }
    return Measure(redirects, argv + i + 1);
}
