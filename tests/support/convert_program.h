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
    std::string outBytes;  // standard output as it came
};

struct Invocation {
    Strings args;
    std::filesystem::path folder;        // the child's working folder
    long long fileSizeLimit = -1;        // bytes; SIGXFSZ as the shell leaves it (ending the program)
    std::optional<std::string> input{};  // fed to standard input through a pipe
    long long memoryLimit = -1;          // bytes of address space
    bool closedStandardStreams = false;  // started with standard input, output and error closed
    bool outputThroughPipe = false;      // standard output is a pipe, read by the test
    std::filesystem::path output{};      // standard output goes there (/dev/full) instead of being read
    unsigned timeLimit = 120;            // seconds; then SIGALRM ends the program, so that a hang fails
    Strings environment{};               // "NAME=value" set for the program
    int user = -1;                       // the user the program runs as, when the test runs as root
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
