#include "cli/verify/target_reader.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cli/verify/line_splitter.h"
#include "cli/verify/text.h"

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

// "ID" "NAME" "": the ID holds no space, so the first space ends it.
std::optional<TargetPart> ParsePartRow(std::string_view line) {
    constexpr std::string_view tail = "\" \"\"";
    const auto space = line.find(' ');
    if (space == std::string_view::npos || space < 2 || line[0] != '"' || line[space - 1] != '"' ||
        !line.ends_with(tail) || line.size() < space + 2 + tail.size() || line[space + 1] != '"') {
        return std::nullopt;
    }
    const auto nameStart = space + 2;
    return TargetPart{std::string(line.substr(1, space - 2)),
                      std::string(line.substr(nameStart, line.size() - tail.size() - nameStart))};
}

// "NAME" FIRST: the name may hold spaces, so the last space ends it.
std::optional<TargetNet> ParseNetRow(std::string_view line) {
    const auto space = line.rfind(' ');
    if (space == std::string_view::npos || space < 2 || line[0] != '"' || line[space - 1] != '"') {
        return std::nullopt;
    }
    const auto first = ParseNumber(line.substr(space + 1));
    if (!first) {
        return std::nullopt;
    }
    return TargetNet{std::string(line.substr(1, space - 2)), *first};
}

// NET PART PIN NEXT, single spaces; the pin may be empty.
std::optional<TargetConnection> ParseConnectionRow(std::string_view line) {
    std::array<std::string_view, 4> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto space = line.find(' ', start);
        const bool last = i + 1 == fields.size();
        if ((space == std::string_view::npos) != last) {
            return std::nullopt;
        }
        fields[i] = line.substr(start, last ? std::string_view::npos : space - start);
        start = space + 1;
    }
    const auto net = ParseNumber(fields[0]);
    const auto part = ParseNumber(fields[1]);
    const auto next = ParseNumber(fields[3]);
    if (!net || !part || !next) {
        return std::nullopt;
    }
    return TargetConnection{*net, *part, std::string(fields[2]), *next};
}

enum class Stage { Header, PartTitle, PartRows, NetTitle, NetRows, ConnectionTitle, ConnectionRows };

class TargetParser {
public:
    TargetParser(TargetNetlist& netlist, ProblemList& problems) : netlist_(netlist), problems_(problems) {}

    // Returns false at a line that breaks the layout.
    bool Feed(std::string_view line, std::int64_t number);
    // Returns false when the file ended before the connection table.
    bool Finish(std::int64_t lines);

private:
    bool Fail(std::int64_t number, const std::string& what, std::string_view line);
    bool Expect(std::string_view line, std::string_view wanted, std::int64_t number, Stage next);

    TargetNetlist& netlist_;
    ProblemList& problems_;
    Stage stage_ = Stage::Header;
};

bool TargetParser::Fail(std::int64_t number, const std::string& what, std::string_view line) {
    problems_.Add("target line " + std::to_string(number) + ": expected " + what + " but found" +
                  (line.empty() ? std::string(" an empty line") : ": " + Printable(line)));
    return false;
}

bool TargetParser::Expect(std::string_view line, std::string_view wanted, std::int64_t number, Stage next) {
    if (line != wanted) {
        return Fail(number, std::string(wanted), line);
    }
    stage_ = next;
    return true;
}

bool TargetParser::Feed(std::string_view line, std::int64_t number) {
    switch (stage_) {
        case Stage::Header:
            if (number == 2 ? !IsBanner(line) : line != kHeader[number - 1]) {
                return Fail(number, number == 2 ? "the banner \"Brisel v...\"" : std::string(kHeader[number - 1]),
                            line);
            }
            if (number == 8) {
                stage_ = Stage::PartTitle;
            }
            return true;
        case Stage::PartTitle:
            return Expect(line, kPartTitle, number, Stage::PartRows);
        case Stage::NetTitle:
            return Expect(line, kNetTitle, number, Stage::NetRows);
        case Stage::ConnectionTitle:
            return Expect(line, kConnectionTitle, number, Stage::ConnectionRows);
        case Stage::PartRows:
        case Stage::NetRows:
            break;
        case Stage::ConnectionRows: {
            auto row = ParseConnectionRow(line);
            if (!row) {
                return Fail(number, "a connection row NET PART PIN NEXT", line);
            }
            netlist_.Connections.push_back(std::move(*row));
            return true;
        }
    }
    // An empty line ends a table; the next table's title follows it.
    if (line.empty()) {
        stage_ = stage_ == Stage::PartRows ? Stage::NetTitle : Stage::ConnectionTitle;
        return true;
    }
    if (stage_ == Stage::PartRows) {
        auto part = ParsePartRow(line);
        if (!part) {
            return Fail(number, "a part row \"ID\" \"NAME\" \"\" or an empty line", line);
        }
        netlist_.Parts.push_back(std::move(*part));
        return true;
    }
    auto net = ParseNetRow(line);
    if (!net) {
        return Fail(number, "a net row \"NAME\" FIRST or an empty line", line);
    }
    netlist_.Nets.push_back(std::move(*net));
    return true;
}

bool TargetParser::Finish(std::int64_t lines) {
    if (stage_ == Stage::ConnectionRows) {
        return true;
    }
    problems_.Add("target ends after line " + std::to_string(lines) + ", before the " + std::string(kConnectionTitle) +
                  " line");
    return false;
}

std::string LineEndName(LineEnd end) {
    switch (end) {
        case LineEnd::Cr:
            return "CR";
        case LineEnd::Lf:
            return "LF";
        case LineEnd::None:
            return "missing";
        case LineEnd::CrLf:
            break;
    }
    return "CR LF";
}

}  // namespace

bool ReadTarget(std::istream& in, TargetNetlist& netlist, ProblemList& problems) {
    LineSplitter splitter(in);
    TargetParser parser(netlist, problems);
    std::string line;
    LineEnd end = LineEnd::None;
    std::int64_t badEnds = 0;
    std::string firstBadEnd;
    bool intact = true;
    while (intact && splitter.Next(line, end)) {
        if (end != LineEnd::CrLf && badEnds++ == 0) {
            firstBadEnd = "target line " + std::to_string(splitter.LineNumber()) + ": line end is " + LineEndName(end) +
                          ", not CR LF";
        }
        intact = parser.Feed(line, splitter.LineNumber());
    }
    if (badEnds > 0) {
        problems.Add(firstBadEnd + (badEnds > 1 ? " (" + std::to_string(badEnds - 1) + " more lines like it)" : ""));
    }
    return intact && parser.Finish(splitter.LineNumber());
}

}  // namespace brisel::verify
