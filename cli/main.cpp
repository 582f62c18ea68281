// brisel-convert: converts one PADS netlist into an ExpressPCB netlist, as
// the window's OK button does.

#include <cstdio>

#include "cli/options.h"
#include "cli/run_conversion.h"
#include "cli/utf8_console.h"

int main(int argc, char** argv) {
    using namespace brisel::cli;
    const Utf8Console console;
    const Options options = ParseOptions(Utf8Arguments(argc, argv));
    if (!options.usageError.empty()) {
        std::fprintf(stderr, "brisel-convert: %s\n%s\n", options.usageError.c_str(), kTryHelp);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s\n", kVersion);
        return 0;
    }
    return RunConversion(options);
}
