#include "cli/run_conversion.h"

#include <cstdio>
#include <fstream>
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

#include "cli/console_host.h"
#include "cli/details_printer.h"
#include "cli/verify/verify.h"
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

// Reads the target back with a reader that shares nothing with the writer.
// Returns the exit status it calls for: 4 for a discrepancy, 3 when it warned
// under --strict, else 0.
int Verify(const Options& options) {
    verify::Verifier verifier;
    // Until the conversion hands on the bytes it reads, the source is read
    // a second time here.
    std::ifstream source(options.source, std::ios::binary);
    if (!verifier.FeedSource(source)) {
        std::fprintf(stderr, "verify: a read failed while verifying\n");
        return 4;
    }
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
        std::fprintf(stderr, "%s\n", MessageLine(messages::kInvalidFilenamesTitle, messages::kMissingName).c_str());
        return 1;
    }
    const bool terminal = BRISEL_ISATTY(BRISEL_FILENO(stderr)) != 0;
    ConsoleHost host(settings, stdout, stderr, terminal);
    DetailsPrinter details(options.source, options.source, stderr);
    if (options.details) host.SetProblemSink(&details);
    const ConversionResult result = ConvertNetlist(host);
    details.PrintOmitted();
    if (result != ConversionResult::Completed) return 1;
    const int verified = options.verify ? Verify(options) : 0;
    if (verified == 4) return 4;
    return options.strict && host.Warnings() > 0 ? 3 : verified;
}

}  // namespace brisel::cli
