#include "cli/verify/pads_source.h"

#include "cli/verify/text.h"

namespace brisel::verify {
namespace {

bool IsLongSignalHeader(std::string_view line) { return StartsWithIgnoreCase(line, "*SIGNAL*"); }

bool IsSignalHeader(std::string_view line) { return IsLongSignalHeader(line) || StartsWithIgnoreCase(line, "*SIG*"); }

std::string NetNameOf(std::string_view header) {
    // The long form's name starts at the tenth character, the short form's
    // right after "*SIG*".
    const std::size_t start = IsLongSignalHeader(header) ? 9 : 5;
    return header.size() <= start ? std::string() : std::string(TrimSpaces(header.substr(start)));
}

// The part ID ends at the first space or tab.
std::string_view PartIdOf(std::string_view partLine) { return partLine.substr(0, partLine.find_first_of(" \t")); }

}  // namespace

bool PadsSourceReader::NextLine() {
    if (lineHeld_) {
        lineHeld_ = false;
        return true;
    }
    LineEnd end = LineEnd::None;
    return lines_.Next(line_, end);
}

bool PadsSourceReader::TakePartLine() {
    if (StartsWithIgnoreCase(line_, "*PART*")) {
        // A further header while the section is open restarts the numbering,
        // so earlier part IDs are no longer found.
        if (section_ != PartSection::Ended) {
            section_ = PartSection::Open;
            partIds_.clear();
        }
        return true;
    }
    if (section_ != PartSection::Open) {
        return false;
    }
    if (line_.empty() || StartsWithIgnoreCase(line_, "*NET*")) {
        section_ = PartSection::Ended;
        return line_.empty();
    }
    if (line_.front() == '*') {
        return false;
    }
    partIds_.insert(FoldCase(PartIdOf(line_)));
    return true;
}

bool PadsSourceReader::NextNet(SourceNet& net) {
    while (!ended_ && NextLine()) {
        if (TakePartLine()) {
            continue;
        }
        if (IsSignalHeader(line_)) {
            ReadSignal(net);
            return true;
        }
        ended_ = StartsWithIgnoreCase(line_, "*END*");
    }
    return false;
}

void PadsSourceReader::ReadSignal(SourceNet& net) {
    net.Name = NetNameOf(line_);
    net.HeaderLine = lines_.LineNumber();
    net.Pins.clear();
    net.LeftOut = 0;
    // References run over the following lines up to the next "*" line; joined
    // with single spaces, without the spaces at the very start.
    std::string joined;
    LineEnd end = LineEnd::None;
    while (lines_.Next(line_, end)) {
        if (!line_.empty() && line_.front() == '*') {
            lineHeld_ = true;
            break;
        }
        joined += ' ';
        joined += line_;
        joined.erase(0, joined.find_first_not_of(' '));
    }
    AddReferences(joined, net);
}

void PadsSourceReader::AddReferences(const std::string& text, SourceNet& net) const {
    // Every space ends a token, so runs of spaces give empty tokens; a token
    // without a full stop repeats the reference before it.
    bool haveReference = false;
    std::string partId;
    std::string pin;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool isSpace = text[i] == ' ';
        if (!isSpace && i + 1 < text.size()) {
            continue;
        }
        const std::string_view token = std::string_view(text).substr(start, isSpace ? i - start : i + 1 - start);
        start = i + 1;
        const auto stop = token.rfind('.');
        if (stop != std::string_view::npos) {
            partId = token.substr(0, stop);
            pin = token.substr(stop + 1);
            haveReference = true;
        }
        if (haveReference && partIds_.contains(FoldCase(partId))) {
            net.Pins.push_back({partId, pin});
        } else {
            ++net.LeftOut;
        }
    }
}

}  // namespace brisel::verify
