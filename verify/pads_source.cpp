#include "verify/pads_source.h"

#include <algorithm>

#include "verify/text.h"

namespace brisel::verify {
namespace {

constexpr std::size_t kMostRisks = 100;

constexpr std::string_view kBlanks = " \t";

bool IsLongSignalHeader(std::string_view line) { return StartsWithIgnoreCase(line, "*SIGNAL*"); }

bool IsSignalHeader(std::string_view line) { return IsLongSignalHeader(line) || StartsWithIgnoreCase(line, "*SIG*"); }

// "*NET*", and "*CONNECTION*" in the modern netlists.
bool IsNetHeader(std::string_view line) {
    return StartsWithIgnoreCase(line, "*NET*") || StartsWithIgnoreCase(line, "*CONNECTION*");
}

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(kBlanks) == std::string_view::npos; }

bool IsKeywordCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

// "*", a keyword of letters, digits, "_" and "-", "*", then nothing, a space
// or a tab: the keyword line of a section, as "*MISC*" or "*SIGNAL* A".
bool IsSectionKeyword(std::string_view line) {
    if (line.size() < 3 || line[0] != '*') return false;
    const auto close = line.find('*', 1);
    if (close == std::string_view::npos || close == 1) return false;
    for (std::size_t i = 1; i < close; ++i) {
        if (!IsKeywordCharacter(line[i])) return false;
    }
    return close + 1 == line.size() || kBlanks.find(line[close + 1]) != std::string_view::npos;
}

// A blank line, a net header or the keyword line of another section; a
// remark leaves the section open.
bool EndsPartSection(std::string_view line) {
    if (IsBlankLine(line) || IsNetHeader(line)) return true;
    return IsSectionKeyword(line) && !StartsWithIgnoreCase(line, "*REMARK*");
}

std::string_view NetNameOf(std::string_view header) {
    // The long form's name starts at the tenth character, the short form's
    // right after "*SIG*".
    const std::size_t start = IsLongSignalHeader(header) ? 9 : 5;
    return header.size() <= start ? std::string_view() : TrimSpaces(header.substr(start));
}

// The part ID starts at the first character that is no space or tab and
// ends at the next space or tab; the name is the rest without its outer
// spaces.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Unindented(std::string_view partLine) {
    std::size_t start = 0;
    while (start < partLine.size() && IsBlank(partLine[start])) ++start;
    return partLine.substr(start);
}

// Where the part ID of an unindented line ends.
std::size_t IdEnd(std::string_view line) {
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    return end;
}

std::string_view PartIdOf(std::string_view partLine) {
    const std::string_view line = Unindented(partLine);
    return line.substr(0, IdEnd(line));
}

std::string_view PartNameOf(std::string_view partLine) {
    const std::string_view line = Unindented(partLine);
    const std::size_t split = IdEnd(line);
    return split == line.size() ? std::string_view() : TrimSpaces(line.substr(split + 1));
}

}  // namespace

void PadsSourceReader::OnLine(std::string_view line, LineEnd, std::int64_t number) {
    if (ended_) return;
    if (number == 1) layout_.Header();
    const bool keyword = !line.empty() && line.front() == '*';
    if (inSignal_) {
        if (!keyword) {
            AddReferenceLine(line);
            return;
        }
        FinishNet();
    }
    if (TakePartLine(line, number) || !keyword) return;
    if (IsNetHeader(line)) {
        OnNetHeader(line, number);
    } else if (IsSignalHeader(line)) {
        StartNet(line, number);
    } else {
        ended_ = StartsWithIgnoreCase(line, "*END*");
    }
}

void PadsSourceReader::Finish() {
    lines_.Finish();
    if (inSignal_) FinishNet();
    ended_ = true;
}

