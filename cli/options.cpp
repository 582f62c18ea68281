#include "cli/options.h"

#include <optional>

#include "brisel_version.h"
#include "messages/command_line_texts.h"

namespace brisel::cli {

const char* const kVersion = "brisel-convert " BRISEL_APP_VERSION;

namespace {

// The value of an option that takes one, "--pin-map FILE" or
// "--pin-map=FILE", when args[i] is that option; i moves past the value.
std::optional<std::string> ValueOf(const std::string& name, const std::vector<std::string>& args, std::size_t& i) {
    const std::string& arg = args[i];
    if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
    if (arg != name) return std::nullopt;
    return i + 1 < args.size() ? args[++i] : std::string();
}

// Returns false when args[i] is no option that takes a value.
bool TakeValueOption(const std::vector<std::string>& args, std::size_t& i, Options& options) {
    const std::string arg = args[i];
    std::optional<std::string> value;
    if ((value = ValueOf("--pin-map", args, i))) {
        options.pinMap = *value;
    } else if ((value = ValueOf("--pin-map-template", args, i))) {
        options.templateSource = *value;
        options.makeTemplate = true;
    } else {
        return false;
    }
    if (value->empty()) options.usageError = messages::OptionNeedsFile(arg.substr(0, arg.find('=')));
    return true;
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> operands;
    bool onlyOperands = false;
    for (std::size_t i = 0; i < args.size() && options.usageError.empty(); ++i) {
        const std::string& arg = args[i];
        if (onlyOperands || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
        } else if (arg == "--") {
            onlyOperands = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "-V" || arg == "--version") {
            options.version = true;
        } else if (arg == "--details") {
            options.details = true;
        } else if (arg == "--strict") {
            options.strict = true;
        } else if (arg == "--verify") {
            options.verify = true;
        } else if (arg == "--no-wait") {
            options.noWait = true;
        } else if (!TakeValueOption(args, i, options)) {
            options.usageError = messages::UnknownOption(arg);
        }
    }
    if (!options.usageError.empty() || options.help || options.version) return options;
    if (options.makeTemplate) {
        if (!operands.empty()) options.usageError = messages::kTemplateTakesSourceOnly;
        return options;
    }
    if (operands.size() != 2) {
        options.usageError = operands.size() < 2 ? messages::kSourceAndTargetRequired : messages::kTooManyOperands;
        return options;
    }
    options.source = operands[0];
    options.target = operands[1];
    return options;
}

}  // namespace brisel::cli
