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

// In the child: never returns.
[[noreturn]] void Exec(const Invocation& invocation, const Pipe& input, const fs::path& out, const fs::path& err) {
    if (::chdir(invocation.folder.c_str()) != 0) ::_exit(126);
    if (input.read >= 0 && ::dup2(input.read, STDIN_FILENO) < 0) ::_exit(126);
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

pid_t Spawn(const Invocation& invocation, const fs::path& out, const fs::path& err) {
    Pipe input;
    if (invocation.input) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return -1;
        input = {ends[0], ends[1]};
    }
    const pid_t child = ::fork();
    if (child == 0) Exec(invocation, input, out, err);
    if (invocation.input) Feed(input, *invocation.input);
    return child;
}

}  // namespace

ProgramRun RunConvert(const Invocation& invocation) {
    const TempFolder capture;
    const fs::path out = capture.Path() / "stdout.txt", err = capture.Path() / "stderr.txt";
    ProgramRun run;
    run.status = WaitConvert(Spawn(invocation, out, err));
    run.out = SplitLines(ReadFile(out));
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
