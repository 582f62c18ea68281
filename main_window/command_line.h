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
    std::string unknownOption;       // what made the usage wrong, if an option did
};

// The arguments after the program's name. After "--" every argument is a
// path; before it, one that starts with "-" (other than "-" itself) is an
// option.
StartRequest ParseCommandLine(const std::vector<std::string>& arguments);

// What wrong usage prints (or shows in a message box).
std::string UsageErrorText(const StartRequest& request);

extern const char* const kWindowVersion;

}  // namespace brisel::main_window
