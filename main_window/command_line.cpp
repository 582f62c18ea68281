#include "main_window/command_line.h"

#include "brisel_version.h"
#include "messages/command_line_texts.h"

namespace brisel::main_window {

const char* const kWindowVersion = "brisel " BRISEL_APP_VERSION;

namespace {

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

}  // namespace

// --help and --version win wherever they stand, as they do after a path too
// many; otherwise the first unknown option is the one reported.
StartRequest ParseCommandLine(const std::vector<std::string>& arguments) {
    StartRequest request;
    bool onlyPaths = false;
    for (const std::string& argument : arguments) {
        if (onlyPaths || !IsOption(argument)) {
            request.paths.push_back(argument);
        } else if (argument == "--") {
            onlyPaths = true;
        } else if (argument == "-h" || argument == "--help") {
            return {StartRequest::ShowHelp, {}, {}};
        } else if (argument == "-V" || argument == "--version") {
            return {StartRequest::ShowVersion, {}, {}};
        } else if (request.unknownOption.empty()) {
            request.unknownOption = argument;
        }
    }
    if (!request.unknownOption.empty()) return {StartRequest::WrongUsage, {}, request.unknownOption};
    if (request.paths.size() > 2) return {StartRequest::WrongUsage, {}, {}};
    return request;
}

// One line that says what is wrong, as brisel-convert words it.
std::string UsageErrorText(const StartRequest& request) {
    const std::string wrong = request.unknownOption.empty() ? std::string(messages::kTooManyOperands)
                                                            : messages::UnknownOption(request.unknownOption);
    return messages::UsageErrorLines("brisel", wrong);
}

}  // namespace brisel::main_window
