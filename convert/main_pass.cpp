#include "convert/main_pass.h"

#include "convert/netlist_layout.h"
#include "convert/netlist_text.h"
#include "convert/padded_text.h"
#include "convert/readable_bytes.h"
#include "convert/short_copy.h"

namespace brisel {

// The connection lines go from the reader to the reference scan as they are.
static_assert(LineReader::kAfterLine == ' ' && LineReader::kReadableAfterLine >= kReadableAfterText);

MainPass::MainPass(ConversionReporter& reporter, ProblemSink* problems, std::string appVersion, Progress& progress,
                   const Files& files, const pin_map::PinMap* pinMap)
    : reporter_(reporter),
      appVersion_(std::move(appVersion)),
      progress_(progress),
      joined_(files.joined),
      target_(files.target),
      spool_(files.spool),
      checks_(problems),
      mapper_(pinMap != nullptr ? std::optional<PinMapper>(*pinMap) : std::nullopt),
      parts_(target_, checks_, mapper_ ? &*mapper_ : nullptr),
      nets_(target_, spool_, parts_, checks_, mapper_ ? &*mapper_ : nullptr) {}

void MainPass::Run() {
    std::string_view line;
    if (!joined_.Next(line)) return;
    OnFirstLine(line);
    lineCount_ = CountedLines(line);
}

// Counts the lines in a local, which stays in a register, and returns the
// count when it stops.
std::int64_t MainPass::CountedLines(std::string_view line) {
    std::int64_t lines = 0;
    do {
        ++lines;
        // A signal header, the most common line here, is no part header, net
        // header or end line; only an open part section needs to see it. Its
        // connection line is only references, whatever it begins with.
        if (const std::size_t start = NetNameStart(line)) {
            if (parts_.SectionOpen()) parts_.OnLine(line, lines);
            lines = OnSignal(line, start, lines);
        } else {
            parts_.OnLine(line, lines);
            if (IsNetTableHeader(line)) nets_.OnNetHeader();
            if (IsEndLine(line)) {
                progress_.ShowPercent(lines, lines + nets_.ConnectionCount());
                return lines;
            }
        }
        if (target_.Failed() || spool_.Failed()) return lines;
    } while (joined_.Next(line));
    return lines;
}

void MainPass::OnFirstLine(std::string_view line) {
    if (!IsSupportedFormat(line)) {
        checks_.At(1);
        checks_.Report(ProblemKind::UnsupportedFormat, line);
        reporter_.Warning(RunWarning::UnsupportedFormat);
    }
    WriteHeader(target_, appVersion_);
}

// The connection line follows its header, line `headerLine`, at once. A
// header at the very end has an empty connection line. Returns the number
// of the last line read.
std::int64_t MainPass::OnSignal(std::string_view header, std::size_t netNameStart, std::int64_t headerLine) {
    std::string_view netName = NetNameInLine(header, netNameStart);
    std::string_view connections;
    const bool connectionLine = NextKeepingName(netName, connections);
    if (!connectionLine) connections = {};
    nets_.AddNet(netName, connections, headerLine);
    return headerLine + connectionLine;
}

// The header's line stays where it is while the next line comes from the
// same buffer, and so does the name in it, followed by the line's readable
// bytes; otherwise, and for an empty name, which may stand nowhere, the
// name is kept aside first.
bool MainPass::NextKeepingName(std::string_view& name, std::string_view& line) {
    if (!name.empty() && joined_.NextInBuffer(line)) return true;
    name = KeepNetName(name);
    return joined_.Next(line);
}

// A short name is copied without the work of a string's assignment, into a
// buffer that leaves kReadableAfterText readable bytes from its start, as the
// nets' name check needs.
std::string_view MainPass::KeepNetName(std::string_view name) {
    if (name.size() > shortNetName_.size()) {
        netName_.assign(name);
        return netName_;
    }
    CopyText(shortNetName_.data(), name);
    return {shortNetName_.data(), name.size()};
}

void MainPass::ReportMissingSections() { brisel::ReportMissingSections(checks_, Facts()); }

RunFacts MainPass::Facts() const { return {parts_.HeaderSeen(), nets_.NetHeaderSeen(), nets_.ReferencesLeftOut()}; }

}  // namespace brisel
