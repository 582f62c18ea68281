#pragma once
// The window program's command line: brisel [SOURCE [TARGET]], --help and
// --version.

#include <string>
#include <vector>

namespace brisel::main_window {

struct StartRequest {
    enum Kind { Run, ShowHelp, ShowVersion, WrongUsage };
    Kind kind = Run;
    std::vector<std::string> paths;  // the source, then the target
};

// The arguments after the program's name.
StartRequest ParseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kWindowUsage;
extern const char* const kWindowVersion;

}  // namespace brisel::main_window
