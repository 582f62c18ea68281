// brisel-convert: converts one PADS netlist into an ExpressPCB netlist, as
// the window's OK button does.

#include <cstdio>

#include "cli/options.h"
#include "cli/print_template.h"
#include "cli/run_conversion.h"
#include "cli/standard_streams.h"
#include "cli/utf8_console.h"
#include "messages/command_line_texts.h"

namespace {

// Output that could not be written is an error, whatever went before.
int Ended(int status) { return brisel::cli::StandardOutputWritten() || status > 128 ? status : 1; }

}  // namespace

int main(int argc, char** argv) {
    using namespace brisel::cli;
    OpenClosedStandardStreams();
    const Utf8Console console;
    const Options options = ParseOptions(Utf8Arguments(argc, argv));
    if (!options.usageError.empty()) {
        std::fputs(brisel::messages::UsageErrorLines("brisel-convert", options.usageError).c_str(), stderr);
        return 2;
    }
    if (options.help) {
        std::fputs(brisel::messages::kConvertUsage, stdout);
        return Ended(0);
    }
    if (options.version) {
        std::printf("%s\n", kVersion);
        return Ended(0);
    }
    if (options.makeTemplate) return Ended(PrintPinMapTemplate(options.templateSource));
    return Ended(RunConversion(options));
}
