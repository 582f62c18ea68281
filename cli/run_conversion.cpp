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

#include "brisel_version.h"
#include "cli/console_reporter.h"
#include "cli/standard_streams.h"
#include "cli/target_readback.h"
#include "convert/convert_netlist.h"
#include "convert/pin_map_file.h"
#include "file_system/disk_file_system.h"
#include "file_system/file_paths.h"
#include "file_system/interruption.h"
#include "messages/details_printer.h"
#include "messages/messages.h"
#include "messages/pin_map_messages.h"
#include "messages/verify_lines.h"
#include "verify/source_tap.h"
#include "verify/verify.h"

namespace brisel::cli {

namespace {

constexpr int kNotVerified = 5;

// A path without any separator names a file in the current folder; "-"
// stands for the standard stream.
void Split(const std::string& path, std::string& folder, std::string& file) {
    if (!SplitPath(path, folder, file)) {
        folder.clear();
        file = path;
    }
}

void PrintLine(std::FILE* stream, const std::string& line) { std::fprintf(stream, "%s\n", line.c_str()); }

// Reads the target back with a reader that shares nothing with the writer.
// Returns the exit status it calls for: 4 for a discrepancy, 5 when the
// target cannot be read back (a pipe or a device), 3 when it warned under
// --strict, else 0. The verifier has been fed the source as the conversion
// read it.
int Verify(const Options& options, const std::string& sourceLabel, verify::Verifier& verifier, std::FILE* out) {
    if (options.target == "-" || !CanBeReadBack(options.target)) {
        const std::string target = options.target == "-" ? messages::kStandardOutput : options.target;
        PrintLine(stderr, messages::NotVerifiedLine(target));
        return kNotVerified;
    }
    const verify::Report report = verifier.CheckTarget(options.target);
    for (const verify::ImportRisk& risk : report.risks) {
        PrintLine(stderr, messages::ImportRiskLine(sourceLabel, risk));
    }
    if (!report.ok) {
        for (const std::string& line : messages::DiscrepancyLines(report)) PrintLine(stderr, line);
        return 4;
    }
    PrintLine(out, messages::VerifiedLine(report.nets, report.connections));
    return options.strict && !report.risks.empty() ? 3 : 0;
}

JobSettings SettingsFor(const Options& options) {
    JobSettings settings;
    settings.AppVersion = version::kAppVersion;
    Split(options.source, settings.SourcePath, settings.SourceFile);
    Split(options.target, settings.TargetPath, settings.TargetFile);
    settings.SourceIsStandardInput = options.source == "-";
    settings.TargetIsStandardOutput = options.target == "-";
    settings.WaitForOtherConversion = !options.noWait;
    return settings;
}

// A map that cannot be read or has a wrong line stops the run before it starts.
bool ReadPinMap(const std::string& path, JobSettings& settings) {
    const PinMapFile file = LoadPinMap(TheDisk(), path);
    if (!file.Read()) {
        PrintLine(stderr, EscapedControls(messages::ForPinMapFile(path, file).OneLine()));
        return false;
    }
    settings.PinMap = file.map;
    return true;
}

// A signal ends the run like any failure, with the status a shell gives a
// program that the signal ended.
Outcome Convert(const JobSettings& settings, FileSystem& files, ConversionReporter& reporter) {
    const StopOnSignals stop;
    return ConvertNetlist(settings, files, reporter);
}

}  // namespace

int RunConversion(const Options& options) {
    JobSettings settings = SettingsFor(options);
    if (settings.SourceFile.empty() || settings.TargetFile.empty()) {
        PrintLine(stderr, messages::MissingNames().OneLine());
        return 1;
    }
    if (!options.pinMap.empty() && !ReadPinMap(options.pinMap, settings)) return 1;
    const bool terminal = BRISEL_ISATTY(BRISEL_FILENO(stderr)) != 0;
    // With the netlist on standard output, the summary goes beside the errors.
    const bool netlistOnOutput = settings.TargetIsStandardOutput || IsStandardOutput(options.target);
    std::FILE* out = netlistOnOutput ? stderr : stdout;
    const std::string sourceLabel = settings.SourceIsStandardInput ? messages::kStandardInput : options.source;
    messages::DetailsPrinter details(sourceLabel, stderr, options.pinMap);
    ConsoleReporter reporter(settings, out, stderr, terminal, options.details ? &details : nullptr);
    verify::Verifier verifier(settings.PinMap.get());
    verify::SourceTap tappedDisk(TheDisk(), settings.SourcePath + settings.SourceFile, verifier);
    const Outcome outcome = Convert(settings, options.verify ? tappedDisk : TheDisk(), reporter);
    details.PrintOmitted();
    if (outcome.failure.operation == Failure::Operation::Interrupted) return 128 + InterruptionSignal();
    if (outcome.result != ConversionResult::Completed) return 1;
    const int verified = options.verify ? Verify(options, sourceLabel, verifier, out) : 0;
    if (verified == 4 || verified == kNotVerified) return verified;
    return options.strict && reporter.Warnings() > 0 ? 3 : verified;
}

}  // namespace brisel::cli
