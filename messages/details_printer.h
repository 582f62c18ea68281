#pragma once
// `--details`: one line per problem occurrence on standard error, in the
// words the window's Problems list uses too.

#include <cstdio>
#include <string>

#include "messages/problem_lines.h"

namespace brisel::messages {

class DetailsPrinter {
public:
    // `label` names the source in each line, and `mapLabel` the pin map in
    // the notes.
    DetailsPrinter(std::string label, std::FILE* err, std::string mapLabel = {})
        : lines_(std::move(label), std::move(mapLabel)), err_(err) {}

    void Print(const Problem& problem);
    // One line for each kind that had more occurrences than were shown.
    void PrintOmitted();

private:
    ProblemLines lines_;
    std::FILE* err_;
};

}  // namespace brisel::messages
