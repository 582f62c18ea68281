#pragma once
// The words of each problem occurrence where it stands in the source, as
// compilers write them: "board.net:214: warning: pin "A1" of part "U3" is not
// a plain positive number", and a note for each pin the pin map numbered:
// "board.net:12: note: pin "G" of part "Q1" written as 1 (pins.map:3)". At
// most kMostPerKind lines of a kind are worded; the rest are counted into
// one line per kind.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "convert/problems.h"

namespace brisel::messages {

// "board.net:214: warning: TEXT", or "board.net: warning: TEXT" without a
// line (the whole file): the form of every line that says something of a
// place in the source, `severity` being "warning" or "note".
std::string SourceLineText(const std::string& label, std::optional<std::int64_t> line, const char* severity,
                           const std::string& text);

class ProblemLines {
public:
    static constexpr int kMostPerKind = 100;

    // `label` names the source in each line, and `mapLabel` the pin map in
    // the notes.
    explicit ProblemLines(std::string label, std::string mapLabel = {})
        : label_(std::move(label)), mapLabel_(std::move(mapLabel)) {}

    // The line for this occurrence, or nothing once its kind has had its
    // kMostPerKind lines.
    std::optional<std::string> Add(const Problem& problem);
    // "board.net: warning: 3 more of the kind "..." not shown" (or "note:")
    // for each kind that had more occurrences than lines.
    std::vector<std::string> Omitted() const;

private:
    std::string label_;
    std::string mapLabel_;
    std::array<long long, kProblemKindCount> counts_{};
};

}  // namespace brisel::messages
