#pragma once
// What the target format accepts, checked on everything the conversion reads.
// Checks never change what is written; they note what they found, and the
// end-of-run warnings tell the user.

#include <cstdint>
#include <string_view>

#include "convert/conversion_report.h"
#include "convert/name_bytes.h"
#include "convert/padded_text.h"
#include "convert/problems.h"
#include "pin_map/pin_map.h"

namespace brisel {

// True when the first line names a supported PADS netlist format.
bool IsSupportedFormat(std::string_view firstLine);

struct NameCheck {
    bool tooLong = false;   // empty, or longer than kLongestName
    int badCharacter = -1;  // the first byte outside space..tilde or a double quote, or -1
};
NameCheck CheckNameText(std::string_view name);

// A pin must be digits only and not zero; an empty pin passes.
bool IsBadPin(std::string_view pin);

// Which kinds of name and pin problems a conversion met.
struct CheckFindings {
    bool nameTooLong = false;
    bool badCharacter = false;
    bool badPinNumber = false;
};

// Notes the findings of the checks of part IDs, part names, net names and
// pins, and tells a problem sink, if there is one, of every occurrence.
class SourceChecks {
public:
    explicit SourceChecks(ProblemSink* sink) : sink_(sink) {}

    // The line of the joined copy that the texts checked next come from; a
    // problem's place in it is found from the text's own position, only when
    // there is a problem to report.
    void At(std::int64_t joinedLine, std::string_view line = {}) {
        line_ = joinedLine;
        lineStart_ = line.data();
    }

    // `role` says what the name names, for the problem report. Inline for
    // the usual name, which has nothing to report.
    void CheckName(std::string_view name, NameRole role) {
        if (name.empty() || name.size() > kLongestName || HasBadNameByte(name)) FindNameProblems(name, role);
    }
    // The same for a name with kReadableAfterText readable bytes from its
    // start at least, as a name inside a line that the reader returned has.
    void CheckNameInLine(std::string_view name, NameRole role) {
        if (name.empty() || name.size() > kLongestName || HasBadNameBytePadded(name)) FindNameProblems(name, role);
    }
    // A pin reference whose last full stop stands at `lastStop`, checked as
    // if split at each of its full stops: the part ID before and the pin
    // after, unless the pin map gave the pin a number.
    void CheckReference(std::string_view token, std::size_t lastStop, bool pinMapped = false);
    // The pin map gave the reference's pin a number.
    void PinMapped(std::string_view token, std::string_view partId, std::string_view pin,
                   const pin_map::Mapping& mapping);

    // References the nets leave out.
    void UnknownPart(std::string_view token, std::string_view partId);
    void NothingToRepeat(std::string_view token, std::string_view netName);
    // A problem of the current line as a whole (the first line's format,
    // whose text is `line`) or of the whole file.
    void Report(ProblemKind kind, std::string_view line = {});

    const CheckFindings& Findings() const { return findings_; }

private:
    // A problem of `kind` where the text `where` stands.
    Problem At(ProblemKind kind, std::string_view where) const;
    void FindNameProblems(std::string_view name, NameRole role);
    // `reference` is the pin reference whose part ID the name is, if it is one.
    void ReportName(const NameCheck& check, std::string_view name, NameRole role, std::string_view reference = {});
    void Send(const Problem& problem) { sink_->Report(problem); }
    void ReportReference(std::string_view token, std::size_t firstStop, std::size_t lastStop, bool emptyOrLong,
                         bool badCharacter, bool badPin);

    CheckFindings findings_;
    ProblemSink* sink_;
    std::int64_t line_ = 0;
    const char* lineStart_ = nullptr;
};

// What the end-of-run warnings look at, besides the check findings.
struct RunFacts {
    bool partHeaderSeen = false;
    bool netHeaderSeen = false;
    std::int64_t referencesLeftOut = 0;
};

// The missing sections, as problems of the whole file.
void ReportMissingSections(SourceChecks& checks, const RunFacts& facts);
void ReportEndOfRunWarnings(ConversionReporter& reporter, const CheckFindings& findings, const RunFacts& facts);

}  // namespace brisel
