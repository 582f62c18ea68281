#pragma once
// `--details`: one line per problem occurrence, as compilers write them:
// "board.net:214: warning: pin "A1" of part "U3" is not a plain positive number".

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "convert/problems.h"
#include "convert/source_line_map.h"

namespace brisel::cli {

class DetailsPrinter : public ProblemSink {
public:
    // `label` names the source in each line; `path` is where to read it.
    DetailsPrinter(std::string label, std::string path, std::FILE* err);

    void Report(const Problem& problem) override;
    // One line for each kind that had more occurrences than were shown.
    void PrintOmitted();

    static constexpr int kMostPerKind = 100;

private:
    std::string label_;
    std::string path_;
    std::FILE* err_;
    std::unique_ptr<SourceLineMap> lines_;  // opened at the first problem
    std::array<long long, kProblemKindCount> counts_{};
};

}  // namespace brisel::cli
