#include "tests/support/convert_program.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::test {

namespace fs = std::filesystem;

namespace {

struct Pipe {
    int read = -1, write = -1;
};

void Redirect(const fs::path& path, int fd) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0 || ::dup2(file, fd) < 0) ::_exit(126);
    ::close(file);
}

void Limit(int resource, long long bytes) {
    if (bytes < 0) return;
    const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
    if (::setrlimit(resource, &limit) != 0) ::_exit(126);
}

// In the child: never returns. SIGXFSZ, SIGPIPE and the signals that end a
// run are as a shell leaves them: the program must see to them itself.
[[noreturn]] void Exec(const Invocation& invocation, const Pipe& input, const Pipe& output, const fs::path& out,
                       const fs::path& err) {
    if (::chdir(invocation.folder.c_str()) != 0) ::_exit(126);
    if (input.read >= 0 && ::dup2(input.read, STDIN_FILENO) < 0) ::_exit(126);
    if (output.write >= 0) {
        if (::dup2(output.write, STDOUT_FILENO) < 0) ::_exit(126);
    } else {
        Redirect(invocation.output.empty() ? out : invocation.output, STDOUT_FILENO);
    }
    Redirect(err, STDERR_FILENO);
    for (const int signal : {SIGXFSZ, SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGALRM}) ::signal(signal, SIG_DFL);
    for (const std::string& variable : invocation.environment) ::putenv(const_cast<char*>(variable.c_str()));
    if (invocation.user >= 0 && ::getuid() == 0 &&
        (::setgid(static_cast<gid_t>(invocation.user)) != 0 || ::setuid(static_cast<uid_t>(invocation.user)) != 0)) {
        ::_exit(126);
    }
    Limit(RLIMIT_FSIZE, invocation.fileSizeLimit);
    Limit(RLIMIT_AS, invocation.memoryLimit);
    if (invocation.closedStandardStreams) {
        for (int fd = 0; fd <= 2; ++fd) ::close(fd);
    }
    ::alarm(invocation.timeLimit);
    std::vector<char*> argv{const_cast<char*>(BRISEL_CONVERT_EXE)};
    for (const auto& arg : invocation.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(BRISEL_CONVERT_EXE, argv.data());
    ::_exit(127);
}

void WriteAll(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written <= 0) return;
        done += static_cast<std::size_t>(written);
    }
}

// A process of its own writes the input, as in a shell pipeline, so that a
// program that stops reading early neither blocks nor kills the test. It is
// started through a middle process that ends at once, so nobody waits for it.
void Feed(const Pipe& input, const std::string& bytes) {
    ::close(input.read);
    const pid_t middle = ::fork();
    if (middle == 0) {
        if (::fork() == 0) WriteAll(input.write, bytes);
        ::_exit(0);
    }
    ::close(input.write);
    if (middle > 0) ::waitpid(middle, nullptr, 0);
}

bool OpenPipe(bool wanted, Pipe& pipe) {
    int ends[2];
    if (!wanted) return true;
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    pipe = {ends[0], ends[1]};
    return true;
}

std::string ReadAll(int fd) {
    std::string bytes;
    char block[65536];
    for (ssize_t n; (n = ::read(fd, block, sizeof block)) > 0;) bytes.append(block, static_cast<std::size_t>(n));
    ::close(fd);
    return bytes;
}

pid_t Spawn(const Invocation& invocation, const fs::path& out, const fs::path& err, std::string* piped = nullptr) {
    Pipe input, output;
    if (!OpenPipe(invocation.input.has_value(), input) || !OpenPipe(invocation.outputThroughPipe, output)) return -1;
    const pid_t child = ::fork();
    if (child == 0) Exec(invocation, input, output, out, err);
    if (invocation.input) Feed(input, *invocation.input);
    if (invocation.outputThroughPipe) {
        ::close(output.write);
        const std::string bytes = ReadAll(output.read);
        if (piped != nullptr) *piped = bytes;
    }
    return child;
}

}  // namespace

ProgramRun RunConvert(const Invocation& invocation) {
    const TempFolder capture;
    const fs::path out = capture.Path() / "stdout.txt", err = capture.Path() / "stderr.txt";
    ProgramRun run;
    std::string piped;
    run.status = WaitConvert(Spawn(invocation, out, err, &piped));
    run.outBytes = invocation.outputThroughPipe ? piped : ReadFile(out);
    run.out = SplitLines(run.outBytes);
    run.err = SplitLines(ReadFile(err));
    return run;
}

pid_t StartConvert(const Invocation& invocation, const fs::path& err) { return Spawn(invocation, "/dev/null", err); }

int WaitConvert(pid_t child) {
    int raw = 0;
    // A failed start gives -1, for which waitpid would take any child.
    if (child <= 0 || ::waitpid(child, &raw, 0) != child) return -1;
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

void KillConvert(pid_t child) {
    if (child <= 0) return;  // kill(-1) would signal every process the user may signal
    ::kill(child, SIGKILL);
    WaitConvert(child);
}

}  // namespace brisel::test
