#pragma once
// The command line of brisel-convert.

#include <string>
#include <vector>

namespace brisel::cli {

struct Options {
    std::string source;
    std::string target;
    bool help = false;
    bool version = false;
    bool details = false;  // a line per problem occurrence
    bool strict = false;   // exit 3 when the conversion warned
    bool verify = false;   // read the target back and check it
    bool noWait = false;   // fail at once when another conversion uses the folder
    std::string pinMap;    // the pin map's path, or empty
    // --pin-map-template: print the template of this source instead of converting.
    std::string templateSource;
    bool makeTemplate = false;
    std::string usageError;  // set when the words are wrong
};

Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kVersion;

}  // namespace brisel::cli
