#include "cli/verify/pads_source.h"

#include "cli/verify/text.h"

namespace brisel::verify {
namespace {

constexpr std::size_t kMostRisks = 100;

bool IsLongSignalHeader(std::string_view line) { return StartsWithIgnoreCase(line, "*SIGNAL*"); }

bool IsSignalHeader(std::string_view line) { return IsLongSignalHeader(line) || StartsWithIgnoreCase(line, "*SIG*"); }

std::string_view NetNameOf(std::string_view header) {
    // The long form's name starts at the tenth character, the short form's
    // right after "*SIG*".
    const std::size_t start = IsLongSignalHeader(header) ? 9 : 5;
    return header.size() <= start ? std::string_view() : TrimSpaces(header.substr(start));
}

// The part ID ends at the first space or tab; the name is the rest without
// its outer spaces.
std::string_view PartIdOf(std::string_view partLine) { return partLine.substr(0, partLine.find_first_of(" \t")); }

std::string_view PartNameOf(std::string_view partLine) {
    const auto split = partLine.find_first_of(" \t");
    return split == std::string_view::npos ? std::string_view() : TrimSpaces(partLine.substr(split + 1));
}

}  // namespace

void PadsSourceReader::OnLine(std::string_view line, LineEnd, std::int64_t number) {
    if (ended_) return;
    if (number == 1) layout_.Header();
    if (inSignal_) {
        if (line.empty() || line.front() != '*') {
            AddReferenceLine(line);
            return;
        }
        FinishNet();
    }
    if (TakePartLine(line, number)) return;
    if (StartsWithIgnoreCase(line, "*NET*")) {
        OnNetHeader(number);
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
    if (StartsWithIgnoreCase(line, "*PART*")) {
        OnPartHeader(number);
        return true;
    }
    if (section_ != PartSection::Open) return false;
    if (line.empty() || StartsWithIgnoreCase(line, "*NET*")) {
        section_ = PartSection::Ended;
        return line.empty();
    }
    if (line.front() == '*') return false;
    partIds_.Insert(PartIdOf(line));
    layout_.PartRow(PartIdOf(line), PartNameOf(line));
    return true;
}

void PadsSourceReader::OnPartHeader(std::int64_t number) {
    layout_.PartTitle();
    if (netHeaderSeen_ || !nets_.empty()) {
        Risk(number,
             "the part header comes after net data: its \"Part IDs Table\" stands among the nets in the "
             "new netlist, where ExpressPCB does not expect it");
    } else if (section_ == PartSection::Open) {
        Risk(number,
             "a second part header: the new netlist gets a second \"Part IDs Table\", and its parts are "
             "numbered from 1 again, so ExpressPCB may take them for the parts of the first table");
    } else if (section_ == PartSection::Ended) {
        Risk(number,
             "a part header after the part section has ended: the new netlist gets a second \"Part IDs "
             "Table\" line without parts, which ExpressPCB does not expect");
    }
    // A further header while the section is open restarts the numbering,
    // so earlier part IDs are no longer found.
    if (section_ != PartSection::Ended) {
        section_ = PartSection::Open;
        partIds_.Clear();
    }
}

void PadsSourceReader::OnNetHeader(std::int64_t number) {
    layout_.NetTitle();
    if (netHeaderSeen_) {
        Risk(number,
             "a second \"*NET*\" line: the new netlist gets a second \"Net Names Table\", which ExpressPCB "
             "does not expect");
    }
    netHeaderSeen_ = true;
}

void PadsSourceReader::StartNet(std::string_view header, std::int64_t number) {
    net_ = SourceNet{std::string(NetNameOf(header)), number, {}, 0};
    inSignal_ = true;
    started_ = emptyTail_ = haveReference_ = false;
    if (!netHeaderSeen_ && !netOutsideTableTold_) {
        netOutsideTableTold_ = true;
        Risk(number,
             "the net comes before any \"*NET*\" line: its row stands outside a \"Net Names Table\" in the "
             "new netlist, where ExpressPCB does not expect it");
    }
}

// Every space ends a token, the joining space too, so runs of spaces give
// empty tokens; the last token of a line always ends with it, and only a
// line that ended in a space leaves an empty token for the next line to end.
void PadsSourceReader::AddReferenceLine(std::string_view line) {
    std::size_t start = 0;
    if (started_) {
        if (emptyTail_) AddToken({});
    } else {
        start = line.find_first_not_of(' ');
        if (start == std::string_view::npos) return;
        started_ = true;
    }
    for (auto space = line.find(' ', start); space != std::string_view::npos; space = line.find(' ', start)) {
        AddToken(line.substr(start, space - start));
        start = space + 1;
    }
    emptyTail_ = start == line.size();
    if (!emptyTail_) AddToken(line.substr(start));
}

// A token without a full stop repeats the reference before it.
void PadsSourceReader::AddToken(std::string_view token) {
    const auto stop = token.rfind('.');
    if (stop != std::string_view::npos) {
        const std::string_view partId = token.substr(0, stop);
        const Hasher part = PartHash(partId);
        haveReference_ = true;
        kept_ = partIds_.Contains(partId, part);
        if (kept_) pinHash_ = PinHash(part, token.substr(stop + 1));
    }
    if (haveReference_ && kept_) {
        net_.Pins.Add(pinHash_);
    } else {
        ++net_.LeftOut;
    }
}

void PadsSourceReader::FinishNet() {
    nets_.push_back(std::move(net_));
    inSignal_ = false;
}

void PadsSourceReader::Risk(std::int64_t line, std::string text) {
    if (risks_.size() < kMostRisks) risks_.push_back({line, std::move(text)});
}

}  // namespace brisel::verify
