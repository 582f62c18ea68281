#include "cli/run_conversion.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define BRISEL_ISATTY _isatty
#define BRISEL_FILENO _fileno
#else
#include <unistd.h>
#define BRISEL_ISATTY isatty
#define BRISEL_FILENO fileno
#endif

#include "cli/console_host.h"
#include "convert/convert_netlist.h"
#include "convert/file_paths.h"
#include "convert/messages.h"

namespace brisel::cli {

namespace {

// A path without any separator names a file in the current folder.
void Split(const std::string& path, std::string& folder, std::string& file) {
    if (!SplitPath(path, folder, file)) {
        folder.clear();
        file = path;
    }
}

}  // namespace

int RunConversion(const Options& options) {
    JobSettings settings;
    Split(options.source, settings.SourcePath, settings.SourceFile);
    Split(options.target, settings.TargetPath, settings.TargetFile);
    if (settings.SourceFile.empty() || settings.TargetFile.empty()) {
        std::fprintf(stderr, "%s\n",
                     MessageLine(messages::kInvalidFilenamesTitle, messages::kMissingName).c_str());
        return 1;
    }
    const bool terminal = BRISEL_ISATTY(BRISEL_FILENO(stderr)) != 0;
    ConsoleHost host(settings, stdout, stderr, terminal);
    return ConvertNetlist(host) == ConversionResult::Completed ? 0 : 1;
}

}  // namespace brisel::cli
