// Whole conversions of arbitrary bytes, on files held in memory. Beyond not
// crashing, every run must complete, remove both temporary files, leave its
// source as it was, and write a target of CR LF lines whose connection table
// holds as many rows as the outcome counts.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "brisel_version.h"
#include "convert/convert_netlist.h"
#include "convert/memory_file_system.h"

namespace {

class QuietReporter : public brisel::ConversionReporter {
public:
    void Progress(const brisel::ProgressStep&) override {}
    void Warning(brisel::RunWarning) override {}
    void Finished(const brisel::Outcome&) override {}
};

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "Broken: %s\n", what);
    std::abort();
}

// Every line ends in CR LF and holds no other CR or LF.
bool AllLinesEndInCrLf(std::string_view target) {
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (target[i] == '\r' && (i + 1 == target.size() || target[++i] != '\n')) return false;
        if (target[i] == '\n' && target[i - 1] != '\r') return false;
    }
    return target.empty() || target.back() == '\n';
}

// Rows after the last "Net Connections Table" line: a connection row never
// looks like it, a net row may.
long long ConnectionRows(const std::string& target) {
    const std::string header = "\r\n\"Net Connections Table\"\r\n";
    const auto table = target.rfind(header);
    Require(table != std::string::npos, "the connection table follows an empty line");
    long long rows = 0;
    for (auto at = table + header.size(); (at = target.find("\r\n", at)) != std::string::npos; at += 2) ++rows;
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string source(reinterpret_cast<const char*>(data), size);
    brisel::MemoryFileSystem files;
    files.Put("source.net", source);
    brisel::JobSettings settings;
    settings.AppVersion = brisel::version::kAppVersion;
    settings.SourceFile = "source.net";
    settings.TargetFile = "target.net";

    QuietReporter reporter;
    const brisel::Outcome outcome = brisel::ConvertNetlist(settings, files, reporter);
    Require(outcome.result == brisel::ConversionResult::Completed, "the conversion completes");
    Require(files.Paths() == std::vector<std::string>{"source.net", "target.net"}, "both temporary files are removed");
    Require(files.Bytes("source.net") == source, "the source is unchanged");
    const std::string target = files.Bytes("target.net");
    Require(AllLinesEndInCrLf(target), "every line of the target ends in CR LF");
    Require(ConnectionRows(target) == outcome.counts.connections, "the outcome counts the rows written");
    return 0;
}
