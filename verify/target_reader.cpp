#include "verify/target_reader.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace brisel::verify {
namespace {

constexpr std::string_view kPartTitle = "\"Part IDs Table\"";
constexpr std::string_view kNetTitle = "\"Net Names Table\"";
constexpr std::string_view kConnectionTitle = "\"Net Connections Table\"";
constexpr std::string_view kBannerStart = "\"Brisel v";

// The fixed header lines; an empty entry stands for the banner line.
constexpr std::array<std::string_view, 8> kHeader = {
    "\"ExpressPCB Netlist\"", "", "1", "0", "0", "\"\"", "\"\"", "\"\""};

// A decimal number without sign, spaces or leading zeros.
std::optional<std::int64_t> ParseNumber(std::string_view text) {
    if (text.empty() || text.size() > 18 || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsBanner(std::string_view line) {
    return line.size() > kBannerStart.size() && line.starts_with(kBannerStart) && line.back() == '"' &&
           line.find('"', kBannerStart.size()) == line.size() - 1;
}

struct PartRow {
    std::string_view id;
    std::string_view name;
};

// "ID" "NAME" "": the ID holds no space, so the first space ends it.
std::optional<PartRow> ParsePartRow(std::string_view line) {
    constexpr std::string_view tail = "\" \"\"";
    const auto space = line.find(' ');
    if (space == std::string_view::npos || space < 2 || line[0] != '"' || line[space - 1] != '"' ||
        !line.ends_with(tail) || line.size() < space + 2 + tail.size() || line[space + 1] != '"') {
        return std::nullopt;
    }
    const auto nameStart = space + 2;
    return PartRow{line.substr(1, space - 2), line.substr(nameStart, line.size() - tail.size() - nameStart)};
}

struct NetRow {
    std::string_view name;
    std::int64_t firstConnection = 0;
};

// "NAME" FIRST: the name may hold spaces, so the last space ends it.
std::optional<NetRow> ParseNetRow(std::string_view line) {
    const auto space = line.rfind(' ');
    if (space == std::string_view::npos || space < 2 || line[0] != '"' || line[space - 1] != '"') {
        return std::nullopt;
    }
    const auto first = ParseNumber(line.substr(space + 1));
    if (!first) {
        return std::nullopt;
    }
    return NetRow{line.substr(1, space - 2), *first};
}

// Reads a connection row's fields from left to right: a row is read a
// million times for a large board.
class RowCursor {
public:
    explicit RowCursor(std::string_view line) : at_(line.data()), end_(line.data() + line.size()) {}

    // A number as ParseNumber takes it, then a space (or the row's end).
    bool Number(std::int64_t& value, bool last) {
        const char* start = at_;
        value = 0;
        for (unsigned digit; at_ < end_ && (digit = static_cast<unsigned char>(*at_) - '0') <= 9; ++at_) {
            value = value * 10 + digit;
        }
        const auto digits = at_ - start;
        if (digits == 0 || digits > 18 || (digits > 1 && *start == '0')) return false;
        return last ? at_ == end_ : Space();
    }
    // The text up to the next space, and the space.
    bool Field(std::string_view& text) {
        const char* start = at_;
        while (at_ < end_ && *at_ != ' ') ++at_;
        text = std::string_view(start, static_cast<std::size_t>(at_ - start));
        return Space();
    }

private:
    bool Space() { return at_ < end_ && *at_++ == ' '; }

    const char* at_;
    const char* end_;
};

// NET PART PIN NEXT, single spaces; the pin may be empty.
std::optional<TargetConnection> ParseConnectionRow(std::string_view line) {
    TargetConnection row;
    RowCursor cursor(line);
    if (cursor.Number(row.net, false) && cursor.Number(row.part, false) && cursor.Field(row.pin) &&
        cursor.Number(row.next, true)) {
        return row;
    }
    return std::nullopt;
}

}  // namespace

void TargetReader::OnLine(std::string_view line, LineEnd end, std::int64_t number) {
    if (!intact_) return;
    NoteLineEnd(end, number);
    intact_ = Feed(line, number);
}

void TargetReader::NoteLineEnd(LineEnd end, std::int64_t number) {
    if (end != LineEnd::CrLf && badEnds_++ == 0) {
        firstBadEnd_.line = number;
        firstBadEnd_.lineEnd = end;
    }
}

bool TargetReader::Finish() {
    lines_.Finish();
    if (badEnds_ > 0) {
        firstBadEnd_.found = badEnds_ - 1;
        discrepancies_.Add(firstBadEnd_);
    }
    if (!intact_) return false;
    if (stage_ == Stage::ConnectionRows) return true;
    discrepancies_.Add(
        {.kind = DiscrepancyKind::EndsEarly, .line = lines_.Lines(), .expectedText = std::string(kConnectionTitle)});
    return false;
}

bool TargetReader::Fail(Discrepancy discrepancy, std::int64_t number, std::string_view line) {
    discrepancy.line = number;
    discrepancy.text = std::string(line);
    discrepancies_.Add(std::move(discrepancy));
    return false;
}

Discrepancy TargetReader::Expected() const {
    using enum DiscrepancyKind;
    switch (stage_) {
        case Stage::AfterHeader:
            return {.kind = NotTheFixedLine, .expectedText = std::string(kPartTitle)};
        case Stage::PartRows:
            return {.kind = NotAPartRow};
        case Stage::NetRows:
            return {.kind = NotANetRow};
        case Stage::NoHeader:
        case Stage::AfterEmptyLine:
            return {
                .kind = NotTheFixedLine,
                .expectedText = std::string(netTitleSeen_ || stage_ == Stage::NoHeader ? kConnectionTitle : kNetTitle)};
        case Stage::Header:
        case Stage::ConnectionRows:
            break;
    }
    return {.kind = NotAConnectionRow};
}

bool TargetReader::Feed(std::string_view line, std::int64_t number) {
    switch (stage_) {
        case Stage::Header:
            return FeedHeader(line, number);
        case Stage::NoHeader:
        case Stage::AfterEmptyLine:
            if (line == kConnectionTitle) {
                stage_ = Stage::ConnectionRows;
                return true;
            }
            if (line == kNetTitle && stage_ == Stage::AfterEmptyLine) {
                tables_.layout.NetTitle();
                netTitleSeen_ = true;
                stage_ = Stage::NetRows;
                return true;
            }
            return Fail(Expected(), number, line);
        case Stage::ConnectionRows:
            return FeedConnection(line, number);
        case Stage::AfterHeader:
        case Stage::PartRows:
        case Stage::NetRows:
            break;
    }
    return FeedTable(line, number);
}

// A source without any line gives a target without the header: an empty
// line and the connection table's title only.
bool TargetReader::FeedHeader(std::string_view line, std::int64_t number) {
    if (number == 1 && line.empty()) {
        stage_ = Stage::NoHeader;
        return true;
    }
    if (number == 2 && !IsBanner(line)) {
        return Fail({.kind = DiscrepancyKind::NotTheBanner}, number, line);
    }
    if (number != 2 && line != kHeader[number - 1]) {
        return Fail({.kind = DiscrepancyKind::NotTheFixedLine, .expectedText = std::string(kHeader[number - 1])},
                    number, line);
    }
    if (number == 8) {
        tables_.layout.Header();
        stage_ = Stage::AfterHeader;
    }
    return true;
}

// Part and net tables come in the order their headers had in the source, and
// a net row may stand wherever its signal stood.
bool TargetReader::FeedTable(std::string_view line, std::int64_t number) {
    if (line.empty()) {
        stage_ = Stage::AfterEmptyLine;
        return true;
    }
    if (line == kPartTitle) {
        tables_.layout.PartTitle();
        partTitleSeen_ = true;
        openTable_ = PartRange{tables_.parts.size(), 0};
        stage_ = Stage::PartRows;
        return true;
    }
    return FeedRow(line, number);
}

bool TargetReader::FeedRow(std::string_view line, std::int64_t number) {
    if (const auto part = ParsePartRow(line); part && partTitleSeen_) {
        tables_.layout.PartRow(part->id, part->name);
        tables_.parts.push_back(PartHash(part->id));
        ++openTable_.count;
        partsInUse_ = openTable_;
        stage_ = Stage::PartRows;
        return true;
    }
    const auto net = ParseNetRow(line);
    if (!net) {
        return Fail(Expected(), number, line);
    }
    tables_.netNames.Add(net->name);
    tables_.nets.push_back({net->firstConnection, partsInUse_});
    stage_ = Stage::NetRows;
    return true;
}

bool TargetReader::FeedConnection(std::string_view line, std::int64_t number) {
    const auto row = ParseConnectionRow(line);
    if (!row) {
        return Fail(Expected(), number, line);
    }
    connections_.OnConnection(++connectionCount_, *row);
    return true;
}

}  // namespace brisel::verify
