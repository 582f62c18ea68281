#pragma once
// Runs the real brisel-convert binary in a child process, optionally under a
// file-size limit, and collects its exit status and message lines.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/convert/conversion_fixture.h"

namespace brisel::reliability {

using Strings = std::vector<std::string>;

struct Outcome {
    int status = -1;  // the exit status; -1 when a signal ended the process
    Strings out, err;
};

struct Invocation {
    Strings args;
    std::filesystem::path folder;  // the working folder of the child
    long long fileSizeLimit = -1;  // bytes; writes beyond it fail with EFBIG
};

// Runs to the end. Standard output and error go through files outside
// `folder`, so the folder holds only what the conversion left.
Outcome RunConvert(const Invocation& invocation);

// Starts without waiting; standard output and error are discarded.
pid_t StartConvert(const Invocation& invocation);

// Waits for a started run; its exit status, -1 when a signal ended it.
int WaitConvert(pid_t child);

// Runs the conversion in-process, in a child under a file-size limit of
// `bytes`; the host records the messages the child showed.
ConversionResult ConvertInChild(test::RecordingHost& host, long long bytes);

// Kills with SIGKILL and reaps it.
void KillConvert(pid_t child);

}  // namespace brisel::reliability
