#include "main_window/command_line.h"

namespace brisel::main_window {

const char* const kWindowUsage =
    "Usage: brisel [SOURCE [TARGET]]\n"
    "Opens the Brisel window with SOURCE (a PADS netlist) and TARGET (the\n"
    "ExpressPCB netlist to write) in its boxes.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n";
const char* const kWindowVersion = "brisel 1.02";

StartRequest ParseCommandLine(const std::vector<std::string>& arguments) {
    StartRequest request;
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") return {StartRequest::ShowHelp, {}};
        if (argument == "-V" || argument == "--version") return {StartRequest::ShowVersion, {}};
        request.paths.push_back(argument);
    }
    if (request.paths.size() > 2) return {StartRequest::WrongUsage, {}};
    return request;
}

}  // namespace brisel::main_window
