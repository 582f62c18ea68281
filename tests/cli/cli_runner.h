#pragma once
// Runs the real brisel-convert in a folder of the test's own and catches
// its exit status and the lines of both output streams.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::test {

struct Outcome {
    int status = -1;
    std::vector<std::string> out, err;
};

// `args` are shell words; relative paths are relative to `folder`. The
// output files are removed again, so the folder holds what the program left.
// A `feeder` command, when given, writes the program's standard input
// through a pipe.
inline Outcome RunConvert(const std::filesystem::path& folder, const std::string& args,
                          const std::string& feeder = "") {
    const auto outFile = folder / ".stdout", errFile = folder / ".stderr";
    const std::string command = "cd '" + folder.string() + "' && " + (feeder.empty() ? "" : feeder + " | ") + "'" +
                                BRISEL_CONVERT_EXE "' " + args + " >'" + outFile.string() + "' 2>'" + errFile.string() +
                                "'";
    Outcome run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = SplitLines(ReadFile(outFile));
    run.err = SplitLines(ReadFile(errFile));
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return run;
}

inline std::string TestData(const std::string& name) {
    return ReadFile(std::filesystem::path(BRISEL_TEST_DATA_DIR) / name);
}

}  // namespace brisel::test
