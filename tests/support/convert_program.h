#pragma once
// Runs the real brisel-convert in a child process (POSIX), in a folder of the
// test's own, and collects its exit status and the lines of both output
// streams.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brisel::test {

using Strings = std::vector<std::string>;

struct ProgramRun {
    int status = -1;  // the exit status; -1 when a signal ended the process
    Strings out, err;
};

struct Invocation {
    Strings args;
    std::filesystem::path folder;        // the child's working folder
    long long fileSizeLimit = -1;        // bytes; writes beyond it fail with EFBIG
    std::optional<std::string> input{};  // fed to standard input through a pipe
};

// Runs to the end. Standard output and error go through files outside
// `folder`, so the folder holds only what the conversion left.
ProgramRun RunConvert(const Invocation& invocation);

// Starts without waiting; standard output is discarded, standard error goes
// to `err`.
pid_t StartConvert(const Invocation& invocation, const std::filesystem::path& err = "/dev/null");

// Waits for a started run; its exit status, -1 when a signal ended it.
int WaitConvert(pid_t child);

// Kills with SIGKILL and reaps it.
void KillConvert(pid_t child);

}  // namespace brisel::test
