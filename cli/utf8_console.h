#pragma once
// brisel-convert works in UTF-8 on every system. On Windows it reads its
// arguments as UTF-8 whatever the process code page, and a console shows its
// messages in UTF-8 while it runs; output to a file or a pipe is the program's
// bytes unchanged.

#include <string>
#include <vector>

namespace brisel::cli {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

#ifdef _WIN32
// The words of a Windows command line, in UTF-8, the program's name first.
std::vector<std::string> Utf8CommandLine(const wchar_t* commandLine);
#endif

// Sets the console's output code page to UTF-8 for its lifetime, and back to
// what it was at its end or when Ctrl+C ends the program.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;
};

}  // namespace brisel::cli
