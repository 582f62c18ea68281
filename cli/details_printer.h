#pragma once
// `--details`: one line per problem occurrence, as compilers write them:
// "board.net:214: warning: pin "A1" of part "U3" is not a plain positive number".

#include <array>
#include <cstdio>
#include <string>

#include "convert/problems.h"

namespace brisel::cli {

class DetailsPrinter {
public:
    // `label` names the source in each line.
    DetailsPrinter(std::string label, std::FILE* err) : label_(std::move(label)), err_(err) {}

    void Print(const Problem& problem);
    // One line for each kind that had more occurrences than were shown.
    void PrintOmitted();

    static constexpr int kMostPerKind = 100;

private:
    std::string label_;
    std::FILE* err_;
    std::array<long long, kProblemKindCount> counts_{};
};

}  // namespace brisel::cli