bool PadsSourceReader::TakePartLine(std::string_view line, std::int64_t number) {
    if (section_ != PartSection::Open && (line.empty() || line.front() != '*')) return false;
    if (StartsWithIgnoreCase(line, "*PART*")) {
        OnPartHeader(number);
        return true;
    }
    if (section_ != PartSection::Open) return false;
    if (EndsPartSection(line)) {
        section_ = PartSection::Ended;
        return IsBlankLine(line);
    }
    if (line.front() == '*') return false;
    partIds_.Insert(PartIdOf(line));
    layout_.PartRow(PartIdOf(line), PartNameOf(line));
    if (pinMap_ != nullptr) partRules_[FoldCase(PartIdOf(line))] = pinMap_->RulesFor(PartIdOf(line), PartNameOf(line));
    return true;
}

void PadsSourceReader::OnPartHeader(std::int64_t number) {
    layout_.PartTitle();
    if (netHeaderSeen_ || !nets_.empty()) {
        Risk(number, ImportRiskKind::PartHeaderAfterNets);
    } else if (section_ == PartSection::Open) {
        Risk(number, ImportRiskKind::SecondPartHeader);
    } else if (section_ == PartSection::Ended) {
        Risk(number, ImportRiskKind::PartHeaderAfterSection);
    }
    // A further header while the section is open restarts the numbering,
    // so earlier part IDs are no longer found.
    if (section_ != PartSection::Ended) {
        section_ = PartSection::Open;
        partIds_.Clear();
        partRules_.clear();
    }
}

void PadsSourceReader::OnNetHeader(std::string_view line, std::int64_t number) {
    layout_.NetTitle();
    if (netHeaderSeen_ && StartsWithIgnoreCase(line, "*NET*")) {
        Risk(number, ImportRiskKind::SecondNetHeader);
    } else if (netHeaderSeen_) {
        Risk(number, ImportRiskKind::SecondConnectionHeader);
    }
    netHeaderSeen_ = true;
}

void PadsSourceReader::StartNet(std::string_view header, std::int64_t number) {
    netNames_.Add(NetNameOf(header));
    net_ = SourceNet{number, {}, 0};
    inSignal_ = true;
    haveReference_ = false;
    if (!netHeaderSeen_ && !netOutsideTableTold_) {
        netOutsideTableTold_ = true;
        Risk(number, ImportRiskKind::NetBeforeNetHeader);
    }
}

// Spaces and tabs separate the references, a run of them once, within a
// line and between lines alike.
void PadsSourceReader::AddReferenceLine(std::string_view line) {
    const char* at = line.data();
    const char* end = at + line.size();
    for (;;) {
        while (at < end && IsBlank(*at)) ++at;
        if (at == end) return;
        const char* start = at;
        while (at < end && !IsBlank(*at)) ++at;
        AddToken(std::string_view(start, static_cast<std::size_t>(at - start)));
    }
}

// A token without a full stop repeats the reference before it, and a pin the
// net has had already counts once.
void PadsSourceReader::AddToken(std::string_view token) {
    const auto stop = token.rfind('.');
    if (stop != std::string_view::npos) {
        const std::string_view partId(token.data(), stop);
        const std::uint64_t part = PartHash(partId);
        haveReference_ = true;
        kept_ = partIds_.Contains(partId, part);
        if (kept_) {
            const std::string_view written = MappedPin(partId, token.substr(stop + 1));
            const std::uint64_t pin = PinHash(part, written);
            if (netPins_.Insert(pin)) net_.pins.Add(pin);
        }
    }
    if (!haveReference_ || !kept_) ++net_.leftOut;
}

// The pin as the target has it: the number a pin map gives it, or itself.
std::string_view PadsSourceReader::MappedPin(std::string_view partId, std::string_view pin) const {
    if (pinMap_ == nullptr) return pin;
    const auto rules = partRules_.find(FoldCase(partId));
    if (rules == partRules_.end()) return pin;
    const auto mapping = pin_map::PinMap::Map(rules->second, pin);
    return mapping ? mapping->number : pin;
}

void PadsSourceReader::FinishNet() {
    nets_.push_back(std::move(net_));
    netPins_.Clear();
    inSignal_ = false;
}

void PadsSourceReader::Risk(std::int64_t line, ImportRiskKind kind) {
    if (risks_.size() < kMostRisks) risks_.push_back({line, kind});
}

}  // namespace brisel::verify
