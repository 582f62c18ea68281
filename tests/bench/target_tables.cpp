#include "tests/bench/target_tables.h"

#include <charconv>
#include <optional>
#include <vector>

namespace brisel::bench {
namespace {

enum class Section { Header, Parts, Nets, Connections };

struct ConnectionRow {
    std::uint64_t Net = 0;
    std::uint64_t Part = 0;
    std::uint64_t Pin = 0;
    std::uint64_t Next = 0;
};

std::optional<std::uint64_t> ParseNumber(std::string_view& text) {
    std::uint64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(result.ptr - text.data()));
    if (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    return value;
}

std::optional<ConnectionRow> ParseConnectionRow(std::string_view line) {
    const auto net = ParseNumber(line);
    const auto part = ParseNumber(line);
    const auto pin = ParseNumber(line);
    const auto next = ParseNumber(line);
    if (!net || !part || !pin || !next || !line.empty()) {
        return std::nullopt;
    }
    return ConnectionRow{*net, *part, *pin, *next};
}

class TableReader {
public:
    void Read(std::string_view line) {
        if (line == "\"Part IDs Table\"") {
            section_ = Section::Parts;
        } else if (line == "\"Net Names Table\"") {
            section_ = Section::Nets;
        } else if (line == "\"Net Connections Table\"") {
            section_ = Section::Connections;
        } else if (!line.empty()) {
            ReadRow(line);
        }
    }

    TargetTables Finish() {
        if (previous_.Net != 0 && previous_.Next != 0) {
            Report("the last connection row names a next connection");
        }
        return tables_;
    }

private:
    void ReadRow(std::string_view line) {
        switch (section_) {
            case Section::Header:
                break;
            case Section::Parts:
                ++tables_.PartRows;
                break;
            case Section::Nets:
                ReadNetRow(line);
                break;
            case Section::Connections:
                ReadConnectionRow(line);
                break;
        }
    }

    void ReadNetRow(std::string_view line) {
        ++tables_.NetRows;
        std::string_view first = line.substr(line.rfind(' ') + 1);
        const auto number = ParseNumber(first);
        firstConnections_.push_back(number.value_or(0));
        if (!number || line.front() != '"') {
            Report("bad net row: " + std::string(line));
        }
    }

    void ReadConnectionRow(std::string_view line) {
        const std::uint64_t number = ++tables_.ConnectionRows;
        const auto row = ParseConnectionRow(line);
        if (!row || row->Net == 0 || row->Net > firstConnections_.size() || row->Part == 0 ||
            row->Part > tables_.PartRows || row->Pin == 0) {
            Report("bad connection row " + std::to_string(number) + ": " + std::string(line));
            return;
        }
        const bool sameNet = row->Net == previous_.Net;
        if (previous_.Net != 0 && previous_.Next != (sameNet ? number : 0)) {
            Report("broken chain before connection " + std::to_string(number));
        }
        if (!sameNet && firstConnections_[row->Net - 1] != number) {
            Report("net " + std::to_string(row->Net) + " does not start at its first connection");
        }
        previous_ = *row;
    }

    void Report(const std::string& problem) {
        if (tables_.FirstProblem.empty()) {
            tables_.FirstProblem = problem;
        }
    }

    Section section_ = Section::Header;
    TargetTables tables_;
    std::vector<std::uint64_t> firstConnections_;
    ConnectionRow previous_;
};

}  // namespace

TargetTables ReadTargetTables(std::string_view target) {
    TableReader reader;
    while (!target.empty()) {
        const std::size_t end = target.find("\r\n");
        reader.Read(target.substr(0, end));
        target.remove_prefix(end == std::string_view::npos ? target.size() : end + 2);
    }
    return reader.Finish();
}

std::uint64_t Fnv1a64(std::string_view bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

}  // namespace brisel::bench
