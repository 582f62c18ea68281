#include "convert/source_checks.h"

#include <array>

#include "convert/name_bytes.h"
#include "convert/netlist_text.h"

namespace brisel {

bool IsSupportedFormat(std::string_view firstLine) {
    // Any version of the modern netlist: "V2.0", "V3.1", "V9.4", "VX.2".
    static constexpr std::array<std::string_view, 3> kPrefixes = {"!PADS-POWERPCB-V", "*PADS2000*", "*PADS-PCB*"};
    for (auto prefix : kPrefixes) {
        if (StartsWithIgnoreCase(firstLine, prefix)) return true;
    }
    return false;
}

NameCheck CheckNameText(std::string_view name) {
    NameCheck check;
    check.tooLong = name.empty() || name.size() > kLongestName;
    for (char c : name) {
        if (IsBadNameByte(static_cast<unsigned char>(c))) {
            check.badCharacter = static_cast<unsigned char>(c);
            break;
        }
    }
    return check;
}

bool IsBadPin(std::string_view pin) {
    bool allZero = true;
    for (char c : pin) {
        if (c < '0' || c > '9') return true;
        if (c != '0') allZero = false;
    }
    return !pin.empty() && allZero;
}

// Out of line, so that the passes inline only the test of a name.
[[gnu::noinline]] void SourceChecks::FindNameProblems(std::string_view name, NameRole role) {
    const NameCheck check = CheckNameText(name);
    if (check.tooLong) findings_.nameTooLong = true;
    if (check.badCharacter >= 0) findings_.badCharacter = true;
    if (sink_ != nullptr && (check.tooLong || check.badCharacter >= 0)) ReportName(check, name, role);
}

void SourceChecks::ReportName(const NameCheck& check, std::string_view name, NameRole role,
                              std::string_view reference) {
    Problem problem = At(name.empty() ? ProblemKind::EmptyName : ProblemKind::LongName, name);
    problem.role = role;
    problem.name = name;
    problem.token = reference;
    if (check.tooLong) Send(problem);
    if (check.badCharacter >= 0) {
        problem.kind = ProblemKind::UnexpectedCharacter;
        problem.byte = static_cast<unsigned char>(check.badCharacter);
        Send(problem);
    }
}

// Splitting at each of several full stops checks every prefix as a part ID
// and every suffix as a pin. The union of those checks is: the shortest and
// the longest prefix for length, the longest prefix for characters, and any
// second full stop for the pin (every suffix but the last holds one). One
// pass over the token finds all of it.
void SourceChecks::CheckReference(std::string_view token, std::size_t lastStop, bool pinMapped) {
    std::size_t firstStop = lastStop;
    bool badCharacter = false;
    for (std::size_t i = 0; i < lastStop; ++i) {
        const char c = token[i];
        if (c == '.' && firstStop == lastStop) firstStop = i;
        badCharacter |= IsBadNameByte(static_cast<unsigned char>(c));
    }
    const bool emptyOrLong = firstStop == 0 || lastStop > kLongestName;
    const bool badPin = !pinMapped && (firstStop != lastStop || IsBadPin(token.substr(lastStop + 1)));
    if (!(emptyOrLong || badCharacter || badPin)) return;
    if (emptyOrLong) findings_.nameTooLong = true;
    if (badCharacter) findings_.badCharacter = true;
    if (badPin) findings_.badPinNumber = true;
    if (sink_ != nullptr) ReportReference(token, firstStop, lastStop, emptyOrLong, badCharacter, badPin);
}

void SourceChecks::ReportReference(std::string_view token, std::size_t firstStop, std::size_t lastStop,
                                   bool emptyOrLong, bool badCharacter, bool badPin) {
    const std::string_view partId = token.substr(0, lastStop);
    if (firstStop == 0) {
        ReportName(NameCheck{true, -1}, token.substr(0, 0), NameRole::PartId, token);
    } else if (emptyOrLong) {
        ReportName(NameCheck{true, -1}, partId, NameRole::PartId, token);
    }
    if (badCharacter) {
        ReportName(NameCheck{false, CheckNameText(partId).badCharacter}, partId, NameRole::PartId, token);
    }
    if (badPin) {
        Problem problem = At(ProblemKind::BadPin, token);
        problem.name = token.substr(0, firstStop);
        problem.pin = token.substr(firstStop + 1);
        Send(problem);
    }
}

// A token without a full stop repeats the reference before it, so the part
// is that reference's.
void SourceChecks::UnknownPart(std::string_view token, std::string_view partId) {
    if (sink_ == nullptr) return;
    Problem problem = At(ProblemKind::UnknownPart, token);
    problem.token = token;
    problem.name = partId;
    Send(problem);
}

void SourceChecks::NothingToRepeat(std::string_view token, std::string_view netName) {
    if (sink_ == nullptr) return;
    Problem problem = At(ProblemKind::NothingToRepeat, token);
    problem.role = NameRole::NetName;
    problem.token = token;
    problem.name = netName;
    Send(problem);
}

void SourceChecks::PinMapped(std::string_view token, std::string_view partId, std::string_view pin,
                             const pin_map::Mapping& mapping) {
    if (sink_ == nullptr) return;
    Problem problem = At(ProblemKind::MappedPin, token);
    problem.mapping = {std::string(pin), std::string(partId), std::string(mapping.number), mapping.line};
    Send(problem);
}

void SourceChecks::Report(ProblemKind kind, std::string_view line) {
    if (sink_ == nullptr) return;
    Problem problem = At(kind, {});
    problem.token = line;
    Send(problem);
}

Problem SourceChecks::At(ProblemKind kind, std::string_view where) const {
    const bool inLine = lineStart_ != nullptr && where.data() != nullptr && where.data() >= lineStart_;
    const auto offset = inLine ? static_cast<std::size_t>(where.data() - lineStart_) : 0;
    Problem problem{};
    problem.kind = kind;
    problem.joinedLine = line_;
    problem.offset = offset;
    return problem;
}

void ReportMissingSections(SourceChecks& checks, const RunFacts& facts) {
    checks.At(0);
    if (!facts.partHeaderSeen) checks.Report(ProblemKind::NoPartSection);
    if (!facts.netHeaderSeen) checks.Report(ProblemKind::NoNetSection);
}

void ReportEndOfRunWarnings(ConversionReporter& reporter, const CheckFindings& findings, const RunFacts& facts) {
    if (!facts.partHeaderSeen) reporter.Warning(RunWarning::NoPartData);
    if (!facts.netHeaderSeen) reporter.Warning(RunWarning::NoNetData);
    if (findings.nameTooLong) reporter.Warning(RunWarning::NameTooLong);
    if (findings.badCharacter) reporter.Warning(RunWarning::BadCharacter);
    if (findings.badPinNumber) reporter.Warning(RunWarning::BadPinNumber);
    if (facts.referencesLeftOut > 0) reporter.Warning(RunWarning::UnknownParts);
}

}  // namespace brisel
