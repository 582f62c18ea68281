#include "cli/run_conversion.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#define BRISEL_ISATTY _isatty
#define BRISEL_FILENO _fileno
#else
#include <unistd.h>
#define BRISEL_ISATTY isatty
#define BRISEL_FILENO fileno
#endif

#include "cli/console_reporter.h"
#include "cli/details_printer.h"
#include "cli/source_tap.h"
#include "cli/verify/verify.h"
#include "convert/convert_netlist.h"
#include "convert/disk_file_system.h"
#include "convert/file_paths.h"
#include "messages/messages.h"

namespace brisel::cli {

namespace {

// A path without any separator names a file in the current folder.
void Split(const std::string& path, std::string& folder, std::string& file) {
    if (!SplitPath(path, folder, file)) {
        folder.clear();
        file = path;
    }
}

// Reads the target back with a reader that shares nothing with the writer.
// Returns the exit status it calls for: 4 for a discrepancy, 3 when it warned
// under --strict, else 0.
// The verifier has been fed the source as the conversion read it.
int Verify(const Options& options, verify::Verifier& verifier) {
    const verify::Report report = verifier.CheckTarget(options.target);
    for (const verify::ImportRisk& risk : report.risks) {
        std::fprintf(stderr, "%s:%lld: warning: %s\n", options.source.c_str(), static_cast<long long>(risk.Line),
                     risk.Text.c_str());
    }
    if (!report.ok) {
        for (const std::string& problem : report.problems) std::fprintf(stderr, "verify: %s\n", problem.c_str());
        return 4;
    }
    std::printf("verified: %lld nets, %lld connections\n", report.nets, report.connections);
    return options.strict && !report.risks.empty() ? 3 : 0;
}

}  // namespace

int RunConversion(const Options& options) {
    JobSettings settings;
    Split(options.source, settings.SourcePath, settings.SourceFile);
    Split(options.target, settings.TargetPath, settings.TargetFile);
    if (settings.SourceFile.empty() || settings.TargetFile.empty()) {
        std::fprintf(stderr, "%s\n", messages::MissingNames().OneLine().c_str());
        return 1;
    }
    settings.WaitForOtherConversion = !options.noWait;
    const bool terminal = BRISEL_ISATTY(BRISEL_FILENO(stderr)) != 0;
    DetailsPrinter details(options.source, stderr);
    ConsoleReporter reporter(settings, stdout, stderr, terminal, options.details ? &details : nullptr);
    verify::Verifier verifier;
    SourceTap tappedDisk(TheDisk(), settings.SourcePath + settings.SourceFile, verifier);
    const Outcome outcome = ConvertNetlist(settings, options.verify ? tappedDisk : TheDisk(), reporter);
    details.PrintOmitted();
    if (outcome.result != ConversionResult::Completed) return 1;
    const int verified = options.verify ? Verify(options, verifier) : 0;
    if (verified == 4) return 4;
    return options.strict && reporter.Warnings() > 0 ? 3 : verified;
}

}  // namespace brisel::cli
